// Palette clicks and keypad presses arriving in the stand-in Modeler under Wine.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

using namespace e2e;

std::size_t count(const std::string& text, std::string_view part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
    return found;
}

// With two versions running the 5.5 one gets the keys; Caps Lock switched
// on in Modeler changes neither the keys nor the lock.
TEST(Keys, PaletteButtonsTypeIntoModeler55WithCapsLockOffOrOn) {
    const StandIn newer(L"5.6"), modeler(L"5.5");
    Running run("keys-palette");
    const struct CapsLockOffAtEnd {
        ~CapsLockOffAtEnd() { switch_caps_lock(false); }
    } off;
    const struct {
        const char *caption, *down, *typed;
    } cases[] = {{"UNDO", "KEYDOWN vk=55 mods=- ", "target=main char=U+0075"},
                 {"REDO", "KEYDOWN vk=55 mods=S ", "target=main char=U+0055"},
                 {"Magnet Tool", "KEYDOWN vk=BA mods=S ", "target=main char=U+003A"},
                 {"Set Value", "KEYDOWN vk=56 mods=CS ", "target=main char=U+0016"},
                 {"ESC", "KEYDOWN vk=1B mods=- ", "target=main char=U+001B"}};
    for (const bool caps_lock : {false, true}) {
        modeler.clear_keys();
        ASSERT_TRUE(bring_to_front(modeler.window()) && switch_caps_lock(caps_lock));
        ASSERT_TRUE(wait_until([&] { return !caps_lock || count(modeler.keys(), "KEYUP vk=14") > 0; }));
        for (const auto& c : cases) {
            modeler.clear_keys();
            click(find_child(run.palette, c.caption));
            EXPECT_TRUE(wait_until([&] { return count(modeler.keys(), c.typed) == 1; })) << c.caption << modeler.keys();
            EXPECT_EQ(count(modeler.keys(), c.down), 1u) << c.caption << modeler.keys();
            EXPECT_EQ(caps_lock_on(), caps_lock) << c.caption;
        }
    }
    EXPECT_EQ(newer.keys(), "");
}

// Modeler is busy: its dialog puts the focus back on the field it last had
// only after the keypad has focused the next one.
TEST(Keys, TheKeypadTypesIntoTheRecordedFieldsOfModelersDialog) {
    const StandIn modeler(L"5.6", L"--busy 50");
    Running run("keys-keypad");
    modeler.open_dialog(3);
    ASSERT_TRUE(wait_until([&] { return modeler.dialog_fields().size() == 3; }));
    Sleep(200);  // the keypad's follow timer records the dialog on its ticks
    // TAB and ENTER move on a field; HOME, DEL and BS edit the current one: "km", "1km", "1m", "m".
    const struct {
        const char* caption;
        std::size_t key_ups;
    } presses[] = {{"1", 1},  {"2", 1},  {".", 1},    {"5", 1}, {"TAB", 1}, {"-", 1}, {"3", 1},
                   {"ENTER", 1}, {"km", 2}, {"HOME", 1}, {"1", 1}, {"DEL", 1}, {"BS", 1}};
    std::size_t key_ups = count(modeler.keys(), "KEYUP");
    for (const auto& press : presses) {
        ASSERT_TRUE(click(find_child(run.keypad, press.caption))) << press.caption;
        key_ups += press.key_ups;
        ASSERT_TRUE(wait_until([&] { return count(modeler.keys(), "KEYUP") >= key_ups; }, 3000)) << press.caption;
    }
    EXPECT_EQ(modeler.dialog_fields(), (std::vector<std::string>{"12.5", "-3", "m"}));
}

// A user's own click on the menu bar or the keypad's close box: the window
// manager falls back to the palette when the keypad goes; Modeler must stay in front, or minimised.
TEST(Keys, ClosingTheKeypadLeavesModelerInFrontOrMinimisedAsItWas) {
    const StandIn modeler;
    for (const bool close_box : {false, true})
        for (const bool minimised : {false, true}) {
            ShowWindow(modeler.window(), minimised ? SW_MINIMIZE : SW_RESTORE);
            Running run("keys-keypad-close");
            ASSERT_TRUE(close_box ? x_click(run.keypad, HTCLOSE) : choose(run.palette, 0, 3));  // "ﾃﾝｷｰを隠す"
            EXPECT_TRUE(window_gone(run.keypad)) << close_box << minimised;
            int in_front = 0;
            for (int look = 0; look < 200; ++look, Sleep(10)) in_front += GetForegroundWindow() == modeler.window();
            EXPECT_EQ(IsIconic(modeler.window()) != 0, minimised) << close_box;
            EXPECT_TRUE(minimised || in_front >= 180) << close_box << ": Modeler came to the front and stayed";
        }
    ShowWindow(modeler.window(), SW_RESTORE);
}

}  // namespace
