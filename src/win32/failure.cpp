#include "win32/failure.h"

#include <stdexcept>
#include <string>

#include <windows.h>

#include "core/messages.h"
#include "win32/message_box.h"
#include "win32/wide.h"

namespace tastrel::win32 {

void report_failure(std::string_view what) noexcept {
    try {
        OutputDebugStringW((L"Tastrel: " + widen(what) + L"\n").c_str());
        Win32Dialogs dialogs;
        static_cast<host::Dialogs&>(dialogs).message_box(std::string(messages::unexpected_error) + std::string(what));
    } catch (...) {
        OutputDebugStringW(L"Tastrel: a failure could not be told\n");  // out of memory
    }
}

void throw_system_error(const char* what) {
    throw std::runtime_error(std::string(what) + " (Windows ｴﾗｰ " + std::to_string(GetLastError()) + ")");
}

}  // namespace tastrel::win32
