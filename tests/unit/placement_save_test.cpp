// Capturing window positions and writing the settings file.
#include <gtest/gtest.h>

#include "modeler/placement.h"
#include "shell/main_controls.h"
#include "support/headless_host.h"
#include "support/settings_files.h"

namespace tastrel {
namespace {

using host::Answer;

struct Started : test::HeadlessHost {
    Started() { EXPECT_TRUE(start_with(test::valid_settings_lines())); }
    const std::string& file() { return files.files[settings_path()]; }
};

TEST(FormPosition, CapturesTheRestoredPlaceInTwips) {
    const struct {
        double tpp;
        int x, y;
        std::int16_t left, top;
        bool changed;
    } cases[] = {
        {15, 100, 50, 1500, 750, false}, {15, 101, 50, 1515, 750, true}, {15, -20, 50, 0, 750, true},
        {15, 100, -1, 1500, 0, true},    {15, 3000, 50, 32767, 750, true}, {12, 125, 50, 1500, 600, true},
    };
    for (const auto& c : cases) {
        Started h;
        h.desktop.tpp = c.tpp;
        auto& main = h.program.main;
        h.desktop.at(main.hWnd()).rect.left = c.x;
        h.desktop.at(main.hWnd()).rect.top = c.y;
        std::int16_t left = 1500, top = 750, changed = 0;
        Get_Form_Position({h.desktop, h.desktop, h.dialogs, changed}, main, left, top);
        EXPECT_EQ(left, c.left) << c.x;
        EXPECT_EQ(top, c.top) << c.y;
        EXPECT_EQ(changed, c.changed ? 1 : 0) << c.x << "," << c.y;
    }
}

TEST(FormPosition, AFailedPlacementQueryKeepsTheStoredPlace) {
    Started h;
    auto& main = h.program.main;
    h.desktop.failing_placement.insert(main.hWnd());
    std::int16_t left = 1500, top = 750, changed = 0;
    Get_Form_Position({h.desktop, h.desktop, h.dialogs, changed}, main, left, top);
    EXPECT_EQ(h.dialogs.texts(), std::vector<std::string>{"予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。"});
    EXPECT_EQ(left, 1500);
    EXPECT_EQ(changed, 0);
}

TEST(FormPosition, PixelGeometryRoundsTwipsThenTruncates) {
    EXPECT_EQ(twips_to_pixels(6172.5, 15), 411);
    EXPECT_EQ(twips_to_pixels(6179, 15), 411);
    EXPECT_EQ(twips_to_pixels(6180, 15), 412);
    EXPECT_EQ(twips_to_pixels(-300, 15), -20);
    EXPECT_EQ(twips_to_pixels(-310, 15), -20);
}

TEST(MenuSave, WritesTheLiveStateAndClearsTheChange) {
    Started h;
    auto& main = h.program.main;
    h.program.state.Btn_Cmd[0] = "%(,)";
    h.program.state.Btn_Name[0] = "表示ﾃﾝｷｰ";
    h.program.state.Set_Changed = 1;
    main.set_left(6180);
    main.set_top(2760);
    h.program.keypad.load();
    h.program.keypad.set_left(3975);
    h.program.keypad.set_top(4260);
    main.on_click(main_ui::Mnu_Set_Save);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.program.state.Set_Changed, 0);
    auto lines = test::valid_settings_lines();
    lines[2] = "cmd_%(!),name_表示ﾃﾝｷｰ";
    lines[26] = "Pos_X6180";
    lines[27] = "Pos_Y2760";
    lines[28] = "TPos_X3975";
    lines[29] = "TPos_Y4260";
    EXPECT_EQ(h.file(), *h.codec->to_ansi(test::join_lines(lines)));
    EXPECT_NE(h.file().find("\x95\x5c\x8e\xa6"), std::string::npos) << "表示 in Shift-JIS";

    EXPECT_FALSE(h.run([&] { main.on_close_request(); }));
    EXPECT_EQ(h.dialogs.shown.size(), 0u) << "nothing changed since the save: no question";
}

TEST(MenuSave, InTheEditorStoresThePalettesOwnPlace) {
    Started h;
    auto& main = h.program.main;
    h.program.state.Edit_Mode = 1;
    h.program.state.Palette_Left = 4500;
    h.program.state.Palette_Top = 900;
    main.set_left(300);
    main.on_click(main_ui::Mnu_Set_Save);
    EXPECT_NE(h.file().find("\r\nPos_X4500\r\nPos_Y900\r\n"), std::string::npos);
}

TEST(MenuSave, AClosedKeypadKeepsItsStoredPlaceAndStaysClosed) {
    Started h;  // the file closes the keypad at start-up, at 3000 / 1200
    h.program.main.on_click(main_ui::Mnu_Set_Save);
    EXPECT_FALSE(h.program.keypad.loaded());
    EXPECT_NE(h.file().find("\r\nTPos_X3000\r\nTPos_Y1200\r\n"), std::string::npos);
}

const char* const write_failed_prefix = "設定ﾃﾞｰﾀを保存できませんでした。";

TEST(FailedSave, KeepsTheOldFileTheChangesAndTheProgram) {
    Started h;
    auto& main = h.program.main;
    const std::string before = h.file();
    h.files.writes_fail = true;
    h.program.state.Btn_Name[0] = "Changed";
    h.program.state.Set_Changed = 1;

    main.on_click(main_ui::Mnu_Set_Save);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text.rfind(write_failed_prefix, 0), 0u);
    EXPECT_NE(h.dialogs.shown[0].text.find(h.settings_path()), std::string::npos);
    EXPECT_EQ(h.program.state.Set_Changed, 1);
    EXPECT_EQ(h.file(), before);

    h.dialogs.answers = {Answer::yes};
    EXPECT_TRUE(h.run([&] { main.on_close_request(); })) << "a failed save at exit keeps the program running";
    EXPECT_TRUE(main.loaded());
    EXPECT_EQ(h.program.state.Btn_Name[0], "Changed");

    h.files.writes_fail = false;
    h.dialogs.answers = {Answer::yes};
    EXPECT_FALSE(h.run([&] { main.on_close_request(); }));
    EXPECT_NE(h.file().find("name_Changed"), std::string::npos);
}

TEST(FailedSave, ACaptionTheCodePageCannotHoldIsNotWrittenAsQuestionMarks) {
    Started h;
    const std::string before = h.file();
    h.program.state.Btn_Name[0] = "한글";
    h.program.main.on_click(main_ui::Mnu_Set_Save);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("保存できない文字"), std::string::npos);
    EXPECT_EQ(h.file(), before);
}

}  // namespace
}  // namespace tastrel
