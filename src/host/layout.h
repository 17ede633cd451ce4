#pragma once
// Design-time layout of a form: each control's kind, text, place and size in
// twips, its tooltip and container, in tab order. The host creates the real
// controls from it; colours are 0x00BBGGRR.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tastrel::host {

enum class ControlKind { button, check_box, frame, label, list_box, text_box };
enum class FontRole { form, palette };

inline constexpr int no_container = -1;
inline constexpr std::uint32_t system_text_colour = 0xFFFFFFFF;

struct ControlLayout {
    int id;
    ControlKind kind;
    std::string_view text;
    int left, top, width, height;  // twips, relative to the container
    std::string_view tooltip;
    int container = no_container;  // the id of the frame it sits in
    FontRole font = FontRole::form;
    std::uint32_t text_colour = system_text_colour;
    bool enabled = true;
};

struct MenuLayout {
    int id;  // for a pop-up menu of the bar: its own id, with no command
    std::string_view caption;
    bool opens_submenu;
};

struct FormLayout {
    std::string_view caption;
    int client_width, client_height;  // twips
    std::uint32_t back_colour;
    std::span<const ControlLayout> controls;  // in tab order
    std::span<const MenuLayout> menu;         // bar entries, each followed by its items
    // The program's main window: it takes the focus when first shown, and
    // its controls outside the client area may be made after start-up.
    bool main_window = false;
};

// The control's row; the layouts are fixed tables, so a missing id is a bug
// and stops the program where it is made.
inline const ControlLayout& layout_of(const FormLayout& form, int id) {
    for (const ControlLayout& control : form.controls)
        if (control.id == id) return control;
    throw std::logic_error("no control " + std::to_string(id) + " in the layout of " + std::string(form.caption));
}

inline constexpr std::uint32_t form_colour = 0x00909090;
inline constexpr std::uint32_t button_colour = 0x0098A8A8;
inline constexpr std::uint32_t list_colour = 0x00707070;
inline constexpr std::string_view form_font_name = "ＭＳ 明朝";
inline constexpr std::string_view palette_font_name = "ＭＳ ゴシック";
inline constexpr int font_tenths_of_point = 78;
inline constexpr int font_charset_shift_jis = 128;

}  // namespace tastrel::host
