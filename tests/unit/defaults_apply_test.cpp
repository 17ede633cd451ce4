// The built-in settings, the reset, and carrying settings into the windows.
#include <gtest/gtest.h>

#include "settings/defaults.h"
#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using test::HeadlessHost;

TEST(DefaultPositions, CentreThePaletteWithTheKeypadAtItsLeft) {
    const struct {
        LayoutMeasures m;
        const char *x, *y, *tx, *ty;
    } cases[] = {
        {{15360, 11520, 3000, 6000, 2205, 3000}, "Pos_X6180", "Pos_Y2760", "TPos_X3975", "TPos_Y4260"},
        {{15360, 11520, 3015, 6001, 2205, 3001}, "Pos_X6172.5", "Pos_Y2759.5", "TPos_X3967.5", "TPos_Y4259.5"},
        {{9000, 6000, 3000, 6000, 3300, 3000}, "Pos_X3000", "Pos_Y0", "TPos_X-300", "TPos_Y1500"},
    };
    for (const auto& c : cases) {
        SharedState s;
        put_default_positions(s, c.m);
        EXPECT_EQ(s.Set_Pos_X, c.x);
        EXPECT_EQ(s.Set_Pos_Y, c.y);
        EXPECT_EQ(s.Set_TPos_X, c.tx);
        EXPECT_EQ(s.Set_TPos_Y, c.ty);
    }
}

struct Started : HeadlessHost {
    explicit Started(std::vector<std::string> lines = test::valid_settings_lines()) : lines(std::move(lines)) {}
    void start_ok() { ASSERT_TRUE(start_with(lines)); }
    std::vector<std::string> lines;
};

TEST(FirstStart, LaysTheWindowsOutFromTheRealScreenAndWindowSizes) {
    Started h(std::vector<std::string>{});
    h.start_ok();
    const SharedState& s = h.program.state;
    // 1024 x 768 pixels at 15 twips; palette 1695 x 5400 and keypad 1425 x 3135 twips.
    EXPECT_EQ(s.Set_Pos_X, "Pos_X6832.5");
    EXPECT_EQ(s.Set_Pos_Y, "Pos_Y3060");
    EXPECT_EQ(s.Set_TPos_X, "TPos_X5407.5");
    EXPECT_EQ(s.Set_TPos_Y, "TPos_Y4192.5");
    EXPECT_EQ(s.First_Start, "0");
    EXPECT_EQ(s.Main_Left, 6832);  // halves to even
    EXPECT_EQ(s.Tenkey_Left, 5408);
    EXPECT_EQ(s.Tenkey_Top, 4192);
    EXPECT_EQ(h.program.main.left(), 455 * 15);  // whole pixels
    EXPECT_EQ(h.program.keypad.left(), 361 * 15);
    EXPECT_EQ(h.program.keypad.top(), 279 * 15);
}

TEST(Apply, ReadsPositionsLenientlyRoundingHalvesToEvenAndClamping) {
    const struct {
        const char* line;
        std::int16_t left;
    } cases[] = {{"Pos_X4327.5", 4328}, {"Pos_X4326.5", 4326}, {"Pos_Xabc", 0}, {"Pos_X", 0},
                 {"Pos_X 1 500", 1500}, {"Pos_X99999", 32767}, {"Pos_X-40000", -32768}};
    for (const auto& c : cases) {
        auto lines = test::valid_settings_lines();
        lines[26] = c.line;
        Started h(lines);
        h.start_ok();
        EXPECT_EQ(h.program.state.Main_Left, c.left) << c.line;
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

TEST(Apply, ShowsCaptionsWithALoneAmpersandDoubledAndTooltips) {
    auto lines = test::valid_settings_lines();
    lines[2] = "cmd_{ESC},name_&";
    lines[3] = "cmd_^(V),name_";
    lines[4] = "cmd_ ,name_A&B";
    Started h(lines);
    h.start_ok();
    EXPECT_EQ(h.main_text(0), "&&");
    EXPECT_EQ(h.main_tooltip(0), "&です。");
    EXPECT_EQ(h.main_text(1), "");
    EXPECT_EQ(h.main_tooltip(1), "です。");
    EXPECT_EQ(h.main_text(2), "A&B");
    EXPECT_EQ(h.program.state.Btn_Cmd[0], "{ESC}");
    EXPECT_EQ(h.program.state.Btn_Cmd[1], "^(V)");
    EXPECT_EQ(h.program.state.Btn_Cmd[2], " ");
}

TEST(Apply, LabelsTheRegistrationButtonByTheSettingsFile) {
    const struct {
        const char *file, *caption;
    } cases[] = {{"\\lw_m_data_01.txt", "登録01"},
                 {"\\lw_m_data_02.txt", "登録02"},
                 {"\\lw_m_data_03.txt", "登録03"},
                 {"\\LW_M_DATA_01.TXT", "ﾕｰｻﾞｰ"},
                 {"\\mine.txt", "ﾕｰｻﾞｰ"}};
    Started h;
    h.start_ok();
    for (const auto& c : cases) {
        h.program.state.Data_File = c.file;
        h.program.main.Set_Button_Caption();
        EXPECT_EQ(h.main_text(main_ui::Cmd_Change), c.caption);
    }
}

TEST(Apply, PutsBothWindowsInOrOutOfTheTopmostBand) {
    for (const char* top_most : {"1", "0"}) {
        auto lines = test::valid_settings_lines();
        lines[1] = top_most;
        lines[32] = "1";
        Started h(lines);
        h.start_ok();
        const bool expected = std::string(top_most) == "1";
        EXPECT_EQ(h.desktop.at(h.program.main.hWnd()).topmost, expected);
        EXPECT_EQ(h.desktop.at(h.program.keypad.hWnd()).topmost, expected);
        EXPECT_EQ(h.program.main.Check1.value(), expected ? 1 : 0);
        EXPECT_EQ(h.program.state.Set_Changed, 0) << "applying a stored switch is no change";
    }
}

TEST(Apply, AFailedTopmostCallStopsBeforeSwitchesAndPositions) {
    const struct {
        bool keypad_fails;
        const char* message;
    } cases[] = {{true, "予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)"},
                 {false, "予期せぬｴﾗｰが発生しました。全面表示を中止します。"}};
    for (const auto& c : cases) {
        Started h;
        h.start_ok();
        auto& main = h.program.main;
        h.program.state.Set_Pos_X = "Pos_X300";
        h.desktop.failing_set_window_pos.insert(c.keypad_fails ? h.program.keypad.hWnd() : main.hWnd());
        main.Apply_Setting_Data();
        EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(h.program.state.Main_Left, 5280) << "positions are not applied";
        EXPECT_EQ(h.program.state.Btn_Name[3], "B3") << "captions are";
    }
}

TEST(AlwaysInFront, TheSwitchOpensTheKeypadAndRecordsAChange) {
    Started h;  // Top_Most "0", keypad closed at start
    h.start_ok();
    auto& main = h.program.main;
    ASSERT_FALSE(h.program.keypad.loaded());
    main.on_check_clicked(main_ui::Check1, 1);
    EXPECT_TRUE(h.program.keypad.loaded());
    EXPECT_TRUE(h.desktop.at(h.program.keypad.hWnd()).topmost);
    EXPECT_TRUE(h.desktop.at(main.hWnd()).topmost);
    EXPECT_EQ(h.program.state.Top_Most, "1");
    EXPECT_EQ(h.program.state.Set_Changed, 1);

    // Off again: both windows leave the band and the switch is stored as off.
    h.program.state.Set_Changed = 0;
    main.on_check_clicked(main_ui::Check1, 0);
    EXPECT_FALSE(h.desktop.at(h.program.keypad.hWnd()).topmost);
    EXPECT_FALSE(h.desktop.at(main.hWnd()).topmost);
    EXPECT_EQ(h.program.state.Top_Most, "0");
    EXPECT_EQ(h.program.state.Set_Changed, 1);
    main.on_check_clicked(main_ui::Check1, 1);

    h.desktop.failing_set_window_pos.insert(main.hWnd());
    main.on_check_clicked(main_ui::Check1, 0);
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{"予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾒｲﾝﾌｫｰﾑ)"});
    EXPECT_EQ(h.program.state.Top_Most, "1") << "the stored switch stays when the window does not follow";
}

TEST(Reset, PutsTheDefaultsInPlaceAndMarksThemUnsaved) {
    Started h;
    h.start_ok();
    h.program.main.on_click(main_ui::Mnu_init);
    const SharedState& s = h.program.state;
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(s.Set_Changed, 1);
    EXPECT_EQ(h.main_text(12), "Load Object");
    EXPECT_EQ(h.main_text(17), "Load Object");
    EXPECT_EQ(s.Btn_Cmd[22], "^(V)");
    EXPECT_EQ(s.Set_Pos_X, "Pos_X6832.5");
    EXPECT_TRUE(h.program.keypad.loaded()) << "the default switch opens the keypad";
    EXPECT_EQ(h.main_text(main_ui::Cmd_Change), "登録01");
    EXPECT_EQ(h.files.files[h.settings_path()], test::join_lines(test::valid_settings_lines()));
}

TEST(Reset, FromTheEditorMeasuresThePalettesOwnWidth) {
    Started h;
    h.start_ok();
    auto& main = h.program.main;
    SharedState& s = h.program.state;
    s.Palette_Width = static_cast<std::int16_t>(main.width());
    s.Palette_Left = 5280;
    s.Palette_Top = 1500;
    s.Edit_Mode = 1;
    s.Tenkey_Show = "1";
    main.set_width(5583);
    main.Text1.set_text("Mine");
    main.on_click(main_ui::Mnu_init);
    EXPECT_EQ(s.Edit_Mode, 0);
    EXPECT_EQ(main.width(), 1695);
    EXPECT_EQ(s.Set_Pos_X, "Pos_X6832.5");
    EXPECT_EQ(main.Text1.text(), "Default");
    EXPECT_EQ(main.Btn_Index, 99);
}

}  // namespace
}  // namespace tastrel
