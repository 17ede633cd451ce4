// The palette's real window: its menu bar, read back as a user finds it.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

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
    void on_click(int control) override { clicked += std::to_string(control) + " "; }
    void on_check_clicked(int, int) override {}
    void on_list_selected(int, int) override {}
    void on_text_changed(int, std::string) override {}
    void on_timer(int) override {}
    std::string clicked;
};

// The bar holds the layout's menus and items in order, each item reaching its own handler when chosen.
TEST(Win32FormWindow, ThePalettesMenuBarHoldsItsMenusAndEachItemReachesItsHandler) {
    const Win32Screen screen;
    Win32FormFactory factory(screen);
    ClickEvents events;
    const auto form = factory.create_form(main_layout(), events);
    const HWND window = to_hwnd(form->handle());
    std::string designed, handlers, shown;
    for (const host::MenuLayout& entry : main_layout().menu) {
        designed += std::string(entry.caption) + (entry.opens_submenu ? ": " : " ");
        if (!entry.opens_submenu) handlers += std::to_string(entry.id) + " ";
    }
    const auto text_of = [](HMENU menu, int position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        return narrow(text);
    };
    const HMENU bar = GetMenu(window);
    for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
        shown += text_of(bar, menu) + ": ";
        const HMENU items = GetSubMenu(bar, menu);
        for (int item = 0; item < GetMenuItemCount(items); ++item) {
            shown += text_of(items, item) + " ";
            SendMessageW(window, WM_COMMAND, GetMenuItemID(items, item), 0);
        }
    }
    EXPECT_EQ(shown, designed);
    EXPECT_EQ(events.clicked, handlers);
}

}  // namespace
}  // namespace tastrel::win32
