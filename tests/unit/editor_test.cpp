// The key strings the editor composes from its lists, the captions it takes,
// and the controls of its form looked up in the layout.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "editor/caption_rules.h"
#include "editor/editor_lists.h"
#include "editor/key_composition.h"
#include "shell/main_layout.h"
#include "support/headless_host.h"

namespace tastrel {

// Key list positions: 1 to 93 are '"' to '~', then "10", the named keys and F1 to F16.
TEST(KeyComposition, ReservedCharactersGoInBracesAndModifiersTakeAGroup) {
    const struct { int modifier, key; const char* keys; } cases[] = {
        {0, key_space, " "}, {1, key_space, "^( )"}, {0, 1, "\""}, {2, 4, "%({%})"}, {0, 7, "{(}"}, {1, 8, "^({)})"},
        {0, 10, "{+}"}, {0, 11, ","}, {0, 61, "{^}"}, {1, 89, "^(z)"}, {0, 90, "{{}"}, {0, 92, "{}}"}, {0, 93, "{~}"},
        {0, key_ten, "10"}, {2, key_ten, "%(10)"}, {0, 95, "{ESC}"}, {2, 107, "%({F4})"}, {1, 119, "^({F16})"},
    };
    for (const auto& c : cases) EXPECT_EQ(compose_key_string(c.modifier, c.key), c.keys);
}

TEST(CaptionRules, RefusesEmptyCommaLongAndUnsavableCaptions) {
    namespace m = messages;
    const struct { const char *caption, *fault; } cases[] = {
        {"", m::no_caption}, {" ", m::no_caption}, {"Default", m::no_caption}, {"A,B", m::comma_in_caption},
        {"ﾃﾝｷｰ呼び出し1234567", nullptr}, {"ﾃﾝｷｰ呼び出し12345678", m::caption_too_long}, {"café", m::unsavable_caption},
    };
    for (const auto& c : cases) EXPECT_STREQ(caption_fault(c.caption, *test::make_test_codec()), c.fault) << c.caption;
    EXPECT_THROW(host::layout_of(main_layout(), -5), std::logic_error) << "a control the layout does not hold";
}

}  // namespace tastrel
