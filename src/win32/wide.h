#pragma once
// UTF-8 inside the program, UTF-16 at the Win32 boundary.
#include <string>
#include <string_view>

namespace tastrel::win32 {

// Text in a code page (UTF-8 unless told) to UTF-16 and back; empty when it
// does not convert.
std::wstring widen(std::string_view text, unsigned code_page = 65001);
std::string narrow(std::wstring_view utf16, unsigned code_page = 65001);

}  // namespace tastrel::win32
