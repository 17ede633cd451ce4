// Twips and pixels at every scale, the topmost band and finding Modeler by its titles.
#include <gtest/gtest.h>

#include "modeler/modeler_window.h"
#include "places/placement.h"
#include "support/headless_host.h"

namespace tastrel {

TEST(Conversions, PlacesMeetWholePixelsAtEveryScale) {
    const struct { int dpi; std::int16_t twips_of_411; int pixels_of_6172_5; } scales[] = {
        {96, 6165, 412}, {120, 4932, 514}, {144, 4110, 617}, {168, 3523, 720}, {192, 3082, 823}, {240, 2466, 1029},
    };
    for (const auto& s : scales) {
        const double factor = 1440.0 / s.dpi;
        EXPECT_EQ(std::pair(pixels_to_twips(411, factor), twips_to_pixels(6172.5, factor)),
                  std::pair(s.twips_of_411, s.pixels_of_6172_5)) << s.dpi;
        for (int pixels : {-21, 0, 1, 3, 1919})
            EXPECT_EQ(twips_to_pixels(pixels_to_twips(pixels, factor), factor), pixels) << s.dpi << " dpi " << pixels;
    }
    EXPECT_EQ(std::pair(twips_to_pixels(100, 0), pixels_to_twips(5000, 15)), std::pair(0, std::int16_t{32767}));
}

TEST(Modeler, TheTopmostSwitchAndTheTitles) {
    EXPECT_EQ((std::vector{band_of_switch("1"), band_of_switch("0"), band_of_switch("01")}),
              (std::vector<std::optional<host::ZBand>>{host::ZBand::topmost, host::ZBand::not_topmost, std::nullopt}));
    for (const char* title : {"LightWave Modeler 5.0", "LightWave Modeler 5.5", "LightWave Modeler 5.6", "Modeler"}) {
        test::HeadlessHost desktop;
        const host::WindowHandle modeler = desktop.add_window(title);
        EXPECT_EQ(Get_Modeler_Hwnd(desktop), title[0] == 'L' ? modeler : host::no_window);
    }
}

}  // namespace tastrel
