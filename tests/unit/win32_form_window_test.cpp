// The palette's real window: its menu bar, read back as a user finds it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "host/form_peer.h"
#include "shell/main_controls.h"
#include "shell/main_layout.h"
#include "win32/form_window.h"
#include "win32/screen_metrics.h"
#include "win32/wide.h"
#include "win32/window_handles.h"

namespace tastrel::win32 {
namespace {

struct ClickEvents : host::FormEvents {
    void on_activate() override {}
    void on_resize() override {}
    bool on_close_request() override { return false; }
    bool on_session_ending() override { return true; }
    void on_session_end(bool) override {}
    void on_click(int control) override { clicked.push_back(control); }
    void on_check_clicked(int, int) override {}
    void on_list_selected(int, int) override {}
    void on_text_changed(int, std::string) override {}
    void on_timer(int) override {}
    std::vector<int> clicked;
};

// Its two menus with their items in order, each item reaching its own handler when chosen.
TEST(Win32FormWindow, ThePalettesMenuBarHoldsItsMenusAndEachItemReachesItsHandler) {
    const Win32Screen screen;
    Win32FormFactory factory(screen);
    ClickEvents events;
    const std::unique_ptr<host::FormPeer> form = factory.create_form(main_layout(), events);
    const HWND window = to_hwnd(form->handle());
    const auto text_of = [](HMENU menu, int position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        return narrow(text);
    };
    using namespace main_ui;
    const std::vector<std::pair<std::string, int>> menus[] = {
        {{"files", 0}, {"ﾊﾞｰｼﾞｮﾝ", Mnu_About}, {"設定の初期化", Mnu_init}, {"ﾃﾝｷｰ呼び出し", Mnu_Tenkey},
         {"ﾃﾝｷｰを隠す", Mnu_Tenkey_Off}, {"ﾌｫｰﾑ位置変更", Mnu_Frm_Pos}, {"ﾃﾝｷｰ位置変更", Mnu_Tenkey_left}, {"終了", mnu_end}},
        {{"設定", 1}, {"設定の変更", Mnu_Set_Change}, {"設定の上書き保存", Mnu_Set_Save}, {"設定の別名保存", Mnu_Set_Backup},
         {"設定の読み込み", Mnu_Set_Read}},
    };
    ASSERT_EQ(GetMenuItemCount(GetMenu(window)), 2);
    for (const auto& menu : menus) {
        const int position = menu[0].second;
        EXPECT_EQ(text_of(GetMenu(window), position), menu[0].first);
        const HMENU items = GetSubMenu(GetMenu(window), position);
        ASSERT_EQ(GetMenuItemCount(items) + 1, static_cast<int>(menu.size())) << menu[0].first;
        for (int i = 1; i < static_cast<int>(menu.size()); ++i) {
            EXPECT_EQ(text_of(items, i - 1), menu[i].first);
            events.clicked.clear();
            SendMessageW(window, WM_COMMAND, GetMenuItemID(items, i - 1), 0);
            EXPECT_EQ(events.clicked, std::vector<int>{menu[i].second}) << menu[i].first;
        }
    }
}

}  // namespace
}  // namespace tastrel::win32
