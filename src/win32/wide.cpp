#include "win32/wide.h"

#include <windows.h>

namespace tastrel::win32 {

std::wstring widen(std::string_view text, unsigned code_page) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, result.data(), length);
    return result;
}

std::string narrow(std::wstring_view utf16, unsigned code_page) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(code_page, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, utf16.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

}  // namespace tastrel::win32
