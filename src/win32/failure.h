#pragma once
// Failures of the system that the program cannot work around, and failures
// nothing else caught: each is told to the user and written where a Windows
// developer looks (the debugger's output).
#include <functional>
#include <string_view>

namespace tastrel::win32 {

using FailureReport = std::function<void(std::string_view what)>;

// The unexpected-error message with what went wrong, and the same in the debugger's output.
void report_failure(std::string_view what) noexcept;

// Throws std::runtime_error with the text and the system's last error code.
[[noreturn]] void throw_system_error(const char* what);

}  // namespace tastrel::win32
