// Keypad presses typing into the fields of the stand-in's dialog under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"
#include "running.h"
#include "shell/main_controls.h"

namespace {

using namespace e2e;

std::size_t key_ups(const StandIn& modeler) {
    const std::vector<LoggedKey> keys = modeler.keys();
    return static_cast<std::size_t>(
        std::count_if(keys.begin(), keys.end(), [](const LoggedKey& key) { return key.message == "KEYUP"; }));
}

TEST(Keypad, TypesIntoTheRecordedFieldsOfModelersDialog) {
    StandIn modeler;
    Running run("keypad-fields");
    ASSERT_TRUE(run.palette);
    const HWND keypad = wait_form(run.program->id(), L"Tenkey");
    ASSERT_TRUE(keypad);
    modeler.open_dialog(3, /*label_first=*/true);
    ASSERT_TRUE(wait_until([&] { return modeler.dialog_fields().size() == 3; }));
    Sleep(200);  // a few ticks of the follow timer
    modeler.clear_keys();

    const struct {
        const char* caption;
        std::size_t keys;    // key-ups the press makes
        const char* target;  // the field they reach
    } presses[] = {
        {"1", 1, "popup-edit1"},   {"2", 1, "popup-edit1"},  {".", 1, "popup-edit1"}, {"5", 1, "popup-edit1"},
        {"TAB", 1, "popup-edit1"}, {"-", 1, "popup-edit2"},  {"3", 1, "popup-edit2"}, {"ENTER", 1, "popup-edit2"},
        {"km", 2, "popup-edit3"},
        // Editing keys act on the current field: "km" becomes "1km", "1m", "m".
        {"HOME", 1, "popup-edit3"}, {"1", 1, "popup-edit3"},    {"DEL", 1, "popup-edit3"}, {"BS", 1, "popup-edit3"},
    };
    std::size_t expected = 0;
    for (const auto& press : presses) {
        const std::size_t before = modeler.keys().size();
        ASSERT_TRUE(click(find_child(keypad, press.caption))) << press.caption << ": the keypad did not come to the front";
        expected += press.keys;
        ASSERT_TRUE(wait_until([&] { return key_ups(modeler) >= expected; }, 3000)) << press.caption;
        const std::vector<LoggedKey> keys = modeler.keys();
        for (std::size_t i = before; i < keys.size(); ++i)
            EXPECT_EQ(keys[i].target, press.target) << press.caption;
    }
    EXPECT_EQ(modeler.dialog_fields(), (std::vector<std::string>{"12.5", "-3", "m"}));

    // Closing the keypad hands the keyboard back to Modeler's main window.
    modeler.close_dialog();
    ASSERT_TRUE(wait_until([&] { return modeler.dialog_fields().empty(); }));
    ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == modeler.window(); }, 2000));
    ASSERT_TRUE(bring_to_front(keypad));
    PostMessageW(keypad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(window_gone(keypad));
    EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == modeler.window(); }, 2000));
}

// True when the window is in front after `ms`, and was at least 9 of every
// 10 times looked at meanwhile: it came to the front and stayed there.
bool stays_in_front(HWND window, int ms = 2000) {
    int in_front = 0, looks = 0;
    for (; looks * 10 < ms; ++looks, Sleep(10)) in_front += GetForegroundWindow() == window;
    return GetForegroundWindow() == window && in_front * 10 >= looks * 9;
}

// A user's own click, on the menu bar or the keypad's close box: the window
// manager had focused one of our windows, and falls back to the palette when
// the keypad goes away; Modeler must stay in front all the same.
TEST(Keypad, ClosedByItsMenuItemOrItsCloseBoxItLeavesModelerInFrontAndMinimisedAsItWas) {
    StandIn modeler;
    const struct {
        const char* what;
        bool close_box, modeler_minimised;
    } cases[] = {{"menu", false, false}, {"close box", true, false}, {"menu, Modeler minimised", false, true}};
    for (const auto& c : cases) {
        ShowWindow(modeler.window(), c.modeler_minimised ? SW_MINIMIZE : SW_RESTORE);
        Running run(std::string("keypad-close-") + (c.close_box ? "box" : "menu"));
        ASSERT_TRUE(run.palette);
        const HWND keypad = wait_form(run.program->id(), L"Tenkey");
        ASSERT_TRUE(keypad);
        if (c.close_box) {
            ASSERT_TRUE(x_click(keypad, HTCLOSE));
        } else {
            // files, ﾃﾝｷｰを隠す
            ASSERT_TRUE(x_click(run.palette, HTMENU, L"sleep 0.5 key Down Down Down Down Return"));
        }
        EXPECT_TRUE(window_gone(keypad)) << c.what;
        if (c.modeler_minimised) {
            Sleep(500);
            EXPECT_TRUE(IsIconic(modeler.window())) << c.what;
        } else {
            EXPECT_TRUE(stays_in_front(modeler.window())) << c.what;
        }
    }
    ShowWindow(modeler.window(), SW_RESTORE);
}

}  // namespace
