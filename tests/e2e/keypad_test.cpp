// Keypad presses typing into the fields of the stand-in's dialog under Wine.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver.h"
#include "running.h"

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

}  // namespace
