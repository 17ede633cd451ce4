#include "win32/file_store.h"

#include <algorithm>

#include <windows.h>

#include "win32/handles.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

constexpr DWORD chunk_size = 1 << 20;

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), chunk_size));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Writes the bytes to the temporary file, over any left by an earlier crash;
// `created` tells the caller there is now a file of ours to remove on failure.
bool write_new_file(const std::wstring& path, std::string_view bytes, bool& created) {
    UniqueHandle file = owned_file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    created = true;
    // Flushed before the move, so a crash cannot leave a renamed but empty file.
    return write_all(file.get(), bytes) && FlushFileBuffers(file.get());
}

}  // namespace

std::optional<std::string> Win32FileStore::read_all(const std::string& path) {
    UniqueHandle file = owned_file(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    std::string chunk(64 * 1024, '\0');
    for (;;) {
        DWORD read = 0;
        // A read that fails once the file is open ends the data: the check
        // judges what came before, as it judges a file cut short.
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) return bytes;
        if (read == 0) return bytes;
        bytes.append(chunk.data(), read);
    }
}

bool Win32FileStore::exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileStore::replace_with(const std::string& path, std::string_view bytes) {
    const std::wstring target = widen(path);
    if (target.empty()) return false;
    const std::wstring temporary = target + L".tmp";
    bool created = false;
    if (write_new_file(temporary, bytes, created) &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (created) DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace tastrel::win32
