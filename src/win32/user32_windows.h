#pragma once
#include "host/storage.h"
#include "host/window_system.h"

#include <windows.h>

namespace tastrel::win32 {

// user32's window functions over opaque handles. Titles go through the ANSI
// functions, as Modeler's windows are found and read by their ANSI titles.
class User32Windows : public host::WindowSystem {
public:
    explicit User32Windows(const host::AnsiCodec& codec) : codec_(codec) {}

    ~User32Windows() override { report_events(nullptr); }
    void report_events(host::WindowEvents* events) override;
    host::WindowHandle find_first_window(std::span<const std::string_view> titles) override;
    bool is_window(host::WindowHandle window) override;
    std::string window_text(host::WindowHandle window, int max_chars) override;
    host::WindowHandle last_active_popup(host::WindowHandle window) override;
    bool put_in_band(host::WindowHandle window, host::ZBand band, host::PixelRect rect) override;
    std::optional<host::PixelPoint> normal_position(host::WindowHandle window) override;
    host::PixelPoint workspace_offset(host::WindowHandle window) override;
    bool activate(host::WindowHandle window, host::Minimised minimised) override;
    host::WindowHandle top_child(host::WindowHandle parent) override;
    host::WindowHandle next_sibling(host::WindowHandle window) override;
    std::string class_name(host::WindowHandle window, int max_chars) override;
    bool focus_control(host::WindowHandle control) override;

private:
    template <class Read>
    std::string ansi_text(int max_chars, Read read) const;

    const host::AnsiCodec& codec_;
    struct Control {
        HWND control, top;
        DWORD thread;
    } field_{};  // the control focused last, its top-level window and its thread
    // Whether this system gives placements in workspace coordinates, as
    // Windows says it does, until a window in its normal state shows otherwise.
    bool workspace_placements_ = true;
};

}  // namespace tastrel::win32
