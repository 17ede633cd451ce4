// The assignment editor under Wine: a button reassigned, tried in the
// stand-in, applied, saved and typing after a restart.
#include <gtest/gtest.h>

#include "driver.h"
#include "running.h"
#include "shell/main_controls.h"
#include "win32/form_controls.h"

namespace {

using namespace e2e;
namespace ui = tastrel::main_ui;

HWND control(HWND palette, int id) { return GetDlgItem(palette, tastrel::win32::first_child_id + id); }

int width_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

bool key_went_down(const StandIn& modeler, unsigned vk, const char* mods) {
    for (const LoggedKey& key : modeler.keys())
        if ((key.message == "KEYDOWN" || key.message == "SYSKEYDOWN") && key.vk == vk && key.mods == mods) return true;
    return false;
}

// Enters edit mode and previews a modifier, a key and their suggested
// caption on a palette button; false when a step did not happen.
void assign(const Running& run, const StandIn& modeler, int slot, const char* modifier, const char* key,
            const char* suggested) {
    const int narrow = width_of(run.palette);
    post_command(run.palette, ui::Mnu_Set_Change);
    ASSERT_TRUE(wait_until([&] { return width_of(run.palette) > 3 * narrow; })) << "the editor opens";
    ASSERT_TRUE(select_entry(control(run.palette, ui::List1), modifier));
    ASSERT_TRUE(select_entry(control(run.palette, ui::List2), key));
    ASSERT_TRUE(wait_until([&] { return window_text(control(run.palette, ui::Text1)) == suggested; }));
    modeler.clear_keys();
    click(control(run.palette, slot));
    ASSERT_TRUE(wait_until([&] { return window_text(control(run.palette, slot)) == suggested; }));
}

TEST(Editor, CtrlZIsTriedInModelerAppliedAndSaved) {
    StandIn modeler;
    Running run("editor-ctrl-z");
    ASSERT_TRUE(run.palette);
    assign(run, modeler, 0, "CTRL", "z", "C+z");
    EXPECT_TRUE(wait_until([&] { return key_went_down(modeler, 0x5A, "C"); })) << "the preview types ctrl+z";
    save_screenshot(run.palette, "editor-preview");

    click(control(run.palette, ui::Command2));
    post_command(run.palette, ui::Mnu_Set_Save);
    EXPECT_TRUE(wait_until([&] {
        const std::vector<std::string> lines = run.sandbox.settings_lines();
        return lines.size() > 2 && lines[2] == "cmd_^(z),name_C+z";
    })) << "line 3 of the file";
}

TEST(Editor, AltCommaIsStoredInItsFileFormAndTypesAfterARestart) {
    StandIn modeler;
    Running run("editor-alt-comma");
    ASSERT_TRUE(run.palette);
    assign(run, modeler, 1, "ALT", ",", "A+ｶﾝﾏ");
    click(control(run.palette, ui::Command2));
    post_command(run.palette, ui::Mnu_Set_Save);
    ASSERT_TRUE(wait_until([&] {
        const std::vector<std::string> lines = run.sandbox.settings_lines();
        return lines.size() > 3 && lines[3] == "cmd_%(!),name_A+ｶﾝﾏ";
    }));

    run.restart();
    ASSERT_TRUE(run.palette);
    EXPECT_EQ(window_text(control(run.palette, 1)), "A+ｶﾝﾏ");
    modeler.clear_keys();
    click(control(run.palette, 1));
    EXPECT_TRUE(wait_until([&] { return key_went_down(modeler, 0xBC, "A"); })) << "alt+comma after the restart";
}

}  // namespace
