// The palette sending keys to Modeler, and the pop-up watch.
#include <gtest/gtest.h>

#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using host::Answer;
using test::HeadlessHost;
using Lines = std::vector<std::string>;

const char* const not_started = "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。";
const char* const not_running = "LightWave3Dﾓﾃﾞﾗｰが起動しておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。";

// A file whose slot 0 types `keys`, with the pop-up switch and the keypad switch as given.
Lines file_with(const std::string& keys, const char* popup_hide = "0") {
    Lines lines = test::valid_settings_lines();
    lines[2] = "cmd_" + keys + ",name_Zero";
    lines[30] = popup_hide;
    return lines;
}

TEST(ModelerSearch, TheFirstOfTheThreeTitlesWinsAndOnlyWholeTitlesMatch) {
    // Titles compare as FindWindowA compares them: whole, not case-sensitive.
    const struct {
        std::vector<const char*> running;
        const char* expected;  // nullptr: not found
    } cases[] = {
        {{"LightWave Modeler 5.6", "LightWave Modeler 5.5"}, "LightWave Modeler 5.5"},
        {{"LightWave Modeler 5.6", "LightWave Modeler 5.0"}, "LightWave Modeler 5.0"},
        {{"LightWave Modeler 5.6"}, "LightWave Modeler 5.6"},
        {{"LightWave Modeler 5.6 - untitled", "LightWave Modeler 5."}, nullptr},
        {{"LIGHTWAVE MODELER 5.5", "LightWave Modeler 5.6"}, "LIGHTWAVE MODELER 5.5"},
    };
    for (const auto& c : cases) {
        HeadlessHost h;
        for (const char* title : c.running) h.desktop.add_window(title);
        Lines lines = test::valid_settings_lines();
        lines[32] = "1";  // a keypad closed at start-up would look for Modeler already
        ASSERT_TRUE(h.start_with(lines, ""));
        const bool running = h.run([&] { h.program.main.on_click(0); });
        if (c.expected == nullptr) {
            EXPECT_FALSE(running);
            EXPECT_TRUE(h.keys.sent.empty());
            continue;
        }
        ASSERT_EQ(h.keys.sent.size(), 1u) << c.expected;
        EXPECT_EQ(h.keys.sent[0].foreground, h.desktop.find_window(c.expected)) << "keys go to " << c.expected;
    }
}

TEST(Palette, TypesTheButtonsKeysIntoModelerInFront) {
    const struct {
        std::string stored, typed;
    } cases[] = {{"u", "u"}, {"!", ","}, {"^(!)", "^(,)"}, {"%(!)", "%(,)"}, {"^(V)", "^(V)"},
                 {"{ESC}", "{ESC}"}, {"\\", "\\"}, {"!x", "!x"}, {" ", " "}};
    for (const auto& c : cases) {
        HeadlessHost h;
        ASSERT_TRUE(h.start_with(file_with(c.stored)));
        h.program.main.on_click(0);
        ASSERT_EQ(h.keys.sent.size(), 1u) << c.stored;
        EXPECT_EQ(h.keys.sent[0].keys, test::typed(c.typed));
        EXPECT_EQ(h.keys.sent[0].foreground, h.modeler);
        EXPECT_EQ(h.program.state.Btn_Cmd[0], c.typed) << "the slot keeps the comma itself";
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

TEST(Palette, AfterASendTheWatchRunsWithItsSwitchAndTheBeepWithItsOwn) {
    for (const char* popup_hide : {"1", "0"})
        for (int beep = 0; beep < 2; ++beep) {
            HeadlessHost h;
            ASSERT_TRUE(h.start_with(file_with("u", popup_hide)));
            auto& main = h.program.main;
            main.Timer1.set_enabled(false);
            main.on_check_clicked(main_ui::Chk_Beep, beep);
            main.on_click(0);
            EXPECT_EQ(main.Timer1.enabled(), std::string(popup_hide) == "1");
            EXPECT_EQ(h.app.beeps, beep);
        }
}

TEST(Palette, InTheEditorAClickOnlyChoosesTheSlot) {
    HeadlessHost h;
    ASSERT_TRUE(h.start_with(file_with("u")));
    h.program.state.Edit_Mode = 1;
    h.program.main.on_click(7);
    EXPECT_EQ(h.program.main.Btn_Index, 7);
    EXPECT_EQ(h.program.main.Modeler_Title, "LightWave Modeler 5.6");
    EXPECT_TRUE(h.keys.sent.empty());
}

TEST(Palette, NothingIsTypedWhenModelerDoesNotComeToTheFront) {
    HeadlessHost h;
    ASSERT_TRUE(h.start_with(file_with("u")));
    h.desktop.refusing_activation.insert(h.modeler);
    EXPECT_TRUE(h.run([&] { h.program.main.on_click(0); }));
    EXPECT_TRUE(h.keys.sent.empty());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Palette, ModelerGoneAtTheClickEndsTheProgramAfterBothMessages) {
    const struct {
        const char* what;
        bool gone_during_activation;
    } cases[] = {{"gone before the click", false}, {"gone while being activated", true}};
    for (const auto& c : cases) {
        HeadlessHost h;
        ASSERT_TRUE(h.start_with(file_with("u")));
        if (c.gone_during_activation)
            h.desktop.before_activation = [&] { h.desktop.remove_window(h.modeler); };
        else
            h.desktop.remove_window(h.modeler);
        EXPECT_FALSE(h.run([&] { h.program.main.on_click(0); })) << c.what;
        EXPECT_EQ(h.dialogs.texts(), (std::vector<std::string>{not_started, not_started})) << c.what;
        EXPECT_TRUE(h.keys.sent.empty());
    }
}

TEST(Palette, CancelAtTheSaveQuestionKeepsTheProgramWhenModelerIsGone) {
    HeadlessHost h;
    ASSERT_TRUE(h.start_with(file_with("u")));
    h.program.state.Set_Changed = 1;
    h.desktop.remove_window(h.modeler);
    h.dialogs.answers = {Answer::cancel};
    EXPECT_TRUE(h.run([&] { h.program.main.on_click(0); }));
    EXPECT_TRUE(h.program.main.loaded());
}

// Handing the focus back (the keypad closed, the editor opened, the exit)
// leaves a minimised Modeler minimised; only keys to type restore it.
TEST(Palette, OnlyASendRestoresAMinimisedModeler) {
    const struct {
        const char* what;
        int command;
        bool restores;
    } cases[] = {{"keypad closed", main_ui::Mnu_Tenkey_Off, false},
                 {"editor opened", main_ui::Mnu_Set_Change, false},
                 {"exit", main_ui::mnu_end, false},
                 {"palette click", 0, true}};
    for (const auto& c : cases) {
        HeadlessHost h;
        ASSERT_TRUE(h.start_with(file_with("u")));
        h.program.main.on_click(main_ui::Mnu_Tenkey);
        h.desktop.at(h.modeler).state = host::WindowState::minimized;
        h.desktop.foreground = h.program.main.hWnd();
        h.run([&] { h.program.main.on_click(c.command); });
        EXPECT_EQ(h.desktop.at(h.modeler).state == host::WindowState::normal, c.restores) << c.what;
        EXPECT_EQ(h.desktop.foreground == h.modeler, c.restores) << c.what;
    }
}

TEST(Palette, AKeyStringThatDoesNotParseIsNamedAndNotTyped) {
    HeadlessHost h;
    ASSERT_TRUE(h.start_with(file_with("{ESC")));
    EXPECT_TRUE(h.run([&] { h.program.main.on_click(0); }));
    EXPECT_TRUE(h.keys.sent.empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    const std::string& text = h.dialogs.shown[0].text;
    EXPECT_NE(text.find("ﾎﾞﾀﾝ1「Zero」"), std::string::npos) << text;
    EXPECT_NE(text.find("{ESC"), std::string::npos) << text;
}

TEST(Palette, KeysTheSystemStopsHalfWayAreReported) {
    HeadlessHost h;
    ASSERT_TRUE(h.start_with(file_with("u", "1")));
    h.program.main.Timer1.set_enabled(false);
    h.keys.system_takes_part_only = true;
    h.program.main.on_click(0);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("ｷｰの送信"), std::string::npos);
    EXPECT_FALSE(h.program.main.Timer1.enabled()) << "a failed send is not followed";
}

// The watch on a started program: Modeler's dialog open or not, the switch on or not.
struct Watch : HeadlessHost {
    explicit Watch(const char* popup_hide = "1") { EXPECT_TRUE(start_with(file_with("u", popup_hide))); }
    void open_dialog() { desktop.at(modeler).active_popup = dialog = desktop.add_window("Numeric", "", modeler); }
    void close_dialog() {
        desktop.remove_window(dialog);
        desktop.at(modeler).active_popup = modeler;
    }
    bool palette_visible() { return program.main.visible(); }
    bool watching() { return program.main.Timer1.enabled(); }
    host::WindowHandle dialog{};
};

TEST(PopupWatch, HidesThePaletteWhileModelerShowsADialog) {
    Watch h;
    ASSERT_TRUE(h.watching());
    h.open_dialog();
    h.desktop.advance(50);
    EXPECT_FALSE(h.palette_visible());
    EXPECT_TRUE(h.watching());
    h.close_dialog();
    h.desktop.advance(50);
    EXPECT_TRUE(h.palette_visible());
    EXPECT_TRUE(h.watching());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(PopupWatch, ARunStartedWithTheSwitchOffEndsAtTheFirstTickWithoutADialog) {
    Watch h("0");
    ASSERT_FALSE(h.watching());
    h.open_dialog();
    h.program.main.Timer1.set_enabled(true);  // as leaving the editor does
    h.desktop.advance(100);
    EXPECT_FALSE(h.palette_visible());
    EXPECT_TRUE(h.watching());
    h.close_dialog();
    h.desktop.advance(50);
    EXPECT_TRUE(h.palette_visible());
    EXPECT_FALSE(h.watching());
}

TEST(PopupWatch, TheSwitchTurnsTheWatchOnAndOffWithoutMarkingAChange) {
    Watch h;
    auto& main = h.program.main;
    main.on_check_clicked(main_ui::Check2, 0);
    EXPECT_FALSE(h.watching());
    EXPECT_EQ(h.program.state.Popup_Hide, "0");
    main.on_check_clicked(main_ui::Check2, 1);
    EXPECT_TRUE(h.watching());
    EXPECT_EQ(h.program.state.Popup_Hide, "1");
    EXPECT_EQ(h.program.state.Set_Changed, 0);
    main.on_click(main_ui::Cmd_Min);
    EXPECT_FALSE(h.watching());
    main.on_activate();
    EXPECT_TRUE(h.watching());
}

TEST(PopupWatch, ModelerGoneEndsTheProgramAfterBothWordings) {
    Watch h;
    h.desktop.remove_window(h.modeler);
    EXPECT_FALSE(h.run([&] { h.desktop.advance(50); }));
    EXPECT_EQ(h.dialogs.texts(), (std::vector<std::string>{not_running, not_started}));
}

// Modeler gone while the watch hides the palette, and the user keeps the
// program (Cancel, or a save that failed): the palette comes back into view,
// the watch waits without a word and takes up its work when Modeler is back.
TEST(PopupWatch, KeptWithoutModelerThePaletteStaysInViewAndTheWatchWaitsForModeler) {
    for (bool failed_save : {false, true}) {
        Watch h;
        h.open_dialog();
        h.desktop.advance(50);
        ASSERT_FALSE(h.palette_visible());
        h.program.state.Set_Changed = 1;
        h.files.writes_fail = failed_save;
        h.dialogs.answers = {failed_save ? Answer::yes : Answer::cancel};
        h.desktop.remove_window(h.modeler);
        EXPECT_TRUE(h.run([&] { h.desktop.advance(500); })) << failed_save;
        const std::size_t told = h.dialogs.shown.size();
        EXPECT_EQ(h.dialogs.shown[0].text, not_running);
        EXPECT_TRUE(h.palette_visible());
        EXPECT_TRUE(h.watching());
        h.modeler = h.desktop.add_window("LightWave Modeler 5.6");
        h.desktop.at(h.modeler).active_popup = h.modeler;
        h.open_dialog();
        h.desktop.advance(50);
        EXPECT_FALSE(h.palette_visible()) << failed_save;
        EXPECT_EQ(h.dialogs.shown.size(), told) << "said once";
    }
}

TEST(PopupWatch, AFailedPopupQueryStopsTheWatchAndShowsTheHiddenPalette) {
    Watch h;
    h.open_dialog();
    h.desktop.advance(50);
    ASSERT_FALSE(h.palette_visible());
    h.desktop.failing_last_active_popup.insert(h.modeler);
    h.desktop.advance(50);
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{"予期せぬｴﾗｰが発生しました。LightWave3Dﾓﾃﾞﾗｰﾎﾟｯﾌﾟｱｯﾌﾟｳｨﾝﾄﾞｳの移動を中止します。(GetLastActivePopup)"});
    EXPECT_FALSE(h.watching());
    EXPECT_TRUE(h.palette_visible());
}

}  // namespace
}  // namespace tastrel
