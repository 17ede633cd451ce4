// Message boxes of the real program under Wine: at the first start, at a
// second start, above the always-in-front windows, at the end of a Windows session.
#include <gtest/gtest.h>

#include <thread>

#include "driver.h"

namespace {

using namespace e2e;

bool above(HWND upper, HWND lower) {
    HWND window = GetTopWindow(nullptr);
    while (window != nullptr && window != upper && window != lower) window = GetWindow(window, GW_HWNDNEXT);
    return window == upper;
}

// The built-in settings put the palette and the keypad always in front; with
// the palette active, the question at the end holds both off and comes above them.
TEST(Messages, AFirstStartLaysOutTheDefaultsRefusesASecondStartAndSavesOnYes) {
    const StandIn modeler;
    const Sandbox sandbox("messages-first-start");
    const Process program(sandbox.exe(), L"", sandbox.folder());
    EXPECT_EQ(answer_next_box(program.id(), IDOK), "Tastrel: ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
    const HWND palette = wait_window(program.id(), L"Tastrel.Form", L"Tastrel"), keypad = wait_window(program.id(), L"Tastrel.Form", L"Tenkey");
    EXPECT_TRUE(find_child(palette, "REDO") && find_child(palette, "ESC") && keypad);

    const Process second(sandbox.exe(), L"", sandbox.folder());
    EXPECT_EQ(answer_next_box(second.id(), IDOK), "警告: 本ｿﾌﾄは複数起動できません。");
    EXPECT_TRUE(second.exited_within(5000));
    EXPECT_FALSE(wait_message_box(program.id(), 300)) << "one message only";

    ASSERT_TRUE(bring_to_front(palette));
    PostMessageW(palette, WM_CLOSE, 0, 0);
    const auto box = wait_message_box(program.id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。");
    EXPECT_TRUE(above(box->window, palette) && above(box->window, keypad));
    EXPECT_FALSE(IsWindowEnabled(palette) || IsWindowEnabled(keypad));
    answer(*box, IDYES);
    ASSERT_TRUE(program.exited_within(10000));
    const std::vector<std::string> lines = default_file();  // its 24 built-in assignments saved
    EXPECT_NE(sandbox.settings_bytes().find(file_text({lines.begin() + 2, lines.begin() + 26})), std::string::npos);
}

// A settings file another program holds open without sharing: the user is
// told, the program runs on its built-in settings, and the end asks nothing
// and leaves the file as it was.
TEST(Messages, ASettingsFileHeldOpenByAnotherProgramIsToldOfAndLeftAlone) {
    const StandIn modeler;
    const Sandbox sandbox("messages-held-file", default_file());
    const std::string file = sandbox.settings_bytes();
    const HANDLE held = CreateFileW(sandbox.settings_path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Process program(sandbox.exe(), L"", sandbox.folder());
    EXPECT_EQ(answer_next_box(program.id(), IDOK),
              "Tastrel: 設定ﾃﾞｰﾀを読み込めませんでした。他のﾌﾟﾛｸﾞﾗﾑが使用中か、読み取りが許可されていません。"
              "ﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞで起動します。このﾌｧｲﾙは｢設定の上書き保存｣をするまで変更しません。\n" +
                  narrow(sandbox.settings_path().wstring()));
    PostMessageW(wait_window(program.id(), L"Tastrel.Form", L"Tastrel"), WM_CLOSE, 0, 0);
    EXPECT_FALSE(wait_message_box(program.id(), 1500));
    EXPECT_TRUE(program.exited_within(5000));
    CloseHandle(held);
    EXPECT_EQ(sandbox.settings_bytes(), file);
}

// Windows ends the session while Modeler is in front: the save question
// holds off the palette and keypad and comes above them; Cancel refuses the
// end, Yes saves, No does not.
TEST(Messages, TheEndOfTheSessionAsksToSaveAndCancelRefusesIt) {
    const StandIn modeler;
    for (const int reply : {IDCANCEL, IDYES, IDNO}) {
        Running run("messages-session-" + std::to_string(reply));
        // Moved, and always in front as the switch puts them.
        SetWindowPos(run.palette, HWND_TOPMOST, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(run.keypad, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(bring_to_front(modeler.window()));
        LRESULT may_end = -1;
        std::thread windows([&] { may_end = SendMessageW(run.palette, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF); });
        const auto box = wait_message_box(run.program.id());
        EXPECT_FALSE(IsWindowEnabled(run.palette) || IsWindowEnabled(run.keypad)) << reply;
        EXPECT_TRUE(box && above(box->window, run.palette) && above(box->window, run.keypad)) << reply;
        if (box) answer(*box, reply);
        windows.join();
        ASSERT_TRUE(box) << reply;
        EXPECT_EQ(box->text, "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。");
        EXPECT_EQ(may_end != 0, reply != IDCANCEL) << reply;
        const std::string file = run.sandbox.settings_bytes();
        EXPECT_EQ(file.find("Pos_X4500") != std::string::npos, reply == IDYES) << "the place saved on Yes only";
        if (reply == IDCANCEL) continue;
        PostMessageW(run.palette, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_TRUE(run.program.exited_within(5000)) << reply;
        EXPECT_EQ(run.sandbox.settings_bytes(), file) << reply;
    }
}

}  // namespace
