#pragma once
// Files and the system's ANSI code page, the only places where text leaves UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace tastrel::host {

class FileStore {
public:
    virtual ~FileStore() = default;
    // The whole file as bytes; nothing when it cannot be opened. A read error
    // after the open ends the bytes there.
    virtual std::optional<std::string> read_all(const std::string& path) = 0;
    // Whether there is a file at the path, read or not: another program may
    // hold it open without sharing, or it may be closed to this user.
    virtual bool exists(const std::string& path) = 0;
    // Writes the bytes to a new file beside `path` and puts it in place of the
    // old one only when it is complete. False when anything failed, in which
    // case the old file is as it was.
    virtual bool replace_with(const std::string& path, std::string_view bytes) = 0;
};

class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    // Nothing when a character has no form in the code page.
    virtual std::optional<std::string> to_ansi(std::string_view utf8) const = 0;
    virtual std::string from_ansi(std::string_view bytes) const = 0;
};

}  // namespace tastrel::host
