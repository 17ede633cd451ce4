#include "win32/app_services.h"

#include <windows.h>

#include "win32/message_pump.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

// Per session: another user's copy on the same machine is not in the way.
constexpr const wchar_t* instance_mutex_name = L"Local\\Tastrel.SingleInstance";

std::wstring module_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: a long path
    }
}

}  // namespace

std::string Win32App::program_folder() const {
    std::wstring path = module_path();
    const std::size_t separator = path.find_last_of(L"\\/");
    path.resize(separator == std::wstring::npos ? 0 : separator);
    return narrow(path);
}

bool Win32App::previous_instance() {
    if (!another_instance_) {
        instance_mutex_.reset(CreateMutexW(nullptr, FALSE, instance_mutex_name));
        another_instance_ = instance_mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return *another_instance_;
}

void Win32App::beep() { MessageBeep(MB_OK); }

// A press's yield lasts no longer than its keys wait: no paints.
void Win32App::do_events() { handle_sent_messages(false); }

std::uint64_t Win32App::now_ms() { return GetTickCount64(); }

void Win32App::trace(std::string_view text) { OutputDebugStringW((L"Tastrel: " + widen(text) + L"\n").c_str()); }

void Win32App::end_process() { ExitProcess(0); }

}  // namespace tastrel::win32
