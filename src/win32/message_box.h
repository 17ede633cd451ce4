#pragma once
#include "host/dialogs.h"

namespace tastrel::win32 {

// MessageBoxW without an icon, owned by the program's active window.
class Win32Dialogs : public host::Dialogs {
public:
    host::Answer message_box(std::string_view text, std::string_view title, host::Buttons buttons) override;
};

}  // namespace tastrel::win32
