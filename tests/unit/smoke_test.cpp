#include <gtest/gtest.h>
#include "support/headless_host.h"
TEST(Smoke, Starts) { tastrel::test::HeadlessHost h; EXPECT_TRUE(h.start()); }
