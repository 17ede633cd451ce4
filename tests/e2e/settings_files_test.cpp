// Settings files chosen in the standard dialogs, and the registrations, under Wine.
#include <gtest/gtest.h>

#include "driver.h"
#include "running.h"
#include "shell/main_controls.h"
#include "win32/form_controls.h"

namespace {

using namespace e2e;
namespace ui = tastrel::main_ui;

HWND registration_button(HWND palette) { return GetDlgItem(palette, tastrel::win32::first_child_id + ui::Cmd_Change); }

TEST(SettingsFiles, ACopySavedInTheSaveDialogIsReadBackInTheOpenDialog) {
    StandIn modeler;
    Running run("files-dialogs");
    ASSERT_TRUE(run.palette);
    const std::string copy = utf8(run.sandbox.folder()) + "\\コピー.txt";
    EXPECT_EQ(window_text(registration_button(run.palette)), "登録01");

    post_command(run.palette, ui::Mnu_Set_Backup);
    ASSERT_TRUE(answer_file_dialog(run.program->id(), copy)) << "the Save dialog";
    EXPECT_TRUE(wait_until([&] { return GetFileAttributesW(wide(copy).c_str()) != INVALID_FILE_ATTRIBUTES; }));

    // A second registration starts from the built-in settings.
    click(registration_button(run.palette));
    const auto box = wait_message_box(run.program->id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
    answer(*box, IDOK);
    EXPECT_TRUE(wait_until([&] { return window_text(registration_button(run.palette)) == "登録02"; }));

    post_command(run.palette, ui::Mnu_Set_Read);
    ASSERT_TRUE(answer_file_dialog(run.program->id(), copy)) << "the Open dialog";
    const auto question = wait_message_box(run.program->id());
    ASSERT_TRUE(question) << "the new registration is unsaved";
    answer(*question, IDNO);
    EXPECT_TRUE(wait_until([&] { return window_text(registration_button(run.palette)) == "ﾕｰｻﾞｰ"; }));
}

}  // namespace
