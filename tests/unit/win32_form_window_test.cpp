// The forms' windows against the real system: the message loop's share of
// the work that each control would otherwise do for itself, and controls
// made after the window at start-up.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "host/form_peer.h"
#include "host/twips.h"
#include "keypad/keypad_controls.h"
#include "keypad/keypad_layout.h"
#include "shell/main_controls.h"
#include "shell/main_layout.h"
#include "win32/form_controls.h"
#include "win32/form_window.h"
#include "win32/screen_metrics.h"
#include "win32/wide.h"
#include "win32/window_handles.h"

namespace tastrel::win32 {
namespace {

struct SilentEvents : host::FormEvents {
    void on_activate() override {}
    void on_resize() override {}
    bool on_close_request() override { return false; }
    bool on_session_ending() override { return true; }
    void on_session_end(bool) override {}
    void on_click(int) override {}
    void on_check_clicked(int, int) override {}
    void on_list_selected(int, int) override {}
    void on_text_changed(int, std::string) override {}
    void on_timer(int) override {}
};

HWND visible_tooltip_of(DWORD thread) {
    struct Search {
        DWORD thread;
        HWND found;
    } search{thread, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring_view(name) == TOOLTIPS_CLASSW && IsWindowVisible(window)) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Runs this thread's messages through the forms' preprocessing for a while.
void pump_for(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (preprocess_form_message(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

TEST(Win32FormWindow, ShowsAControlsTipWhenTheMouseRestsOnIt) {
    const Win32Screen screen;
    Win32FormFactory factory(screen);
    SilentEvents events;
    const std::unique_ptr<host::FormPeer> form = factory.create_form(keypad_layout(), events);
    form->set_tooltip(keypad_ui::Command2, "keypad tip");
    form->set_visible(true);
    const HWND window = to_hwnd(form->handle());
    const HWND button = GetDlgItem(window, first_child_id + keypad_ui::Command2);
    ASSERT_NE(button, nullptr);

    RECT rect{};
    GetWindowRect(button, &rect);
    if (!SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2))
        GTEST_SKIP() << "the cursor cannot be moved here";
    pump_for(100);
    EXPECT_EQ(visible_tooltip_of(GetCurrentThreadId()), nullptr);
    POINT inside{(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2};
    PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    pump_for(1500);
    EXPECT_NE(visible_tooltip_of(GetCurrentThreadId()), nullptr);
}

struct ClickEvents : SilentEvents {
    void on_click(int control) override { clicked.push_back(control); }
    std::vector<int> clicked;
};

// The palette's real menu bar: its two menus with their items in order, each
// item reporting its own handler's control when chosen.
TEST(Win32FormWindow, ThePalettesMenuBarHoldsItsMenusAndEachItemReachesItsHandler) {
    const Win32Screen screen;
    Win32FormFactory factory(screen);
    ClickEvents events;
    const std::unique_ptr<host::FormPeer> form = factory.create_form(main_layout(), events);
    const HWND window = to_hwnd(form->handle());
    const HMENU bar = GetMenu(window);
    ASSERT_NE(bar, nullptr);
    const auto text_of = [](HMENU menu, int position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        return narrow(text);
    };
    const struct {
        const char* menu;
        std::vector<std::pair<const char*, int>> items;
    } menus[] = {
        {"files",
         {{"ﾊﾞｰｼﾞｮﾝ", main_ui::Mnu_About}, {"設定の初期化", main_ui::Mnu_init}, {"ﾃﾝｷｰ呼び出し", main_ui::Mnu_Tenkey},
          {"ﾃﾝｷｰを隠す", main_ui::Mnu_Tenkey_Off}, {"ﾌｫｰﾑ位置変更", main_ui::Mnu_Frm_Pos},
          {"ﾃﾝｷｰ位置変更", main_ui::Mnu_Tenkey_left}, {"終了", main_ui::mnu_end}}},
        {"設定",
         {{"設定の変更", main_ui::Mnu_Set_Change}, {"設定の上書き保存", main_ui::Mnu_Set_Save},
          {"設定の別名保存", main_ui::Mnu_Set_Backup}, {"設定の読み込み", main_ui::Mnu_Set_Read}}},
    };
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    for (int m = 0; m < 2; ++m) {
        EXPECT_EQ(text_of(bar, m), menus[m].menu);
        const HMENU items = GetSubMenu(bar, m);
        ASSERT_NE(items, nullptr) << menus[m].menu;
        ASSERT_EQ(GetMenuItemCount(items), static_cast<int>(menus[m].items.size())) << menus[m].menu;
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            EXPECT_EQ(text_of(items, static_cast<int>(i)), menus[m].items[i].first);
            events.clicked.clear();
            SendMessageW(window, WM_COMMAND, GetMenuItemID(items, static_cast<int>(i)), 0);
            EXPECT_EQ(events.clicked, std::vector<int>{menus[m].items[i].second}) << menus[m].items[i].first;
        }
    }
}

int font_height(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

RECT client_rect_of(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A move to a monitor at 1.5 times the resolution: the layout, the fonts and
// the window grow with it, and the form's size in twips stays.
TEST(Win32FormWindow, LaysItselfOutAgainWhenTheResolutionChanges) {
    const Win32Screen screen;
    Win32FormFactory factory(screen);
    SilentEvents events;
    const std::unique_ptr<host::FormPeer> form = factory.create_form(keypad_layout(), events);
    const HWND window = to_hwnd(form->handle());
    const HWND button = GetDlgItem(window, first_child_id + keypad_ui::Command2);
    ASSERT_NE(button, nullptr);
    const int dpi = static_cast<int>(std::lround(host::twips_per_inch / screen.twips_per_pixel_y()));
    const int higher = dpi * 3 / 2;
    const RECT before = client_rect_of(button);
    const int font_before = font_height(button);
    const host::TwipsRect bounds_before = form->bounds();

    RECT outer{};
    GetWindowRect(window, &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(higher, higher), reinterpret_cast<LPARAM>(&suggested));

    const RECT after = client_rect_of(button);
    EXPECT_NEAR(after.left, before.left * 1.5, 1.0);
    EXPECT_NEAR(after.top, before.top * 1.5, 1.0);
    EXPECT_NEAR(after.right - after.left, (before.right - before.left) * 1.5, 1.0);
    EXPECT_NEAR(font_height(button), font_before * 1.5, 1.0);
    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_EQ(now.right - now.left, suggested.right - suggested.left) << "the suggested size is taken";
    EXPECT_NEAR(form->bounds().width, bounds_before.width, 2 * screen.twips_per_pixel_x());
}

// What a program reading the form finds: its controls in tab order, each
// with its id, text, whether it is shown, its check and its list, and the
// number of tips.
std::vector<std::string> controls_seen(HWND form) {
    std::vector<std::string> seen;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {}, text[256] = {};
        GetClassNameW(child, name, 64);
        GetWindowTextW(child, text, 256);
        std::string row = std::to_string(GetDlgCtrlID(child)) + " " + narrow(name) + " \"" + narrow(text) + "\"" +
                          (IsWindowVisible(child) ? " shown" : " hidden");
        if (std::wstring_view(name) == L"Button") row += " check " + std::to_string(SendMessageW(child, BM_GETCHECK, 0, 0));
        if (std::wstring_view(name) == L"ListBox") {
            row += " selected " + std::to_string(SendMessageW(child, LB_GETCURSEL, 0, 0)) + ":";
            for (LRESULT i = 0; i < SendMessageW(child, LB_GETCOUNT, 0, 0); ++i) {
                SendMessageW(child, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
                row += " " + narrow(text);
            }
        }
        seen.push_back(row);
    }
    struct Tips {
        HWND form;
        LRESULT count = 0;
    } tips{form};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& t = *reinterpret_cast<Tips*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (GetWindow(window, GW_OWNER) == t.form && std::wstring_view(name) == TOOLTIPS_CLASSW)
                t.count += SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    seen.push_back(std::to_string(tips.count) + " tips");
    return seen;
}

// The palette made as at start-up, its editor and tips added once it is
// shown, ends up as the palette made at once, given the same settings.
TEST(Win32FormWindow, ControlsMadeAfterStartUpAreThoseMadeAtOnce) {
    const Win32Screen screen;
    SilentEvents events;
    std::vector<std::string> seen[2];
    for (const auto controls : {Win32FormFactory::Controls::at_once, Win32FormFactory::Controls::palette_first}) {
        Win32FormFactory factory(screen, controls);
        const std::unique_ptr<host::FormPeer> form = factory.create_form(main_layout(), events);
        form->set_visible(true);
        form->set_text(0, "REDO");
        form->set_tooltip(0, "REDOです。");
        form->set_text(main_ui::Text1, "Default");
        form->set_check(main_ui::Check2, 1);
        for (const char* entry : {"無し", "CTRL", "ALT"}) form->list_add(main_ui::List1, entry);
        form->set_list_index(main_ui::List1, 2);
        form->set_tooltip(main_ui::Command2, "設定の変更を行います。");
        factory.complete_forms();
        seen[controls == Win32FormFactory::Controls::palette_first] = controls_seen(to_hwnd(form->handle()));
    }
    ASSERT_GT(seen[0].size(), 40u);
    EXPECT_EQ(seen[1], seen[0]);
}

}  // namespace
}  // namespace tastrel::win32
