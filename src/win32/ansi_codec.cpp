#include "win32/ansi_codec.h"

#include <windows.h>

#include "win32/wide.h"

namespace tastrel::win32 {

std::optional<std::string> SystemAnsiCodec::to_ansi(std::string_view utf8) const {
    const std::wstring text = widen(utf8);
    if (text.empty()) {
        if (utf8.empty()) return std::string();
        return std::nullopt;  // not UTF-8 at all
    }
    // With UTF-8 as the ANSI code page every character has a form, and the
    // used-default flag is refused for it.
    if (GetACP() == CP_UTF8) return narrow(text);
    const int size = static_cast<int>(text.size());
    // No best fit: "¥" must not quietly become a backslash, nor "é" an "e".
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    BOOL used_default = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, &used_default);
    if (length <= 0 || used_default) return std::nullopt;
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), size, result.data(), length, nullptr, &used_default);
    if (used_default) return std::nullopt;
    return result;
}

std::string SystemAnsiCodec::from_ansi(std::string_view bytes) const { return narrow(widen(bytes, CP_ACP)); }

}  // namespace tastrel::win32
