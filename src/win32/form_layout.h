#pragma once
// What each form's window holds at design time: its title, client size,
// colour, menu bar and buttons, with places in twips.
#include <optional>
#include <vector>

#include "host/form_peer.h"

namespace tastrel::win32 {

enum class ButtonFont { palette, standard };

struct ButtonPlace {
    int id;
    int left, top, width, height;
    ButtonFont font = ButtonFont::standard;
};

struct MenuItem {
    int id;
    const char* caption;
};

struct MenuPopup {
    const char* caption;
    std::vector<MenuItem> items;
};

struct FormDesign {
    const char* title;
    int client_width, client_height;
    std::optional<unsigned long> background;  // a COLORREF; the system's face colour when none
    std::vector<MenuPopup> menu_bar;
    std::vector<ButtonPlace> buttons;
};

const FormDesign& design_of(host::FormKind kind);

// True when `id` is one of the form's menu items.
bool is_menu_item(const FormDesign& design, int id);

}  // namespace tastrel::win32
