// Start-up and shutdown of the real program under Wine, beside the stand-in.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "driver.h"
#include "running.h"
#include "shell/main_controls.h"
#include "support/settings_files.h"

namespace {

using namespace e2e;

const std::vector<std::string> default_captions{
    "REDO",       "UNDO",      "Jitter",       "Jump Points",  "Smooth",       "Unify Poly",
    "Section Info", "Knife Tool", "Remove Poly", "Ball Tool",   "Data Options", "Lathe Tool",
    "Load Object", "Zoom Out",  "Zoom In",      "Motion P Ext", "Make Polygon", "Load Object",
    "Magnet Tool", "Drop Current", "Hide Select", "Unhide All", "Set Value",    "ESC"};

std::vector<std::string> palette_captions(HWND palette) {
    std::vector<std::string> texts = button_texts(palette);
    texts.resize(24);
    return texts;
}

// Closes the program with the close box, answering a save question if one comes.
void close_program(const Process& program, HWND palette, int answer_to_question = IDNO) {
    PostMessageW(palette, WM_CLOSE, 0, 0);
    if (auto box = wait_message_box(program.id(), 1500)) answer(*box, answer_to_question);
    EXPECT_TRUE(program.exited_within(10000));
}

struct Start {
    explicit Start(std::string_view name, const std::vector<std::string>& lines = {}) : sandbox(name) {
        if (!lines.empty()) sandbox.write_settings(lines);
    }
    Sandbox sandbox;
    StandIn modeler;
    Process program{sandbox.exe(), L"", sandbox.folder()};
};

std::vector<std::string> keypad_at_start(const char* on) {
    auto lines = tastrel::test::valid_settings_lines();
    lines[32] = on;
    return lines;
}

TEST(StartUp, WithoutSettingsTheDefaultsAreLaidOutAndSavedOnYes) {
    Start run("no-settings");
    const auto box = wait_message_box(run.program.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
    EXPECT_EQ(box->title, "Tastrel");
    answer(*box, IDOK);

    const HWND palette = wait_form(run.program.id(), L"Tastrel");
    const HWND keypad = wait_form(run.program.id(), L"Tenkey");
    ASSERT_TRUE(palette && keypad);
    EXPECT_EQ(palette_captions(palette), default_captions);
    EXPECT_TRUE(find_child(palette, "登録01"));
    EXPECT_FALSE(wait_message_box(run.program.id(), 300)) << "one message only";

    // The first start centres the palette on the real screen, the keypad at its left.
    HDC screen = GetDC(nullptr);
    const int tpp = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT p{}, k{};
    GetWindowRect(palette, &p);
    GetWindowRect(keypad, &k);
    const double pos_x = (GetSystemMetrics(SM_CXSCREEN) - (p.right - p.left)) * tpp / 2.0;
    const double pos_y = (GetSystemMetrics(SM_CYSCREEN) - (p.bottom - p.top)) * tpp / 2.0;
    const double tpos_x = pos_x - (k.right - k.left) * tpp;
    // Positions are whole twips (halves to even), placed at the nearest pixel.
    auto pixel = [tpp](double twips) { return static_cast<int>(std::nearbyint(std::nearbyint(twips) / tpp)); };
    EXPECT_EQ(p.left, pixel(pos_x));
    EXPECT_EQ(p.top, pixel(pos_y));
    EXPECT_EQ(k.left, pixel(tpos_x));

    save_screenshot(palette, "palette");
    save_screenshot(keypad, "keypad");
    // The editor lies to the right of the palette: widen the window to see it.
    SetWindowPos(palette, nullptr, 0, 0, (p.right - p.left) * 33 / 10, p.bottom - p.top, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(300);
    save_screenshot(palette, "main-widened");
    SetWindowPos(palette, nullptr, 0, 0, p.right - p.left, p.bottom - p.top, SWP_NOMOVE | SWP_NOZORDER);

    PostMessageW(palette, WM_CLOSE, 0, 0);
    const auto question = wait_message_box(run.program.id());
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。");
    answer(*question, IDYES);
    ASSERT_TRUE(run.program.exited_within(10000));
    EXPECT_EQ(GetForegroundWindow(), run.modeler.window()) << "the focus goes back to Modeler";

    const auto lines = run.sandbox.settings_lines();
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "lw_modeler_setting_01");
    EXPECT_EQ(lines[1], "1");
    EXPECT_EQ(lines[2], "cmd_U,name_REDO");
    EXPECT_EQ(lines[15], "cmd_!,name_Zoom Out");
    EXPECT_EQ(lines[25], "cmd_{ESC},name_ESC");
    // The stored places put the windows where they stand: the whole twips of
    // the first layout are kept while they fall on the same pixel.
    const auto stored = [&](std::size_t line, std::size_t prefix) { return pixel(std::stod(lines[line].substr(prefix))); };
    EXPECT_EQ(stored(26, 5), p.left) << lines[26];
    EXPECT_EQ(stored(27, 5), p.top) << lines[27];
    EXPECT_EQ(stored(28, 6), std::max(0L, k.left)) << lines[28];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 30, lines.end()),
              (std::vector<std::string>{"1", "0", "1", "end"}));
}

TEST(StartUp, ADamagedFileGivesOneMessageThenTheDefaults) {
    auto lines = tastrel::test::valid_settings_lines();
    lines[1] = "2";
    Start run("damaged", lines);
    const std::optional<std::string> before = run.sandbox.settings_bytes();
    const auto box = wait_message_box(run.program.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "手前にﾁｪｯｸ設定に不正が見つかりましたのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
    answer(*box, IDOK);
    const HWND palette = wait_form(run.program.id(), L"Tastrel");
    ASSERT_TRUE(palette);
    EXPECT_FALSE(wait_message_box(run.program.id(), 500)) << "one message only";
    EXPECT_EQ(palette_captions(palette), default_captions);
    close_program(run.program, palette, IDNO);
    EXPECT_EQ(run.sandbox.settings_bytes(), before) << "No leaves the damaged file as it was";
}

TEST(StartUp, ASecondInstanceSaysSoAndLeavesTheFirstRunning) {
    Start run("second", tastrel::test::valid_settings_lines());
    const HWND palette = wait_form(run.program.id(), L"Tastrel");
    ASSERT_TRUE(palette);
    Process second(run.sandbox.exe(), L"", run.sandbox.folder());
    const auto box = wait_message_box(second.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "警告");
    EXPECT_EQ(box->text, "本ｿﾌﾄは複数起動できません。");
    answer(*box, IDOK);
    EXPECT_TRUE(second.exited_within(5000));
    EXPECT_TRUE(IsWindow(palette));
    EXPECT_FALSE(run.program.exited_within(0));
    close_program(run.program, palette);
}

TEST(StartUp, TheKeypadOpensOnlyWhenTheFileSaysSo) {
    for (const char* on : {"1", "0"}) {
        Start run(std::string("keypad-") + on, keypad_at_start(on));
        const HWND palette = wait_form(run.program.id(), L"Tastrel");
        ASSERT_TRUE(palette);
        EXPECT_EQ(wait_form(run.program.id(), L"Tenkey", 1000) != nullptr, std::string(on) == "1") << on;
        EXPECT_FALSE(wait_message_box(run.program.id(), 200));
        close_program(run.program, palette);
    }
}

TEST(Menu, ResetPutsTheDefaultCaptionsOnThePalette) {
    Start run("reset", tastrel::test::valid_settings_lines());
    const HWND palette = wait_form(run.program.id(), L"Tastrel");
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette_captions(palette)[0], "B0");
    post_command(palette, tastrel::main_ui::Mnu_init);
    ASSERT_TRUE(wait_form(run.program.id(), L"Tenkey")) << "the defaults open the keypad";
    EXPECT_TRUE(wait_until([&] { return palette_captions(palette) == default_captions; }));
    EXPECT_FALSE(wait_message_box(run.program.id(), 300));
    close_program(run.program, palette, IDNO);
}

}  // namespace

namespace {

// Windows ending the session: the palette asks to save as at its close;
// Cancel refuses the end, Yes saves, No does not; when the session then
// ends, the program ends and writes nothing more.
TEST(Shutdown, TheEndOfTheSessionAsksToSaveAndCancelRefusesIt) {
    StandIn modeler;
    for (const int reply : {IDCANCEL, IDYES, IDNO}) {
        Running run("session-end-" + std::to_string(reply));
        ASSERT_TRUE(run.palette);
        SetWindowPos(run.palette, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        LRESULT may_end = -1;
        std::thread windows([&] { may_end = SendMessageW(run.palette, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF); });
        const auto box = wait_message_box(run.program->id());
        if (box) answer(*box, reply);
        windows.join();
        ASSERT_TRUE(box) << reply;
        EXPECT_EQ(box->text, "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。");
        EXPECT_EQ(may_end != 0, reply != IDCANCEL) << reply;
        const auto lines = run.sandbox.settings_lines();
        ASSERT_EQ(lines.size(), 34u);
        EXPECT_EQ(lines[26], reply == IDYES ? "Pos_X4500" : "Pos_X5280") << reply;
        if (reply == IDCANCEL) {
            EXPECT_FALSE(run.program->exited_within(300));
            continue;  // still running: closed at the end of the scope
        }
        const auto bytes = run.sandbox.settings_bytes();
        PostMessageW(run.palette, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_TRUE(run.program->exited_within(5000)) << reply;
        EXPECT_EQ(run.sandbox.settings_bytes(), bytes) << reply;
        run.palette = nullptr;
    }
}

}  // namespace
