#pragma once
#include "host/storage.h"

namespace tastrel::win32 {

// Files by UTF-8 path. A replacement is written beside the old file and moved
// over it only once it is complete and flushed.
class Win32FileStore : public host::FileStore {
public:
    std::optional<std::string> read_all(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool replace_with(const std::string& path, std::string_view bytes) override;
};

}  // namespace tastrel::win32
