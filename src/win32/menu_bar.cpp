#include "win32/menu_bar.h"

#include "win32/wide.h"

namespace tastrel::win32 {

UniqueMenu make_menu_bar(std::span<const host::MenuLayout> menu) {
    if (menu.empty()) return nullptr;
    UniqueMenu bar(CreateMenu());
    HMENU popup = nullptr;  // the pop-up being filled, already owned by the bar
    for (const host::MenuLayout& entry : menu) {
        const std::wstring caption = widen(entry.caption);
        if (entry.opens_submenu) {
            UniqueMenu items(CreatePopupMenu());
            popup = items.get();
            if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption.c_str()))
                items.release();  // the bar destroys it now
            else
                popup = nullptr;
        } else if (popup != nullptr) {
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(entry.id), caption.c_str());
        }
    }
    return bar;
}

bool is_menu_command(std::span<const host::MenuLayout> menu, int id) {
    for (const host::MenuLayout& entry : menu)
        if (entry.id == id && !entry.opens_submenu) return true;
    return false;
}

}  // namespace tastrel::win32
