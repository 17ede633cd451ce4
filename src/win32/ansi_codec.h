#pragma once
#include "host/storage.h"

namespace tastrel::win32 {

// The system's ANSI code page (CP_ACP), as the settings file and the ANSI
// window functions use it.
class SystemAnsiCodec : public host::AnsiCodec {
public:
    std::optional<std::string> to_ansi(std::string_view utf8) const override;
    std::string from_ansi(std::string_view bytes) const override;
};

}  // namespace tastrel::win32
