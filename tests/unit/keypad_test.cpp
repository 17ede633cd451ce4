// The keypad at work: the follow timer's table of Modeler's dialog fields,
// presses typing into the recorded field, and the switches around it.
#include <gtest/gtest.h>

#include "keypad/keypad_controls.h"
#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using host::WindowHandle;
using host::no_window;
using Handles = std::vector<WindowHandle>;

const char* const keypad_locked = "ﾃﾝｷｰの変更はできません。また、設定中にﾃﾝｷｰは使用できません。";

// Key indexes by caption in the keypad's layout.
int key(const std::string& caption);

// The program started beside Modeler with the keypad open.
struct Keypad : test::HeadlessHost {
    Keypad() {
        std::vector<std::string> lines = test::valid_settings_lines();
        lines[32] = "1";  // keypad open at start-up
        started = start_with(lines);
    }
    KeypadForm& pad() { return program.keypad; }
    // Opens a pop-up of Modeler with children of these classes, top first.
    Handles open_dialog(const std::vector<std::string>& classes) {
        popup = desktop.add_window("Numeric", "#32770", modeler);
        desktop.at(modeler).active_popup = popup;
        Handles children;
        for (const std::string& name : classes) children.push_back(desktop.add_child(popup, name));
        return children;
    }
    void close_dialog() {
        desktop.remove_window(popup);
        desktop.at(modeler).active_popup = modeler;
    }
    void tick() { desktop.advance(50); }
    // The table up to its first 0 entry.
    Handles table() {
        Handles recorded;
        for (WindowHandle entry : pad().Edit_Hwnd) {
            if (entry == no_window) break;
            recorded.push_back(entry);
        }
        return recorded;
    }
    void press(const std::string& caption) { pad().on_click(key(caption)); }
    bool started = false;
    WindowHandle popup{};
};

int key(const std::string& caption) {
    static Keypad layout_source;
    auto& keys = layout_source.pad().Command1;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i]->caption() == caption) return static_cast<int>(i);
    ADD_FAILURE() << "no key " << caption;
    return 0;
}

TEST(FollowTimer, RecordsTheDialogsEditFieldsInZOrder) {
    const struct {
        const char* name;
        std::vector<std::string> classes;
        std::vector<std::size_t> recorded;  // indexes into the children
    } cases[] = {
        {"three fields", {"Edit", "Edit", "Edit"}, {0, 1, 2}},
        {"a label first", {"Static", "Edit", "Button", "Edit"}, {1, 3}},
        {"a first child whose class begins with Edit", {"EditBox", "Edit", "EditBox"}, {0, 1}},
        {"letter case: four characters first, then the class as the system compares it",
         {"edit", "EDIT", "Edit"}, {1, 2}},
        {"no field", {"Static", "Button"}, {}},
        {"no child", {}, {}},
    };
    for (const auto& c : cases) {
        Keypad h;
        ASSERT_TRUE(h.started);
        const Handles children = h.open_dialog(c.classes);
        h.tick();
        Handles expected;
        for (std::size_t i : c.recorded) expected.push_back(children[i]);
        EXPECT_EQ(h.table(), expected) << c.name;
        EXPECT_EQ(h.pad().Popup_Hwnd, h.popup) << c.name;
    }
}

TEST(FollowTimer, KeepsTheClosingEntryWithTwentyFields) {
    Keypad h;
    ASSERT_TRUE(h.started);
    const Handles children = h.open_dialog(std::vector<std::string>(20, "Edit"));
    h.tick();
    EXPECT_EQ(h.table(), Handles(children.begin(), children.begin() + 16));
    EXPECT_EQ(h.pad().Edit_Hwnd[16], no_window);
}

TEST(FollowTimer, ThePositionSurvivesRescansAndResetsWhenNoPopupIsOpen) {
    Keypad h;
    ASSERT_TRUE(h.started);
    h.open_dialog({"Edit", "Edit"});
    h.tick();
    h.press("TAB");
    h.tick();
    EXPECT_EQ(h.pad().Edit_No, 1) << "a rescan of the same dialog keeps the position";

    h.close_dialog();
    const WindowHandle main_field = h.desktop.add_child(h.modeler, "Edit");
    h.tick();
    EXPECT_EQ(h.pad().Edit_No, 0);
    EXPECT_EQ(h.pad().Popup_Hwnd, h.modeler);
    EXPECT_EQ(h.table(), Handles{main_field}) << "without a pop-up, Modeler's own children are scanned";
}

TEST(FollowTimer, ADialogThatReplacedTheLastOneStartsAtItsFirstField) {
    for (bool tick_between : {true, false}) {
        Keypad h;
        ASSERT_TRUE(h.started);
        h.open_dialog({"Edit", "Edit", "Edit"});
        h.tick();
        h.press("TAB");
        h.press("TAB");
        h.close_dialog();
        const Handles fields = h.open_dialog({"Edit", "Edit", "Edit"});
        if (tick_between) h.tick();
        h.keys.sent.clear();
        h.press("7");
        ASSERT_EQ(h.keys.sent.size(), 1u) << tick_between;
        EXPECT_EQ(h.keys.sent[0].focus, fields[0]) << tick_between;
    }
}

TEST(FollowTimer, WithoutModelerOrItsPopupNothingIsRecorded) {
    Keypad gone;
    ASSERT_TRUE(gone.started);
    gone.open_dialog({"Edit"});
    gone.tick();
    gone.pad().Edit_No = 1;
    gone.desktop.add_window("", "Edit");  // a top-level edit window: the desktop is not scanned
    gone.desktop.remove_window(gone.modeler);
    gone.tick();
    EXPECT_EQ(gone.table(), Handles{});
    EXPECT_EQ(gone.pad().Edit_No, 0);
    EXPECT_EQ(gone.pad().Modeler_Hwnd, no_window);

    Keypad failing;
    ASSERT_TRUE(failing.started);
    failing.open_dialog({"Edit", "Edit"});
    failing.tick();
    failing.pad().Edit_No = 1;
    failing.desktop.failing_last_active_popup.insert(failing.modeler);
    failing.tick();
    EXPECT_EQ(failing.table(), Handles{});
    EXPECT_EQ(failing.pad().Edit_No, 1) << "only a tick that sees no pop-up resets the position";
}

TEST(FollowTimer, StopsWhileTheKeypadIsMinimisedAndResumesWhenRestored) {
    Keypad h;
    ASSERT_TRUE(h.started);
    h.pad().on_click(keypad_ui::Command2);
    EXPECT_EQ(h.pad().window_state(), host::WindowState::minimized);
    const Handles fields = h.open_dialog({"Edit"});
    h.tick();
    EXPECT_EQ(h.table(), Handles{}) << "no scan while minimised";
    h.pad().on_activate();
    EXPECT_EQ(h.pad().window_state(), host::WindowState::normal);
    h.tick();
    EXPECT_EQ(h.table(), fields);
}

TEST(KeypadKeys, EachCaptionTypesItsKeyIntoTheRecordedField) {
    const struct {
        const char* caption;
        const char* typed;
        int moves;
    } cases[] = {
        {"TAB", "{TAB}", 1}, {"ENTER", "{ENTER}", 1}, {"BS", "{BS}", 0}, {"DEL", "{DEL}", 0},
        {"HOME", "{HOME}", 0}, {"7", "7", 0},         {".", ".", 0},   {"-", "-", 0},
        {"km", "km", 0},     {"mm", "mm", 0},
    };
    for (const auto& c : cases) {
        Keypad h;
        ASSERT_TRUE(h.started);
        const Handles fields = h.open_dialog({"Edit", "Edit"});
        h.tick();
        h.press(c.caption);
        ASSERT_EQ(h.keys.sent.size(), 1u) << c.caption;
        EXPECT_EQ(h.keys.sent[0].keys, test::typed(c.typed));
        EXPECT_EQ(h.keys.sent[0].focus, fields[0]) << c.caption;
        EXPECT_EQ(h.keys.sent[0].foreground, h.popup) << c.caption;
        EXPECT_EQ(h.pad().Edit_No, c.moves) << c.caption;
        EXPECT_EQ(h.app.event_passes, 1) << "one pass of the message loop between focus and keys";
        EXPECT_EQ(h.pad().Timer1.interval(), 50);
    }
}

TEST(KeypadKeys, PastTheLastFieldAPressOnlyReturnsToTheFirst) {
    Keypad h;
    ASSERT_TRUE(h.started);
    const Handles fields = h.open_dialog({"Edit", "Edit", "Edit"});
    h.tick();
    for (int i = 0; i < 3; ++i) h.press("TAB");
    EXPECT_EQ(h.pad().Edit_No, 3);
    h.press("1");
    EXPECT_EQ(h.keys.sent.size(), 3u) << "the fourth press types nothing";
    EXPECT_EQ(h.pad().Edit_No, 0);
    h.press("1");
    ASSERT_EQ(h.keys.sent.size(), 4u);
    EXPECT_EQ(h.keys.sent[3].focus, fields[0]);
    std::vector<WindowHandle> tabbed;
    for (int i = 0; i < 3; ++i) tabbed.push_back(h.keys.sent[static_cast<std::size_t>(i)].focus);
    EXPECT_EQ(tabbed, fields) << "each TAB goes to the field it leaves";
}

TEST(KeypadKeys, NothingIsTypedWhereNoFieldCanTakeTheKeys) {
    // No dialog: every press types nothing and keeps the position at 0.
    Keypad none;
    ASSERT_TRUE(none.started);
    none.tick();
    none.press("5");
    EXPECT_TRUE(none.keys.sent.empty());
    EXPECT_EQ(none.pad().Edit_No, 0);
    EXPECT_EQ(none.pad().Timer1.interval(), 50);

    // The dialog will not come to the front: the keys must not go elsewhere.
    Keypad refused;
    ASSERT_TRUE(refused.started);
    refused.open_dialog({"Edit"});
    refused.tick();
    refused.desktop.refusing_activation.insert(refused.popup);
    refused.press("TAB");
    EXPECT_TRUE(refused.keys.sent.empty());
    EXPECT_EQ(refused.pad().Edit_No, 0);

    // The field went away between the tick and the press.
    Keypad vanished;
    ASSERT_TRUE(vanished.started);
    const Handles fields = vanished.open_dialog({"Edit"});
    vanished.tick();
    vanished.desktop.remove_window(fields[0]);
    vanished.press("5");
    EXPECT_TRUE(vanished.keys.sent.empty());
    EXPECT_TRUE(vanished.dialogs.shown.empty());
}

TEST(KeypadKeys, NoRescanRunsDuringAPressAndKeysTheSystemStopsAreReported) {
    Keypad h;
    ASSERT_TRUE(h.started);
    h.open_dialog({"Edit", "Edit"});
    h.tick();
    int interval_during_press = -1;
    h.desktop.before_activation = [&] { interval_during_press = h.pad().Timer1.interval(); };
    h.keys.system_takes_part_only = true;
    h.press("TAB");
    EXPECT_EQ(interval_during_press, 0);
    EXPECT_EQ(h.pad().Timer1.interval(), 50);
    EXPECT_EQ(h.pad().Edit_No, 0) << "a TAB the system stopped does not move the position";
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text,
              "ｷｰの送信がｼｽﾃﾑに止められました。LightWave3Dﾓﾃﾞﾗｰが管理者として実行されていないか確認してください。");
}

TEST(KeypadSwitches, TheMenuItemsOpenAndCloseTheKeypadOutsideEditModeOnly) {
    Keypad h;
    ASSERT_TRUE(h.started);
    auto& main = h.program.main;
    main.on_click(main_ui::Mnu_Tenkey_Off);
    EXPECT_FALSE(h.pad().loaded());
    EXPECT_EQ(h.program.state.Tenkey_Show, "0");
    EXPECT_EQ(h.desktop.foreground, h.modeler) << "closing hands the focus back to Modeler";
    main.on_click(main_ui::Mnu_Tenkey);
    EXPECT_TRUE(h.pad().loaded());
    EXPECT_EQ(h.program.state.Tenkey_Show, "1");
    main.on_click(main_ui::Mnu_Tenkey);
    EXPECT_TRUE(h.pad().loaded());
    EXPECT_TRUE(h.dialogs.shown.empty());

    h.program.state.Edit_Mode = 1;
    for (int item : {main_ui::Mnu_Tenkey_Off, main_ui::Mnu_Tenkey}) {
        main.on_click(item);
        EXPECT_TRUE(h.pad().loaded());
        EXPECT_EQ(h.program.state.Tenkey_Show, "1");
    }
    EXPECT_EQ(h.dialogs.texts(), (std::vector<std::string>{keypad_locked, keypad_locked}));
}

TEST(KeypadSwitches, TheStartSwitchOnlyChangesTheStoredSetting) {
    Keypad h;
    ASSERT_TRUE(h.started);
    auto& main = h.program.main;
    main.on_check_clicked(main_ui::Chk_Tenkey, 0);
    EXPECT_EQ(h.program.state.Tenkey_Start, "0");
    EXPECT_TRUE(h.pad().loaded());
    main.on_click(main_ui::Mnu_Tenkey_Off);
    main.on_check_clicked(main_ui::Chk_Tenkey, 1);
    EXPECT_EQ(h.program.state.Tenkey_Start, "1");
    EXPECT_FALSE(h.pad().loaded());
}

}  // namespace
}  // namespace tastrel
