// Twips and pixels at every scale, a window's place captured over the window
// seam, the topmost band and finding Modeler by its titles.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "modeler/modeler_window.h"
#include "modeler/placement.h"
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

// Held at 1500, 750 twips: a window where those put it has not moved.
TEST(FormPosition, CapturesTheRestoredPlaceInTwips) {
    const struct { double tpp; int x, y; std::int16_t left, top, changed; bool fails; } cases[] = {
        {15, 100, 50, 1500, 750, 0, false}, {15, 101, 50, 1515, 750, 1, false}, {15, -20, 50, 0, 750, 1, false},
        {15, 100, -1, 1500, 0, 1, false}, {15, 3000, 50, 32767, 750, 1, false}, {12, 125, 50, 1500, 600, 1, false},
        {7.5, 200, 100, 1500, 750, 0, false}, {1440.0 / 168, 175, 88, 1500, 750, 0, false},
        {1440.0 / 168, 176, 88, 1509, 750, 1, false}, {15, 101, 51, 1500, 750, 0, true},
    };
    test::HeadlessHost desktop;
    const host::FormLayout layout{"Form", 1000, 1000, 0, {}, {}};
    host::Form form(desktop, layout);
    for (const auto& c : cases) {
        desktop.tpp = c.tpp;
        desktop.at(form.hWnd()).rect = {c.x, c.y, 100, 100};
        if (c.fails) desktop.at(form.hWnd()).pos_fails = true;  // the last row: a message, nothing captured
        std::int16_t left = 1500, top = 750, changed = 0;
        Get_Form_Position({desktop, desktop, desktop, changed}, form, left, top);
        EXPECT_EQ((std::vector{left, top, changed}), (std::vector{c.left, c.top, c.changed})) << c.x << "," << c.y;
    }
    EXPECT_EQ(desktop.log, std::vector<std::string>{messages::placement_failed});
}

TEST(Modeler, TheTopmostSwitchAndTheTitles) {
    EXPECT_EQ((std::vector{band_of_switch("1"), band_of_switch("0"), band_of_switch("01")}),
              (std::vector<std::optional<host::ZBand>>{host::ZBand::topmost, host::ZBand::not_topmost, std::nullopt}));
    for (const char* title : {"LightWave Modeler 5.0", "LightWave Modeler 5.5", "LightWave Modeler 5.6", "Modeler"}) {
        test::HeadlessHost desktop;
        const host::WindowHandle modeler = desktop.add_window(title);
        EXPECT_EQ(Get_Modeler_Hwnd(desktop), title[0] == 'L' ? modeler : host::no_window);
        EXPECT_EQ(Modeler_Title_Of(desktop, modeler), title);
    }
}

}  // namespace tastrel
