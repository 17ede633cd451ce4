#include "win32/form_window.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "core/messages.h"
#include "host/layout.h"
#include "host/twips.h"
#include "win32/failure.h"
#include "win32/focus_hand_back.h"
#include "win32/form_timers.h"
#include "win32/form_controls.h"
#include "win32/handles.h"
#include "win32/menu_bar.h"
#include "win32/scale.h"
#include "win32/wide.h"
#include "win32/window_handles.h"

namespace tastrel::win32 {
namespace {

constexpr wchar_t form_class_name[] = L"Tastrel.Form";
// Without WS_CLIPCHILDREN: the form paints its colour inside the frames, which
// draw only their border and caption.
constexpr DWORD form_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The resolution of the monitor the window is on, where the system can say
// (Windows 10 1607 and later); the system resolution otherwise.
int window_dpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi_for_window = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return get_dpi_for_window != nullptr ? static_cast<int>(get_dpi_for_window(window)) : 0;
}

// The messages a tooltip control takes from TTM_RELAYEVENT.
bool is_mouse_message(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return true;
    default: return false;
    }
}

bool is_key_message(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

UniqueFont make_font(std::string_view face, int dpi) {
    return UniqueFont(CreateFontW(-MulDiv(host::font_tenths_of_point, dpi, 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, host::font_charset_shift_jis, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, widen(face).c_str()));
}

// One loaded form's window. It owns the top-level HWND; the buttons and the
// tooltip control belong to that window and go with it.
class FormWindow final : public host::FormPeer {
public:
    // With `palette_first` only the palette's own buttons are made with the
    // window; create_controls() makes the rest later.
    FormWindow(const host::FormLayout& layout, host::FormEvents& events, Scale scale, int& open_forms, bool palette_first,
               const FailureReport& report);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // From here on the window's events reach the form. Until the factory has
    // handed the window over, an event would make the form load itself again.
    void start_reporting() { reporting_ = true; }

    host::WindowHandle handle() const override { return to_handle(hwnd_.get()); }
    host::TwipsRect bounds() const override;
    void set_bounds(const host::TwipsRect& bounds) override;
    host::PixelRect pixel_bounds() const override;
    bool visible() const override { return IsWindowVisible(hwnd_.get()) != 0; }
    void set_visible(bool visible) override;
    host::WindowState state() const override;
    void set_state(host::WindowState state) override;

    void set_text(int control, std::string_view text) override;
    void set_tooltip(int control, std::string_view text) override;
    void set_check(int control, int value) override;
    void list_clear(int control) override;
    void list_add(int control, std::string_view item) override;
    void set_list_index(int control, int index) override;
    void set_timer(int control, int interval_ms, bool enabled) override;

    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    static FormWindow* of(HWND window) {
        return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

    // Creates the controls it does not have yet, in their places in the tab
    // order, gives them their tips and lets the buttons held back since
    // start-up draw again.
    void create_controls();
    void release_held();

    // The loop relays mouse messages rather than each control being
    // subclassed: a subclass adds a property lookup to every message the
    // control gets, and one click sends it a dozen.
    void relay_to_tooltip(MSG& message) const {
        if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    }

private:
    // What the form has set on a control, kept also for controls without a
    // window of their own yet.
    struct ControlState {
        HWND window = nullptr;
        host::ControlKind kind = host::ControlKind::button;
        std::string text, tooltip;
        bool has_tool = false;  // the tooltip control knows it
        bool held = false;      // kept from drawing until start-up is over
        int check = 0;
        std::vector<std::string> items;
        int list_index = -1;
    };

    static FormWindow* bound_to(HWND window, UINT message, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT on_activate(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT on_mouse_activate(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT on_size();
    LRESULT on_close();
    LRESULT on_session_end(bool ending);
    LRESULT on_command(WPARAM wparam, LPARAM lparam);
    LRESULT on_paint(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT on_erase_background(HDC dc);
    LRESULT on_button_colour();
    LRESULT on_draw_item(const DRAWITEMSTRUCT& item);
    LRESULT on_static_colour(HDC dc);
    LRESULT on_field_colour(HDC dc, HWND field);
    LRESULT on_final_destroy(UINT message, WPARAM wparam, LPARAM lparam);

    void create_window();
    void fit_client_area(int width, int height);
    LRESULT on_min_max_info(MINMAXINFO& info);
    LRESULT on_dpi_changed(WPARAM wparam, LPARAM lparam);
    void use_dpi(int dpi);
    bool has_tooltip_control();
    void create_control_window(const host::ControlLayout& place, std::optional<HWND> after = std::nullopt);
    void show_tooltip_text(int id, ControlState& control);
    TTTOOLINFOW tool_info(int id, const ControlState& control) const;
    HFONT font_for(const host::ControlLayout& place) const {
        return place.font == host::FontRole::palette ? palette_font_.get() : form_font_.get();
    }
    std::optional<int> control_of(HWND window) const;
    HBRUSH background() const;

    const host::FormLayout& layout_;
    host::FormEvents& events_;
    const FailureReport& report_;
    // The window's place and size convert at the system resolution, as every
    // other twips figure of the program does, so a rectangle is in one unit;
    // its own layout converts at the resolution of the monitor it is on.
    const Scale desktop_;
    Scale scale_;
    int& open_forms_;
    bool starting_;  // until create_controls() has made the controls that waited
    UniqueBrush background_, field_background_, button_face_;
    UniqueFont palette_font_, form_font_;
    // Owned from WM_NCCREATE; let go at WM_NCDESTROY, when the system has
    // destroyed it, however that came about.
    UniqueWindow hwnd_;
    HWND tooltip_ = nullptr;   // owned by hwnd_.get()
    std::map<int, ControlState> controls_;
    bool reporting_ = false;
    bool shown_before_ = false;
    bool setting_text_ = false;  // a text set by the form is no edit of the user's
};

FormWindow::FormWindow(const host::FormLayout& layout, host::FormEvents& events, Scale scale, int& open_forms,
                       bool palette_first, const FailureReport& report)
    : layout_(layout),
      events_(events),
      report_(report),
      desktop_(scale),
      scale_(scale),
      open_forms_(open_forms),
      starting_(palette_first),
      background_(CreateSolidBrush(static_cast<COLORREF>(layout_.back_colour))),
      field_background_(CreateSolidBrush(static_cast<COLORREF>(host::list_colour))),
      button_face_(CreateSolidBrush(static_cast<COLORREF>(host::button_colour))),
      palette_font_(make_font(host::palette_font_name, scale.dpi())),
      form_font_(make_font(host::form_font_name, scale.dpi())) {
    create_window();
    form_made();
    ++open_forms_;
    for (const host::ControlLayout& place : layout_.controls) {
        ControlState& control = controls_[place.id];
        control.kind = place.kind;
        control.text = place.text;
        control.tooltip = place.tooltip;
        if (palette_first && !(layout_.main_window && inside_client_area(layout_, place))) continue;
        create_control_window(place);
    }
    if (const int dpi = window_dpi(hwnd_.get()); dpi != scale_.dpi()) use_dpi(dpi);
    fit_client_area(scale_.x(layout_.client_width), scale_.y(layout_.client_height));
}

FormWindow::~FormWindow() {
    reporting_ = false;  // the form is letting go of its window
    form_timers().stop_all(events_);
    if (hwnd_) DestroyWindow(hwnd_.get());  // its WM_NCDESTROY lets go of it
    // As the toolkit does, the program ends once its last form is gone.
    if (--open_forms_ == 0) PostQuitMessage(0);
}

void FormWindow::create_window() {
    RECT outer{0, 0, scale_.x(layout_.client_width), scale_.y(layout_.client_height)};
    UniqueMenu menu_bar = make_menu_bar(layout_.menu);
    AdjustWindowRectEx(&outer, form_style, menu_bar != nullptr, 0);
    // A button on the taskbar also while the form declines activation.
    CreateWindowExW(WS_EX_APPWINDOW, form_class_name, widen(layout_.caption).c_str(), form_style, CW_USEDEFAULT,
                    CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr, menu_bar.get(),
                    GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw_system_error(messages::window_not_made);
    menu_bar.release();  // the window destroys its menu bar with itself
}

// CreateWindowEx widens an overlapped window to the system's minimum
// tracking size, wider than either form: the window takes its designed client
// area now that WM_GETMINMAXINFO lets it. Twice, as the menu bar may wrap at
// the new width and take more height.
void FormWindow::fit_client_area(int width, int height) {
    for (int pass = 0; pass < 2; ++pass) {
        RECT client{}, outer{};
        GetClientRect(hwnd_.get(), &client);
        GetWindowRect(hwnd_.get(), &outer);
        if (client.right == width && client.bottom == height) return;
        SetWindowPos(hwnd_.get(), nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The forms cannot be resized by the user; their sizes are the program's.
LRESULT FormWindow::on_min_max_info(MINMAXINFO& info) {
    info.ptMinTrackSize = {1, 1};
    return 0;
}

// Made with the first tip: the keypad has none, and the palette's come once
// it is shown.
bool FormWindow::has_tooltip_control() {
    if (tooltip_ != nullptr) return true;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_.get(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    // The default tooltip face may have no Japanese glyphs.
    if (tooltip_ == nullptr) return false;
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(form_font_.get()), FALSE);
    return true;
}

void FormWindow::create_controls() {
    starting_ = false;
    HWND previous = nullptr;
    for (const host::ControlLayout& place : layout_.controls) {
        ControlState& control = controls_[place.id];
        if (control.window == nullptr) create_control_window(place, previous);
        previous = control.window;
        if (!control.has_tool && !control.tooltip.empty()) show_tooltip_text(place.id, control);
    }
    release_held();
}

void FormWindow::release_held() {
    bool released = false;
    for (auto& [id, control] : controls_) {
        if (!std::exchange(control.held, false)) continue;
        SendMessageW(control.window, WM_SETREDRAW, TRUE, 0);
        released = true;
    }
    if (released) RedrawWindow(hwnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Created in tab order. A frame goes to the bottom of the Z order so that the
// check box inside it paints above it; frames take no focus, so tabbing is
// unchanged. A control made later goes `after` the control before it in the
// tab order (at the top when none is), where it would have been. The control
// then shows what the form has set on it so far.
void FormWindow::create_control_window(const host::ControlLayout& place, std::optional<HWND> after) {
    ControlState& control = controls_[place.id];
    control.window = create_control(hwnd_.get(), layout_, place, scale_, font_for(place), control.text);
    if (control.window == nullptr) throw_system_error(messages::control_not_made);
    constexpr UINT z_only = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (after && GetWindow(control.window, GW_HWNDPREV) != *after)
        SetWindowPos(control.window, *after != nullptr ? *after : HWND_TOP, 0, 0, 0, 0, z_only);
    else if (!after && place.kind == host::ControlKind::frame)
        SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0, z_only);
    if (control.check != 0) SendMessageW(control.window, BM_SETCHECK, static_cast<WPARAM>(control.check), 0);
    if (!control.items.empty()) fill_list(control.window, control.items);
    if (control.list_index >= 0)
        SendMessageW(control.window, LB_SETCURSEL, static_cast<WPARAM>(control.list_index), 0);
    if (!control.tooltip.empty()) show_tooltip_text(place.id, control);
}

// A frame, and a disabled control, let the mouse through to the form, so
// their tips are regions of the form; every other control has a tip of its own.
TTTOOLINFOW FormWindow::tool_info(int id, const ControlState& control) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_.get();
    if (control.kind == host::ControlKind::frame || !IsWindowEnabled(control.window)) {
        tool.uId = static_cast<UINT_PTR>(first_child_id + id);
        tool.rect = control_rect(layout_, host::layout_of(layout_, id), scale_);
    } else {
        tool.uFlags = TTF_IDISHWND;
        tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    }
    return tool;
}

// Tips come once start-up is over: no one points at a window not yet shown.
void FormWindow::show_tooltip_text(int id, ControlState& control) {
    if (control.window == nullptr || starting_ || !has_tooltip_control()) return;
    std::wstring text = widen(control.tooltip);
    TTTOOLINFOW tool = tool_info(id, control);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, control.has_tool ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    control.has_tool = true;
}

host::TwipsRect FormWindow::bounds() const {
    RECT rect{};
    GetWindowRect(hwnd_.get(), &rect);
    return {rect.left * desktop_.twips_per_pixel_x, rect.top * desktop_.twips_per_pixel_y,
            (rect.right - rect.left) * desktop_.twips_per_pixel_x, (rect.bottom - rect.top) * desktop_.twips_per_pixel_y};
}

host::PixelRect FormWindow::pixel_bounds() const {
    RECT rect{};
    GetWindowRect(hwnd_.get(), &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// A move keeps the size the window has: taken to a monitor of another
// resolution, it takes the size the system gives it there.
void FormWindow::set_bounds(const host::TwipsRect& b) {
    RECT rect{};
    GetWindowRect(hwnd_.get(), &rect);
    const int width = desktop_.x(b.width), height = desktop_.y(b.height);
    const bool same_size = width == rect.right - rect.left && height == rect.bottom - rect.top;
    SetWindowPos(hwnd_.get(), nullptr, desktop_.x(b.left), desktop_.y(b.top), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (same_size ? SWP_NOSIZE : 0));
}

// Moved to a monitor of another resolution, or that monitor's scaling
// changed: the layout and fonts follow, and the window takes the place the
// system suggests.
LRESULT FormWindow::on_dpi_changed(WPARAM wparam, LPARAM lparam) {
    use_dpi(HIWORD(wparam));
    const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
    SetWindowPos(hwnd_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void FormWindow::use_dpi(int dpi) {
    if (dpi <= 0) return;
    scale_ = Scale{host::twips_per_inch / dpi, host::twips_per_inch / dpi};
    // The old fonts go at the end, once no control holds them.
    const UniqueFont old_palette_font = std::exchange(palette_font_, make_font(host::palette_font_name, dpi));
    const UniqueFont old_form_font = std::exchange(form_font_, make_font(host::form_font_name, dpi));
    for (const host::ControlLayout& place : layout_.controls) {
        const ControlState& control = controls_[place.id];
        if (control.window == nullptr) continue;
        const RECT rect = control_rect(layout_, place, scale_);
        SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(place)), TRUE);
        // A tip that is a region of the form moves with the control.
        TTTOOLINFOW tool = tool_info(place.id, control);
        if (control.has_tool && (tool.uFlags & TTF_IDISHWND) == 0)
            SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (tooltip_ != nullptr) SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(form_font_.get()), FALSE);
}

// The palette takes the focus when the program first shows it; after that,
// and always for the keypad, showing a window leaves the focus where it is.
void FormWindow::set_visible(bool visible) {
    if (!visible) {
        ShowWindow(hwnd_.get(), SW_HIDE);
        return;
    }
    const bool take_focus = layout_.main_window && !shown_before_;
    shown_before_ = true;
    if (!take_focus && IsWindowVisible(hwnd_.get())) return;  // shown already: SW_SHOWNA would change nothing
    // Under Wine the window manager may focus a window as it appears, and
    // Wine would activate it: a window shown without the focus declines that.
    if (!take_focus) decline_activation(hwnd_.get());
    ShowWindow(hwnd_.get(), take_focus ? SW_SHOW : SW_SHOWNA);
    if (take_focus) SetForegroundWindow(hwnd_.get());
}

host::WindowState FormWindow::state() const {
    if (IsIconic(hwnd_.get())) return host::WindowState::minimized;
    if (IsZoomed(hwnd_.get())) return host::WindowState::maximized;
    return host::WindowState::normal;
}

void FormWindow::set_state(host::WindowState state) {
    switch (state) {
    case host::WindowState::minimized: ShowWindow(hwnd_.get(), SW_MINIMIZE); return;
    case host::WindowState::maximized: ShowWindow(hwnd_.get(), SW_MAXIMIZE); return;
    case host::WindowState::normal: ShowWindow(hwnd_.get(), SW_RESTORE); return;
    }
}

// A control already showing what is set is left alone: each change is a
// round trip to the Wine server, and a shown button repaints at once. During
// start-up the palette is shown before its captions are set, and nothing is
// painted before the message loop runs: its buttons are held from drawing
// until its first paint, which shows the captions.
void FormWindow::set_text(int control, std::string_view text) {
    ControlState& state = controls_[control];
    if (state.text == text) return;
    state.text = text;
    if (state.window == nullptr) return;
    if (starting_ && !state.held && IsWindowVisible(hwnd_.get())) {
        SendMessageW(state.window, WM_SETREDRAW, FALSE, 0);
        state.held = true;
    }
    setting_text_ = true;
    SetWindowTextW(state.window, widen(text).c_str());
    setting_text_ = false;
}

void FormWindow::set_tooltip(int control, std::string_view text) {
    ControlState& state = controls_[control];
    if (state.tooltip == text) return;
    state.tooltip = text;
    show_tooltip_text(control, state);
}

void FormWindow::set_check(int control, int value) {
    ControlState& state = controls_[control];
    if (state.check == value) return;
    state.check = value;
    if (state.window != nullptr) SendMessageW(state.window, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void FormWindow::list_clear(int control) {
    ControlState& state = controls_[control];
    if (state.items.empty() && state.list_index == -1) return;
    state.items.clear();
    state.list_index = -1;
    if (state.window != nullptr) SendMessageW(state.window, LB_RESETCONTENT, 0, 0);
}

void FormWindow::list_add(int control, std::string_view item) {
    ControlState& state = controls_[control];
    state.items.emplace_back(item);
    if (state.window != nullptr)
        SendMessageW(state.window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
}

void FormWindow::set_list_index(int control, int index) {
    ControlState& state = controls_[control];
    state.list_index = index;
    if (state.window != nullptr) SendMessageW(state.window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void FormWindow::set_timer(int control, int interval_ms, bool enabled) {
    form_timers().set(events_, control, interval_ms, enabled);
}

// A control's window id is its id in the layout, past the menu ids.
std::optional<int> FormWindow::control_of(HWND window) const {
    const auto found = controls_.find(GetDlgCtrlID(window) - first_child_id);
    if (found == controls_.end() || found->second.window != window) return std::nullopt;
    return found->first;
}

HBRUSH FormWindow::background() const {
    return background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE);  // no brush left in GDI
}

// Nothing may unwind into user32. A failure the form's handlers did not
// catch (those run through the program's handler queue, which tells its
// own) is told here; the message it came from is dropped.
LRESULT CALLBACK FormWindow::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    FormWindow* self = nullptr;
    try {
        self = bound_to(window, message, lparam);
        if (self != nullptr) return self->handle(message, wparam, lparam);
        return DefWindowProcW(window, message, wparam, lparam);
    } catch (const std::exception& error) {
        self != nullptr ? self->report_(error.what()) : report_failure(error.what());
    } catch (...) {
        self != nullptr ? self->report_(messages::unexpected_error) : report_failure(messages::unexpected_error);
    }
    return 0;
}

FormWindow* FormWindow::bound_to(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A handler that reports to the form does so last: the form may destroy this
// window, and this object with it, before the call returns.
LRESULT FormWindow::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ACTIVATE: return on_activate(message, wparam, lparam);
    case WM_MOUSEACTIVATE: return on_mouse_activate(message, wparam, lparam);
    case WM_SIZE: return on_size();
    case WM_CLOSE: return on_close();
    case WM_COMMAND: return on_command(wparam, lparam);
    case WM_PAINT: return on_paint(message, wparam, lparam);
    case WM_ERASEBKGND: return on_erase_background(reinterpret_cast<HDC>(wparam));
    case WM_CTLCOLORBTN: return on_button_colour();
    case WM_DRAWITEM: return on_draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
    case WM_CTLCOLORSTATIC: return on_static_colour(reinterpret_cast<HDC>(wparam));
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: return on_field_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DPICHANGED: return on_dpi_changed(wparam, lparam);
    case WM_QUERYENDSESSION: return reporting_ ? events_.on_session_ending() : TRUE;
    case WM_ENDSESSION: return on_session_end(wparam != FALSE);
    case WM_GETMINMAXINFO: return on_min_max_info(*reinterpret_cast<MINMAXINFO*>(lparam));
    case WM_NCDESTROY: return on_final_destroy(message, wparam, lparam);
    default: return DefWindowProcW(hwnd_.get(), message, wparam, lparam);
    }
}

LRESULT FormWindow::on_activate(UINT message, WPARAM wparam, LPARAM lparam) {
    DefWindowProcW(hwnd_.get(), message, wparam, lparam);  // gives the window the keyboard focus
    if (reporting_ && LOWORD(wparam) != WA_INACTIVE) events_.on_activate();
    return 0;
}

// A click on a form that declines activation since a hand-back: the user
// wants the program's windows again.
LRESULT FormWindow::on_mouse_activate(UINT message, WPARAM wparam, LPARAM lparam) {
    if (accept_activation()) return MA_ACTIVATE;
    return DefWindowProcW(hwnd_.get(), message, wparam, lparam);
}

LRESULT FormWindow::on_size() {
    if (reporting_) events_.on_resize();
    return 0;
}

// The form decides; when it unloads, it destroys this window through its peer.
LRESULT FormWindow::on_close() {
    if (reporting_) events_.on_close_request();
    return 0;
}

LRESULT FormWindow::on_session_end(bool ending) {
    if (reporting_) events_.on_session_end(ending);
    return 0;
}

LRESULT FormWindow::on_command(WPARAM wparam, LPARAM lparam) {
    if (!reporting_) return 0;
    const int id = LOWORD(wparam);
    const int code = HIWORD(wparam);
    const auto from = reinterpret_cast<HWND>(lparam);
    if (from == nullptr) {
        // Menus send code 0 without a window; so do Enter and Esc, as IDOK and IDCANCEL.
        if (code == 0 && is_menu_command(layout_.menu, id)) events_.on_click(id);
        return 0;
    }
    const std::optional<int> control = control_of(from);
    if (!control) return 0;
    const host::ControlKind kind = controls_[*control].kind;
    if (kind == host::ControlKind::button && code == BN_CLICKED) {
        events_.on_click(*control);
    } else if (kind == host::ControlKind::check_box && code == BN_CLICKED) {
        const int value = SendMessageW(from, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        controls_[*control].check = value;
        events_.on_check_clicked(*control, value);
    } else if (kind == host::ControlKind::list_box && code == LBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0));
        controls_[*control].list_index = index;
        events_.on_list_selected(*control, index);
    } else if (kind == host::ControlKind::text_box && code == EN_CHANGE && !setting_text_) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(from)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(from, text.data(), static_cast<int>(text.size()))));
        controls_[*control].text = narrow(text);
        events_.on_text_changed(*control, controls_[*control].text);
    }
    return 0;
}

// The first paint comes before start-up is over. A form still waiting for
// controls in its client area gets them first; the palette, whose wait
// beyond it, paints its buttons with the captions they were given meanwhile.
LRESULT FormWindow::on_paint(UINT message, WPARAM wparam, LPARAM lparam) {
    if (starting_ && layout_.main_window)
        release_held();
    else if (starting_)
        create_controls();
    return DefWindowProcW(hwnd_.get(), message, wparam, lparam);
}

LRESULT FormWindow::on_erase_background(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_.get(), &client);
    FillRect(dc, &client, background());
    return 1;
}

// Push buttons paint the pixels around their face in the form's colour.
LRESULT FormWindow::on_button_colour() { return reinterpret_cast<LRESULT>(background()); }

LRESULT FormWindow::on_draw_item(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return FALSE;
    paint_button(item, button_face_.get());
    return TRUE;
}

// Frames, check boxes and labels stand on the form's colour.
LRESULT FormWindow::on_static_colour(HDC dc) {
    SetBkColor(dc, static_cast<COLORREF>(layout_.back_colour));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(background());
}

// Lists and the text box are darker; a control may name its own text colour.
LRESULT FormWindow::on_field_colour(HDC dc, HWND field) {
    const std::optional<int> id = control_of(field);
    const std::uint32_t colour = id ? host::layout_of(layout_, *id).text_colour : host::system_text_colour;
    SetBkColor(dc, static_cast<COLORREF>(host::list_colour));
    SetTextColor(dc, colour == host::system_text_colour ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(colour));
    return reinterpret_cast<LRESULT>(field_background_ ? field_background_.get() : GetSysColorBrush(COLOR_WINDOW));
}

LRESULT FormWindow::on_final_destroy(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = hwnd_.release();
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    tooltip_ = nullptr;
    return DefWindowProcW(window, message, wparam, lparam);
}

void register_form_class() {
    WNDCLASSEXW form_class{};
    form_class.cbSize = sizeof form_class;
    form_class.lpfnWndProc = FormWindow::window_procedure;
    const HINSTANCE program = GetModuleHandleW(nullptr);
    form_class.hInstance = program;
    form_class.hIcon = LoadIconW(program, MAKEINTRESOURCEW(1));
    if (form_class.hIcon == nullptr) form_class.hIcon = LoadIconW(nullptr, IDI_APPLICATION);  // a test's own exe
    form_class.hIconSm = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form_class.lpszClassName = form_class_name;
    // A factory made before (tests make several) has registered it already.
    if (RegisterClassExW(&form_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw_system_error(messages::window_class_not_registered);
}

}  // namespace

bool is_form(HWND window) {
    wchar_t name[32] = {};
    return window != nullptr && GetClassNameW(window, name, 32) > 0 && std::wstring_view(name) == form_class_name;
}

namespace {

BOOL CALLBACK collect_form(HWND window, LPARAM forms) noexcept {
    FormWindow* form = is_form(window) ? FormWindow::of(window) : nullptr;
    if (form == nullptr) return TRUE;
    try {
        reinterpret_cast<std::vector<FormWindow*>*>(forms)->push_back(form);
        return TRUE;
    } catch (...) {
        return FALSE;  // out of memory: the forms made so far get their controls
    }
}

}  // namespace

bool preprocess_form_message(MSG& message) {
    // Timer ticks and the rest go straight on, without a look at the window.
    const bool mouse = is_mouse_message(message.message);
    if (!mouse && !is_key_message(message.message)) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!is_form(root)) return false;
    if (mouse) {
        if (const FormWindow* form = FormWindow::of(root)) form->relay_to_tooltip(message);
        return false;
    }
    return IsDialogMessageW(root, &message);
}

Win32FormFactory::Win32FormFactory(const host::Screen& screen, Controls controls, FailureReport report)
    : screen_(screen), report_(std::move(report)), palette_first_(controls == Controls::palette_first) {
    register_form_class();
}

std::unique_ptr<host::FormPeer> Win32FormFactory::create_form(const host::FormLayout& layout, host::FormEvents& events) {
    auto window = std::make_unique<FormWindow>(layout, events,
                                               Scale{screen_.twips_per_pixel_x(), screen_.twips_per_pixel_y()},
                                               open_forms_, palette_first_, report_);
    window->start_reporting();
    return window;
}

void Win32FormFactory::complete_forms() {
    palette_first_ = false;
    std::vector<FormWindow*> forms;
    EnumThreadWindows(GetCurrentThreadId(), collect_form, reinterpret_cast<LPARAM>(&forms));
    for (FormWindow* form : forms) form->create_controls();
}

}  // namespace tastrel::win32
