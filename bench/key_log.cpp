#include "key_log.h"

#include <charconv>
#include <cstdio>

#include <windows.h>

#include "win32/handles.h"

namespace {

using tastrel::win32::UniqueHandle;

// Shared like the stand-in's own handle, so it can keep writing meanwhile.
UniqueHandle open_for_reading(const std::wstring& path) {
    return tastrel::win32::owned_file(CreateFileW(path.c_str(), GENERIC_READ,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

std::uint64_t KeyLog::size() const {
    const UniqueHandle file = open_for_reading(path_);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::string KeyLog::read_from(std::uint64_t offset) const {
    const UniqueHandle file = open_for_reading(path_);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || static_cast<std::uint64_t>(size.QuadPart) <= offset) return {};
    LARGE_INTEGER start{};
    start.QuadPart = static_cast<LONGLONG>(offset);
    SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN);
    std::string bytes(static_cast<std::size_t>(static_cast<std::uint64_t>(size.QuadPart) - offset), '\0');
    DWORD read = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

std::optional<long long> KeyLog::find(std::uint64_t offset, std::string_view message, unsigned vk,
                                      std::string_view target) const {
    char wanted[48], wanted_target[48];
    std::snprintf(wanted, sizeof wanted, " %.*s vk=%02X ", static_cast<int>(message.size()), message.data(), vk);
    std::snprintf(wanted_target, sizeof wanted_target, " target=%.*s ", static_cast<int>(target.size()), target.data());
    const std::string text = read_from(offset);
    // Whole lines only: the stand-in may be half-way through writing the last.
    for (std::size_t start = 0, end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        const std::string_view line(text.data() + start, end - start);
        const std::size_t field = line.find(" qpc=");
        if (line.find(wanted) == std::string_view::npos || field == std::string_view::npos) continue;
        if (!target.empty() && line.find(wanted_target) == std::string_view::npos) continue;
        long long qpc = 0;
        const std::string_view digits = line.substr(field + 5);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), qpc).ec == std::errc()) return qpc;
    }
    return std::nullopt;
}
