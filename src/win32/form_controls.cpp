#include "win32/form_controls.h"

#include <string>

#include "win32/handles.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

struct ControlClass {
    const wchar_t* name;
    DWORD style;
};

// Every control is a standard one, so screen readers and automation see it.
ControlClass class_of(host::ControlKind kind) {
    switch (kind) {
    case host::ControlKind::button: return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW};
    case host::ControlKind::check_box: return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
    case host::ControlKind::frame: return {L"BUTTON", BS_GROUPBOX};
    case host::ControlKind::label: return {L"STATIC", SS_LEFT | SS_NOPREFIX};
    case host::ControlKind::list_box:
        return {L"LISTBOX", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT};
    case host::ControlKind::text_box: return {L"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL};
    }
    return {L"STATIC", 0};
}

}  // namespace

RECT control_rect(const host::FormLayout& layout, const host::ControlLayout& place, Scale scale) {
    int left = place.left, top = place.top;
    if (place.container != host::no_container) {
        const host::ControlLayout& frame = host::layout_of(layout, place.container);
        left += frame.left;
        top += frame.top;
    }
    return {scale.x(left), scale.y(top), scale.x(left) + scale.x(place.width), scale.y(top) + scale.y(place.height)};
}

bool inside_client_area(const host::FormLayout& layout, const host::ControlLayout& place) {
    const RECT twips = control_rect(layout, place, Scale{1, 1});
    return twips.left < layout.client_width && twips.top < layout.client_height;
}

void fill_list(HWND list, const std::vector<std::string>& items) {
    std::vector<std::wstring> texts;
    std::size_t chars = 0;
    for (const std::string& item : items) chars += texts.emplace_back(widen(item)).size() + 1;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, texts.size(), chars * sizeof(wchar_t));
    for (const std::wstring& text : texts) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

HWND create_control(HWND form, const host::FormLayout& layout, const host::ControlLayout& place, Scale scale,
                    HFONT font, std::string_view text) {
    const ControlClass control_class = class_of(place.kind);
    const RECT rect = control_rect(layout, place, scale);
    HWND control = CreateWindowExW(0, control_class.name, widen(text).c_str(),
                                   WS_CHILD | WS_VISIBLE | (place.enabled ? 0 : WS_DISABLED) | control_class.style,
                                   rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, form,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(first_child_id + place.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void paint_button(const DRAWITEMSTRUCT& item, HBRUSH face_colour) {
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    FillRect(dc, &face, face_colour != nullptr ? face_colour : GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ old_font = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    // Centre the wrapped caption vertically; "&" marks the access key as usual.
    RECT area = face;
    InflateRect(&area, -2, -2);
    if (pressed) OffsetRect(&area, 1, 1);
    const UINT format = DT_CENTER | DT_WORDBREAK | ((item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0);
    RECT measured = area;
    DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    const int spare = (area.bottom - area.top) - (measured.bottom - measured.top);
    if (spare > 0) area.top += spare / 2;
    // A disabled caption is embossed, as on a classic button: the system's
    // grey text can be the very grey of the palette's button face.
    if (disabled) {
        RECT highlight = area;
        OffsetRect(&highlight, 1, 1);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, text.c_str(), -1, &highlight, format);
    }
    SetTextColor(dc, disabled ? RGB(128, 128, 128) : GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text.c_str(), -1, &area, format);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    if (old_font != nullptr) SelectObject(dc, old_font);
}

}  // namespace tastrel::win32
