// Capturing window positions and writing the settings file.
#include <gtest/gtest.h>

#include "host/twips.h"
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
        // Where a pixel is no whole number of twips, a window where the held
        // values put it has not moved.
        {7.5, 200, 100, 1500, 750, false}, {1440.0 / 168, 175, 88, 1500, 750, false},
        {1440.0 / 168, 176, 88, 1509, 750, true},
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

// 100, 125, 150, 175, 200 and 250 %.
constexpr int scales_dpi[] = {96, 120, 144, 168, 192, 240};

TEST(Conversions, APlaceComesBackToTheSamePixelAtEveryScale) {
    for (int dpi : scales_dpi) {
        const double factor = 1440.0 / dpi;
        for (int pixels : {-20, 0, 1, 3, 411, 1919})
            EXPECT_EQ(twips_to_pixels(pixels_to_twips(pixels, factor), factor), pixels) << dpi << " dpi, " << pixels;
    }
    const struct {
        double twips, factor;
        int pixels;
    } places[] = {{5280, 7.5, 704}, {5283, 15, 352}, {6172.5, 15, 412}, {6157.5, 15, 410}, {-310, 15, -21}};
    for (const auto& p : places) EXPECT_EQ(twips_to_pixels(p.twips, p.factor), p.pixels) << p.twips;
    EXPECT_EQ(pixels_to_twips(3, 7.5), 22) << "22.5 twips, halves to even";
    EXPECT_EQ(pixels_to_twips(5000, 15), 32767) << "a 16-bit place";
}

// Started at a scale, the windows keep their sizes through every SetWindowPos
// (start-up, the topmost switch, the keypad opened again), and an exit
// without a change asks nothing and writes nothing.
TEST(Conversions, AStartAndAnExitAtAnyScaleAskNothingAndKeepTheFile) {
    for (int dpi : scales_dpi) {
        test::HeadlessHost h;
        h.desktop.tpp = 1440.0 / dpi;
        h.desktop.screen_width_px = h.desktop.monitors[0].width = 1024 * dpi / 96;
        auto lines = test::valid_settings_lines();
        lines[1] = "1";             // topmost
        lines[26] = "Pos_X5283";    // no whole number of pixels at any scale
        lines[32] = "1";            // the keypad open
        ASSERT_TRUE(h.start_with(lines)) << dpi;
        auto& main = h.program.main;
        auto size_of = [&](host::Form& form) {
            const host::PixelRect r = h.desktop.at(form.hWnd()).rect;
            return std::pair(r.width, r.height);
        };
        const auto design = [&](const host::TwipsRect& t) {
            return std::pair(host::twips_to_nearest_pixels(t.width, h.desktop.tpp),
                             host::twips_to_nearest_pixels(t.height, h.desktop.tpp));
        };
        EXPECT_EQ(size_of(main), design(h.desktop.main_design)) << dpi;
        EXPECT_EQ(size_of(h.program.keypad), design(h.desktop.keypad_design)) << dpi;
        main.on_click(main_ui::Mnu_Tenkey_Off);
        main.on_click(main_ui::Mnu_Tenkey);
        EXPECT_EQ(size_of(h.program.keypad), design(h.desktop.keypad_design)) << dpi;
        main.on_check_clicked(main_ui::Check1, 0);
        main.on_check_clicked(main_ui::Check1, 1);
        EXPECT_EQ(size_of(main), design(h.desktop.main_design)) << dpi;
        h.program.state.Set_Changed = 0;  // the switch went back and forth
        EXPECT_FALSE(h.run([&] { main.on_close_request(); })) << dpi;
        EXPECT_TRUE(h.dialogs.shown.empty()) << dpi;
        EXPECT_EQ(h.files.files[h.settings_path()], test::join_lines(lines)) << dpi;
    }
}

// A window on a 150 % monitor beside a 100 % main display measures its size
// at its own monitor's resolution: SetWindowPos must not shrink it.
TEST(Conversions, OnAMonitorOfItsOwnScaleAWindowKeepsItsSize) {
    test::HeadlessHost h;
    h.desktop.monitors = {{0, 0, 1024, 768}, {1024, 0, 1536, 1152}};
    h.desktop.monitor_tpp = {15, 10};
    auto lines = test::valid_settings_lines();
    lines[26] = "Pos_X16860";   // pixel 1124, on the second monitor
    lines[28] = "TPos_X16000";  // pixel 1067
    lines[32] = "1";
    ASSERT_TRUE(h.start_with(lines));
    auto& keypad = h.program.keypad;
    const host::PixelRect before = h.desktop.at(keypad.hWnd()).rect;
    h.program.main.on_click(main_ui::Mnu_Tenkey_Off);
    h.program.main.on_click(main_ui::Mnu_Tenkey);
    const host::PixelRect after = h.desktop.at(keypad.hWnd()).rect;
    EXPECT_EQ(std::pair(after.width, after.height), std::pair(before.width, before.height));
    EXPECT_EQ(after.left, 1067);
    EXPECT_FALSE(h.run([&] { h.program.main.on_close_request(); }));
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.files.files[h.settings_path()], test::join_lines(lines));
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
