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
    EXPECT_TRUE(wait_until([&] { return fs::exists(widen(copy)); }));
    ASSERT_TRUE(choose(run.palette, 1, 3));  // "設定の読み込み"
    ASSERT_TRUE(answer_file_dialog(run.program.id(), copy)) << "the Open dialog";
    EXPECT_TRUE(wait_until([&] { return find_child(run.palette, "ﾕｰｻﾞｰ") != nullptr; })) << "the registration read";
}

// Both windows get their designed client area at every resolution; an exit
// that touched nothing asks nothing and leaves the file as it was.
TEST(Windows, AtEveryResolutionTheWindowsHaveTheirDesignedSizeAndAnUntouchedExitAsksNothing) {
    const StandIn modeler;
    const struct ResolutionBackAtEnd {
        ~ResolutionBackAtEnd() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels"); }
    } back;
    for (const DWORD dpi : {96, 120, 144, 168, 192}) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
        Running run("windows-dpi-" + std::to_string(dpi));
        for (const auto& [window, layout] : {std::pair{run.palette, &tastrel::main_layout()}, {run.keypad, &tastrel::keypad_layout()}}) {
            RECT client{};
            GetClientRect(window, &client);
            EXPECT_NEAR(client.right, layout->client_width * dpi / 1440.0, 1) << dpi;
            EXPECT_NEAR(client.bottom, layout->client_height * dpi / 1440.0, 1) << dpi;
        }
        const std::string file = run.sandbox.settings_bytes();
        PostMessageW(run.palette, WM_CLOSE, 0, 0);
        EXPECT_FALSE(wait_message_box(run.program.id(), 1500)) << dpi;
        EXPECT_TRUE(run.program.exited_within(5000)) << dpi;
        EXPECT_EQ(run.sandbox.settings_bytes(), file) << dpi;
    }
}

}  // namespace
