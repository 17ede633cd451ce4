#include "logged_standin.h"

using e2e::windows_path;

namespace {

constexpr UINT open_popup = WM_APP + 1;

// In the work folder, made here when the stand-in starts before any sandbox.
std::wstring log_path(std::string_view name) {
    CreateDirectoryW(windows_path(E2E_WORK_DIR).c_str(), nullptr);
    return windows_path(E2E_WORK_DIR) + L"\\" + e2e::widen(name);
}

}  // namespace

LoggedStandIn::LoggedStandIn(std::string_view log_name)
    : log_(log_path(log_name)),
      process_(windows_path(STANDIN_EXE), L"--log \"" + log_path(log_name) + L"\"", windows_path(E2E_WORK_DIR)),
      window_(e2e::wait_window(process_.id(), nullptr, L"LightWave Modeler 5.6")) {}

bool LoggedStandIn::open_dialog(int edit_fields) const {
    PostMessageW(window_, open_popup, static_cast<WPARAM>(edit_fields), 0);
    // Its pop-up is owned by the main window and becomes the last active one.
    return e2e::wait_until([&] { return GetLastActivePopup(window_) != window_; });
}
