// Settings files beyond the start-up one, and the menu items that put the
// windows back in place.
#include <gtest/gtest.h>

#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using Lines = std::vector<std::string>;
using Texts = std::vector<std::string>;

const char* const save_question = "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。";
const char* const not_found = "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。";

// A valid file whose first caption says which file it is.
Lines file_named(const std::string& caption) {
    Lines lines = test::valid_settings_lines();
    lines[2] = "cmd_x,name_" + caption;
    return lines;
}

struct Started : test::HeadlessHost {
    Started() { started = start_with(file_named("one")); }
    std::string folder_file(const char* name) const { return app.folder + name; }
    void put(const std::string& path, const Lines& lines) { files.files[path] = test::join_lines(lines); }
    MainForm& main() { return program.main; }
    std::string first_caption() { return main().Command1[0]->caption(); }
    // A change in memory only: the first button's caption.
    void change_something() {
        program.state.Btn_Name[0] = "changed";
        program.state.Set_Changed = 1;
    }
    bool started = false;
};

TEST(Registrations, TheButtonGoesRoundTheThreeFiles) {
    Started h;
    ASSERT_TRUE(h.started);
    h.put(h.folder_file("\\lw_m_data_02.txt"), file_named("two"));
    h.put(h.folder_file("\\lw_m_data_03.txt"), file_named("three"));
    EXPECT_EQ(h.main().Cmd_Change.caption(), "登録01");
    const struct {
        const char* caption;
        const char* first;
    } steps[] = {{"登録02", "two"}, {"登録03", "three"}, {"登録01", "one"}};
    for (const auto& step : steps) {
        h.main().on_click(main_ui::Cmd_Change);
        EXPECT_EQ(h.main().Cmd_Change.caption(), step.caption);
        EXPECT_EQ(h.first_caption(), step.first);
        EXPECT_EQ(h.program.state.Set_Changed, 0);
    }
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Registrations, UnsavedChangesAreOfferedForSavingFirst) {
    const struct {
        host::Answer answer;
        bool switched, saved;
    } cases[] = {{host::Answer::yes, true, true}, {host::Answer::no, true, false}, {host::Answer::cancel, false, false}};
    for (const auto& c : cases) {
        Started h;
        ASSERT_TRUE(h.started);
        h.put(h.folder_file("\\lw_m_data_02.txt"), file_named("two"));
        h.change_something();
        h.dialogs.answers = {c.answer};
        h.main().on_click(main_ui::Cmd_Change);
        EXPECT_EQ(h.dialogs.texts(), Texts{save_question});
        EXPECT_EQ(h.main().Cmd_Change.caption(), c.switched ? "登録02" : "登録01");
        EXPECT_EQ(h.first_caption(), c.switched ? "two" : "one");
        if (!c.switched) continue;
        const Lines saved = test::split_lines(h.codec->from_ansi(h.files.files.at(h.folder_file("\\lw_m_data_01.txt"))));
        EXPECT_EQ(saved[2] == "cmd_x,name_changed", c.saved);
    }
}

TEST(Registrations, ANewRegistrationStartsFromTheBuiltInSettings) {
    Started h;
    ASSERT_TRUE(h.started);
    h.main().on_click(main_ui::Cmd_Change);
    EXPECT_EQ(h.dialogs.texts(), Texts{not_found});
    EXPECT_EQ(h.main().Cmd_Change.caption(), "登録02");
    EXPECT_EQ(h.first_caption(), "REDO");
    EXPECT_EQ(h.program.state.Set_Changed, 1) << "to be saved under its own name";
    h.main().on_click(main_ui::Mnu_Set_Save);
    EXPECT_EQ(h.files.files.count(h.folder_file("\\lw_m_data_02.txt")), 1u);
}

TEST(Registrations, AFileThatFailsTheCheckChangesNothing) {
    Lines damaged = file_named("bad");
    damaged[1] = "2";  // First_Start is no switch
    for (const bool from_menu : {false, true}) {
        Started h;
        ASSERT_TRUE(h.started);
        h.change_something();
        const std::string path = from_menu ? "D:\\Settings\\bad.txt" : h.folder_file("\\lw_m_data_02.txt");
        h.put(path, damaged);
        h.dialogs.chosen_files = {path};
        h.main().on_click(from_menu ? main_ui::Mnu_Set_Read : main_ui::Cmd_Change);
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << "no save question for a file that is not read";
        EXPECT_EQ(h.dialogs.shown[0].text,
                  "設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。設定は変更されていません。\n" + path);
        EXPECT_EQ(h.main().Cmd_Change.caption(), "登録01");
        EXPECT_EQ(h.program.state.Btn_Name[0], "changed");
        EXPECT_EQ(h.program.state.Set_Changed, 1);
    }
}

TEST(SettingsFiles, ACopySavedUnderAnotherNameReadsBackWhole) {
    Started h;
    ASSERT_TRUE(h.started);
    h.change_something();
    const std::string copy = "D:\\Settings\\mine.txt";
    h.dialogs.chosen_files = {copy, std::nullopt, copy};
    h.main().on_click(main_ui::Mnu_Set_Backup);
    EXPECT_EQ(h.dialogs.file_dialogs.back(), "save " + h.app.folder + " lw_m_data_01.txt");
    ASSERT_EQ(h.files.files.count(copy), 1u);
    EXPECT_EQ(h.program.state.Set_Changed, 1) << "the settings in use are still unsaved";
    EXPECT_EQ(h.main().Cmd_Change.caption(), "登録01");

    h.dialogs.answers = {host::Answer::no};
    h.main().on_click(main_ui::Mnu_init);
    h.main().on_click(main_ui::Mnu_Set_Read);  // cancelled
    EXPECT_EQ(h.first_caption(), "REDO");
    h.main().on_click(main_ui::Mnu_Set_Read);
    EXPECT_EQ(h.dialogs.file_dialogs.back(), "open " + h.app.folder);
    EXPECT_EQ(h.first_caption(), "changed");
    EXPECT_EQ(h.main().Cmd_Change.caption(), "ﾕｰｻﾞｰ");
    EXPECT_EQ(h.main().settings_path(), copy) << "the menu save now writes the file read";
}

TEST(SettingsFiles, ARegistrationChosenInTheOpenDialogIsThatRegistration) {
    Started h;
    ASSERT_TRUE(h.started);
    // The dialog gives the name as the directory holds it, in any letter case.
    h.put(h.folder_file("\\LW_M_DATA_03.TXT"), file_named("three"));
    h.dialogs.chosen_files = {h.folder_file("\\LW_M_DATA_03.TXT")};
    h.main().on_click(main_ui::Mnu_Set_Read);
    EXPECT_EQ(h.main().Cmd_Change.caption(), "登録03");
    EXPECT_EQ(h.program.state.Data_File, "\\lw_m_data_03.txt");
}

TEST(WindowPlaces, ThePaletteComesToTheMonitorUnderThePointer) {
    Started h;
    ASSERT_TRUE(h.started);
    h.desktop.monitors = {{0, 0, 1024, 768}, {1024, -200, 1280, 1024}};
    h.desktop.pointer = {1500, 300};
    MainForm& main = h.main();
    main.on_click(main_ui::Mnu_Frm_Pos);
    const double tpp = h.desktop.tpp;
    EXPECT_NEAR(main.left(), (1024 + (1280 - main.width() / tpp) / 2) * tpp, tpp);
    EXPECT_NEAR(main.top(), (-200 + (1024 - main.height() / tpp) / 2) * tpp, tpp);
    EXPECT_EQ(h.program.state.Set_Changed, 1);

    // The keypad goes to the palette's left, or to its right at a monitor's left edge.
    main.on_click(main_ui::Mnu_Tenkey_left);
    KeypadForm& keypad = h.program.keypad;
    EXPECT_TRUE(keypad.loaded());
    EXPECT_NEAR(keypad.left() + keypad.width(), main.left(), tpp);
    EXPECT_NEAR(keypad.top() + keypad.height() / 2, main.top() + main.height() / 2, tpp);
    main.set_left(1024 * tpp);
    main.on_click(main_ui::Mnu_Tenkey_left);
    EXPECT_NEAR(keypad.left(), main.left() + main.width(), tpp);
    EXPECT_EQ(h.program.state.Tenkey_Left, static_cast<std::int16_t>(keypad.left()));
}

TEST(WindowPlaces, InEditModeThePaletteKeepsItsPlaceForLaterAndTheKeypadStaysShut) {
    Started h;
    ASSERT_TRUE(h.started);
    MainForm& main = h.main();
    main.on_click(main_ui::Mnu_Set_Change);
    const double editor_left = main.left();
    h.desktop.pointer = {10, 10};
    main.on_click(main_ui::Mnu_Frm_Pos);
    EXPECT_EQ(main.left(), editor_left) << "the editor stays where it is";
    main.on_click(main_ui::Mnu_Tenkey_left);
    EXPECT_FALSE(h.program.keypad.loaded());
    EXPECT_EQ(h.dialogs.texts(), Texts{"ﾃﾝｷｰの変更はできません。また、設定中にﾃﾝｷｰは使用できません。"});
    main.on_click(main_ui::Command4);
    EXPECT_NEAR(main.left() + main.width() / 2, 1024 * h.desktop.tpp / 2, h.desktop.tpp);
}

}  // namespace
}  // namespace tastrel
