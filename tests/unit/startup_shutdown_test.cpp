// Start-up and shutdown of the whole program on the headless desktop.
#include <gtest/gtest.h>

#include "core/version.h"

#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using host::Answer;
using test::HeadlessHost;

const char* const no_file_msg = "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";
const char* const not_started_msg =
    "LightWave3Dﾓﾃﾞﾗｰが起動されておりません。LightWave3Dﾓﾃﾞﾗｰを起動後本ソフトを起動してください。";
const char* const save_question = "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。";

struct Started : HeadlessHost {
    explicit Started(std::vector<std::string> lines = test::valid_settings_lines(), bool modeler = true) {
        if (modeler) this->modeler = desktop.add_window("LightWave Modeler 5.6");
        files.files[settings_path()] = test::join_lines(lines);
    }
    host::WindowHandle modeler{};
};

std::vector<std::string> lines_with_keypad_at_start(const char* tenkey_start) {
    auto lines = test::valid_settings_lines();
    lines[32] = tenkey_start;
    return lines;
}

TEST(StartUp, WithoutASettingsFileTheDefaultsArePutInPlaceAfterOneMessage) {
    HeadlessHost h;
    h.desktop.add_window("LightWave Modeler 5.6");
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{no_file_msg});
    EXPECT_EQ(h.dialogs.shown[0].title, "Tastrel");
    EXPECT_EQ(h.program.state.Set_Changed, 1);
    EXPECT_TRUE(h.files.files.empty()) << "the file is written only when the user saves";
    const char* captions[24] = {"REDO", "UNDO", "Jitter", "Jump Points", "Smooth", "Unify Poly",
                                "Section Info", "Knife Tool", "Remove Poly", "Ball Tool", "Data Options",
                                "Lathe Tool", "Load Object", "Zoom Out", "Zoom In", "Motion P Ext",
                                "Make Polygon", "Load Object", "Magnet Tool", "Drop Current", "Hide Select",
                                "Unhide All", "Set Value", "ESC"};
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(h.main_text(i), captions[i]);
        EXPECT_EQ(h.main_tooltip(i), std::string(captions[i]) + "です。");
    }
    EXPECT_EQ(h.main_text(main_ui::Cmd_Change), "登録01");
    EXPECT_TRUE(h.program.main.visible());
    EXPECT_TRUE(h.program.keypad.loaded() && h.program.keypad.visible());
    EXPECT_EQ(h.program.main.Timer1.interval(), 50);
    EXPECT_TRUE(h.program.main.Timer1.enabled());
}

TEST(StartUp, ASecondInstanceOnlySaysSoAndEnds) {
    HeadlessHost h;
    h.app.other_instance_running = true;
    EXPECT_FALSE(h.start());
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "本ｿﾌﾄは複数起動できません。");
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_EQ(h.dialogs.shown[0].buttons, host::Buttons::ok);
    EXPECT_TRUE(h.files.files.empty());
    EXPECT_FALSE(h.program.keypad.loaded());
}

TEST(StartUp, TheKeypadStaysOpenOnlyWhenTheSwitchSaysSo) {
    Started on(lines_with_keypad_at_start("1"));
    ASSERT_TRUE(on.start());
    EXPECT_TRUE(on.program.keypad.loaded());
    EXPECT_EQ(on.program.main.Chk_Tenkey.value(), 1);

    Started off(lines_with_keypad_at_start("0"));
    ASSERT_TRUE(off.start());
    EXPECT_FALSE(off.program.keypad.loaded());
    EXPECT_TRUE(off.dialogs.shown.empty());
    EXPECT_EQ(off.desktop.activations, std::vector<std::string>{"LightWave Modeler 5.6"});
}

// The keypad's closing says once that Modeler is gone; the program ends then
// without a second word.
TEST(StartUp, WithoutModelerAClosedKeypadEndsTheProgramAndAnOpenOneDoesNot) {
    Started off(lines_with_keypad_at_start("0"), /*modeler=*/false);
    EXPECT_FALSE(off.start());
    EXPECT_EQ(off.dialogs.texts(), std::vector<std::string>{not_started_msg});

    Started on(lines_with_keypad_at_start("1"), /*modeler=*/false);
    EXPECT_TRUE(on.start());
    EXPECT_TRUE(on.dialogs.shown.empty());
}

TEST(StartUp, ThePopupWatchRunsOnlyWithItsSwitch) {
    auto lines = test::valid_settings_lines();
    lines[30] = "0";  // Popup_Hide
    Started h(lines);
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.program.main.Check2.value(), 0);
    EXPECT_FALSE(h.program.main.Timer1.enabled());
    h.program.main.on_click(main_ui::Cmd_Min);
    h.program.main.set_window_state(host::WindowState::normal);
    EXPECT_FALSE(h.program.main.Timer1.enabled()) << "restoring does not start a watch that is off";
}

TEST(Minimise, StopsThePopupWatchAndActivationRestores) {
    Started h;
    ASSERT_TRUE(h.start());
    auto& main = h.program.main;
    main.on_check_clicked(main_ui::Check2, 1);
    EXPECT_TRUE(main.Timer1.enabled());
    main.on_click(main_ui::Cmd_Min);
    EXPECT_EQ(main.window_state(), host::WindowState::minimized);
    EXPECT_FALSE(main.Timer1.enabled());
    main.on_activate();
    EXPECT_EQ(main.window_state(), host::WindowState::normal);
    EXPECT_TRUE(main.Timer1.enabled());
}

TEST(Shutdown, UnchangedSettingsCloseWithoutAQuestionAndHandTheFocusToModeler) {
    Started h;
    ASSERT_TRUE(h.start());
    h.program.main.on_click(main_ui::Mnu_Tenkey);
    // The windows stand where the file put them, so nothing counts as moved.
    EXPECT_FALSE(h.run([&] { h.program.main.on_close_request(); }));
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.desktop.foreground, h.modeler);
    EXPECT_EQ(h.files.files[h.settings_path()], test::join_lines(test::valid_settings_lines()));
}

TEST(Shutdown, TheSaveQuestionDecidesWhatHappens) {
    const struct {
        Answer answer;
        bool keeps_running;
        bool writes;
    } cases[] = {{Answer::yes, false, true}, {Answer::no, false, false}, {Answer::cancel, true, false}};
    for (const auto& c : cases) {
        for (int via_menu = 0; via_menu < 2; ++via_menu) {
            Started h;
            ASSERT_TRUE(h.start());
            h.program.main.set_left(7500);  // a moved palette is a change
            h.dialogs.answers = {c.answer};
            bool running = h.run([&] {
                if (via_menu) h.program.main.on_click(main_ui::mnu_end);
                else h.program.main.on_close_request();
            });
            EXPECT_EQ(running, c.keeps_running) << int(c.answer) << via_menu;
            ASSERT_EQ(h.dialogs.shown.size(), 1u);
            EXPECT_EQ(h.dialogs.shown[0].text, save_question);
            EXPECT_EQ(h.dialogs.shown[0].buttons, host::Buttons::yes_no_cancel);
            const std::string& file = h.files.files[h.settings_path()];
            EXPECT_EQ(file.find("Pos_X7500\r\n") != std::string::npos, c.writes);
            if (c.keeps_running) {
                EXPECT_TRUE(h.program.main.loaded());
                EXPECT_EQ(h.program.main.Unload_Cancel, 0);
                h.dialogs.answers = {Answer::cancel};
                h.program.main.on_close_request();
                EXPECT_EQ(h.dialogs.shown.size(), 2u) << "a second close asks again";
            }
        }
    }
}

TEST(Shutdown, WithoutModelerTheMessageIsShownAndTheProgramEnds) {
    Started h;
    ASSERT_TRUE(h.start());
    h.program.keypad.unload();
    h.desktop.remove_window(h.modeler);
    EXPECT_FALSE(h.run([&] { h.program.main.on_close_request(); }));
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{not_started_msg});
}

// Closed by its menu item or its close box, the keypad that finds Modeler
// gone closes the program through the palette's own close: unsaved changes
// are asked about first, and Cancel keeps the program, palette in view.
TEST(Shutdown, ClosingTheKeypadWithoutModelerAsksToSaveFirst) {
    const struct {
        Answer answer;
        bool keeps_running, writes;
    } cases[] = {{Answer::yes, false, true}, {Answer::no, false, false}, {Answer::cancel, true, false}};
    for (const auto& c : cases) {
        for (bool menu : {true, false}) {
            Started h;
            ASSERT_TRUE(h.start());
            auto& main = h.program.main;
            main.on_click(main_ui::Mnu_Tenkey);
            main.set_left(7500);  // a moved palette is a change
            h.desktop.remove_window(h.modeler);
            h.dialogs.answers = {c.answer};
            EXPECT_EQ(h.run([&] {
                if (menu) main.on_click(main_ui::Mnu_Tenkey_Off);
                else h.program.keypad.on_close_request();
            }), c.keeps_running) << int(c.answer) << menu;
            EXPECT_EQ(h.dialogs.texts(), (std::vector<std::string>{not_started_msg, save_question})) << menu;
            EXPECT_EQ(h.files.files[h.settings_path()].find("Pos_X7500\r\n") != std::string::npos, c.writes);
            EXPECT_FALSE(h.program.keypad.loaded());
            EXPECT_TRUE(!c.keeps_running || main.visible());
        }
    }
}

// Windows ending the session closes the program as the close box does:
// Yes saves, No does not, Cancel refuses the end and the program goes on.
// When the session ends, the program ends and writes nothing more.
TEST(Shutdown, TheEndOfTheSessionAsksToSaveAndMayBeRefused) {
    const struct {
        const char* what;
        bool changed;
        Answer answer;
        bool session_may_end, writes;
    } cases[] = {{"unchanged", false, Answer::yes, true, false},
                 {"yes", true, Answer::yes, true, true},
                 {"no", true, Answer::no, true, false},
                 {"cancel", true, Answer::cancel, false, false}};
    for (const auto& c : cases) {
        Started h;
        ASSERT_TRUE(h.start());
        if (c.changed) h.program.main.set_left(7500);  // a moved palette is a change
        h.dialogs.answers = {c.answer};
        host::FormEvents& palette = h.program.main;
        EXPECT_EQ(palette.on_session_ending(), c.session_may_end) << c.what;
        EXPECT_EQ(h.dialogs.texts().size(), c.changed ? 1u : 0u) << c.what;
        const std::string written = h.files.files[h.settings_path()];
        EXPECT_EQ(written.find("Pos_X7500\r\n") != std::string::npos, c.writes) << c.what;
        // Another program refused the end: Tastrel goes on and asks again at its close.
        palette.on_session_end(false);
        EXPECT_TRUE(h.program.main.loaded()) << c.what;
        EXPECT_EQ(h.program.state.Set_Changed, c.changed && !c.writes ? 1 : 0) << c.what;
        EXPECT_FALSE(h.run([&] { palette.on_session_end(true); })) << c.what;
        EXPECT_EQ(h.files.files[h.settings_path()], written) << c.what;
    }
}

TEST(About, ShowsTheVersion) {
    Started h;
    ASSERT_TRUE(h.start());
    h.program.main.on_click(main_ui::Mnu_About);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find(version_text), std::string::npos);
}

}  // namespace
}  // namespace tastrel
