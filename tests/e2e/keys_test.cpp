// Palette clicks and keypad presses arriving in the stand-in Modeler under Wine.
#include <gtest/gtest.h>

#include "driver.h"
#include "shell/main_controls.h"

namespace {

using namespace e2e;

std::size_t count(const std::string& text, std::string_view part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
    return found;
}

// With two versions running the 5.5 one gets the keys; Caps Lock switched
// on in Modeler changes neither the keys nor the lock. Then Modeler is busy
// with its own work, handling no message: the clicks made meanwhile type
// once it takes them, in their order. Past the time a user waits, a click
// says that it typed nothing, and never types later; the click queued
// behind it waits its own time.
TEST(Keys, PaletteButtonsTypeIntoModeler55WithCapsLockOffOrOnAndWhileItIsBusy) {
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
    for (const int busy_ms : {1000, 4500}) {
        modeler.clear_keys();
        ASSERT_TRUE(bring_to_front(run.palette));  // while Modeler can still let go of the front
        modeler.be_busy(busy_ms);
        Sleep(100);
        for (const char* caption : {"UNDO", "REDO"}) PostMessageW(find_child(run.palette, caption), BM_CLICK, 0, 0);
        EXPECT_EQ(answer_next_box(run.program.id(), IDOK, 4000), busy_ms < 3000 ? "" : "Tastrel: LightWave3Dﾓﾃﾞﾗｰが応答しないため、"
                  "ｷｰは送信されませんでした。LightWave3Dﾓﾃﾞﾗｰの処理が終わってから、もう一度押してください。");
        // UNDO, then REDO; past the wait, REDO alone.
        EXPECT_TRUE(wait_until([&] { return count(modeler.keys(), " CHAR ") == (busy_ms < 3000 ? 2u : 1u); })) << modeler.keys();
        EXPECT_FALSE(wait_message_box(run.program.id(), 500));
        const std::string keys = modeler.keys();
        EXPECT_LT(keys.find(busy_ms < 3000 ? "char=U+0075" : ""), keys.find("char=U+0055")) << keys;
    }
}

// Presses faster than the keypad handles them, posted all at once or
// clicked through the X server as fast as it takes them, type in their
// order; Modeler is busy meanwhile: its dialog puts the focus back on the
// field it last had only after the keypad has focused the next one. A
// palette button's keys go to Modeler's main window all the same.
TEST(Keys, TheKeypadTypesABurstOfPressesInOrderIntoTheRecordedFieldsOfModelersDialog) {
    const StandIn modeler(L"5.6", L"--busy 50");
    Running run("keys-keypad");
    // TAB and ENTER move on a field; HOME, DEL and BS edit the current one: "km", "1km", "1m", "m".
    const char* const presses[] = {"1", "2", ".", "5", "TAB", "-", "3", "ENTER", "km", "HOME", "1", "DEL", "BS"};
    for (const bool through_x : {false, true}) {
        modeler.open_dialog(3);
        ASSERT_TRUE(wait_until([&] { return modeler.dialog_fields() == std::vector<std::string>(3); }));
        ASSERT_TRUE(bring_to_front(run.keypad));
        std::string clicks;
        for (const char* caption : presses) {
            RECT r{};
            GetWindowRect(find_child(run.keypad, caption), &r);
            clicks += "mousemove " + std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2) + " click 1 ";
            if (!through_x) PostMessageW(find_child(run.keypad, caption), BM_CLICK, 0, 0);
        }
        EXPECT_TRUE(!through_x || xdotool(clicks));
        EXPECT_TRUE(wait_until([&] { return modeler.dialog_fields() == std::vector<std::string>{"12.5", "-3", "m"}; }, 10000))
            << through_x << ": " << modeler.dialog_fields()[0] << "|" << modeler.dialog_fields()[1] << "|" << modeler.dialog_fields()[2];
    }
    const HWND undo = find_child(run.palette, "UNDO");  // a command posted while the dialog is in front
    PostMessageW(run.palette, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(undo), BN_CLICKED), reinterpret_cast<LPARAM>(undo));
    EXPECT_TRUE(wait_until([&] { return count(modeler.keys(), "target=main char=U+0075") == 1; })) << modeler.keys();
}

// However the keypad closes or the program ends (its menu chosen with the
// mouse or with the keys, a command posted to it, the keypad's close box,
// the end item), Modeler ends up in front, or stays minimised, also when
// the window manager falls back on the palette a second later, as it does
// on a busy machine.
TEST(Keys, ClosingTheKeypadOrTheProgramLeavesModelerInFrontOrMinimisedAsItWas) {
    enum Way { menu_by_mouse, menu_by_keys, posted, close_box, program_end };
    const StandIn modeler;
    const std::pair<Way, bool> cases[] = {{menu_by_mouse, false}, {menu_by_keys, false}, {posted, false},
                                          {close_box, false},     {program_end, false},  {close_box, true}, {program_end, true}};
    for (const auto& [way, minimised] : cases) {
        ShowWindow(modeler.window(), minimised ? SW_MINIMIZE : SW_RESTORE);
        Running run("keys-keypad-close");
        switch (way) {
        case menu_by_mouse: ASSERT_TRUE(choose(run.palette, 0, 3)); break;  // "ﾃﾝｷｰを隠す"
        case menu_by_keys: ASSERT_TRUE(bring_to_front(run.palette) && xdotool("key F10 Down Down Down Down Return")); break;
        case posted: PostMessageW(run.palette, WM_COMMAND, tastrel::main_ui::Mnu_Tenkey_Off, 0); break;
        case close_box: ASSERT_TRUE(x_click(run.keypad, HTCLOSE)); break;
        case program_end: ASSERT_TRUE(choose(run.palette, 0, 6)); break;  // "終了"
        }
        EXPECT_TRUE(way == program_end ? run.program.exited_within(5000) : window_gone(run.keypad)) << way;
        if (way != program_end) Sleep(1000), xdotool("search --name ^Tastrel$ windowactivate");
        int in_front = 0;
        for (int look = 0; look < 150; ++look, Sleep(10)) in_front += GetForegroundWindow() == modeler.window();
        EXPECT_EQ(IsIconic(modeler.window()) != 0, minimised) << way;
        EXPECT_TRUE(minimised || (in_front >= 135 && GetForegroundWindow() == modeler.window()))
            << way << ": Modeler in front in " << in_front << " of 150 looks";
    }
    ShowWindow(modeler.window(), SW_RESTORE);
}

}  // namespace
