// The program's windows under Wine: the standard file dialogs, and both
// windows at several display resolutions.
#include <gtest/gtest.h>

#include "driver.h"
#include "keypad/keypad_layout.h"
#include "shell/main_layout.h"

namespace {

using namespace e2e;

TEST(Windows, ACopySavedInTheSaveDialogIsReadBackInTheOpenDialog) {
    const StandIn modeler;
    Running run("windows-files");
    const std::string copy = narrow(run.sandbox.folder()) + "\\コピー.txt";
    ASSERT_TRUE(choose(run.palette, 1, 2));  // "設定の別名保存"
    ASSERT_TRUE(answer_file_dialog(run.program.id(), copy)) << "the Save dialog";
    ASSERT_TRUE(choose(run.palette, 1, 3));  // "設定の読み込み"
    ASSERT_TRUE(answer_file_dialog(run.program.id(), copy)) << "the Open dialog";
    EXPECT_TRUE(wait_until([&] { return find_child(run.palette, "ﾕｰｻﾞｰ") != nullptr; })) << "the registration read";
}

// Both windows get their designed client area at every resolution, and the
// ring's window manager keeps room for a taskbar on the left and at the top.
// A save at the end keeps both windows where they stood; each later start
// puts them there, and its end asks nothing and leaves the file as it was.
TEST(Windows, AtEveryResolutionAndBesideATaskbarTheWindowsKeepTheirSizeAndPlace) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_TRUE(work.left > 0 && work.top > 0) << "no taskbar's room on the left and at the top";
    const StandIn modeler;
    const struct ResolutionBackAtEnd {
        ~ResolutionBackAtEnd() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
    } back;
    std::string file;
    RECT stood[2]{};
    for (const DWORD dpi : {96, 96, 120, 144, 168, 192}) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
        Running run("windows-dpi-" + std::to_string(dpi), file.empty() ? default_file() : lines_of(file));
        for (const auto& [window, layout] : {std::pair{run.palette, &tastrel::main_layout()}, {run.keypad, &tastrel::keypad_layout()}}) {
            RECT client{};
            GetClientRect(window, &client);
            EXPECT_NEAR(client.right, layout->client_width * dpi / 1440.0, 1) << dpi;
            EXPECT_NEAR(client.bottom, layout->client_height * dpi / 1440.0, 1) << dpi;
        }
        if (file.empty()) SetWindowPos(run.palette, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (const int i : {0, 1}) {
            RECT now{};
            GetWindowRect(i == 0 ? run.palette : run.keypad, &now);
            if (file.empty()) stood[i] = now;
            EXPECT_TRUE(dpi != 96 || EqualRect(&now, &stood[i])) << i << ": " << now.left << "," << now.top;
        }
        const std::string before = run.sandbox.settings_bytes();
        PostMessageW(run.palette, WM_CLOSE, 0, 0);
        EXPECT_EQ(answer_next_box(run.program.id(), IDYES, 1500).empty(), !file.empty()) << dpi << ": only a move asks";
        EXPECT_TRUE(run.program.exited_within(5000)) << dpi;
        EXPECT_TRUE(file.empty() || run.sandbox.settings_bytes() == before) << dpi;
        if (file.empty()) file = run.sandbox.settings_bytes();
        EXPECT_NE(file.find("Pos_X4500\r\nPos_Y3000\r\nTPos_X3000\r\nTPos_Y1200\r\n"), std::string::npos) << file;
    }
}

}  // namespace
