#pragma once
#include "host/dialogs.h"

namespace tastrel::win32 {

// MessageBoxW without an icon and the common Open and Save dialogs, owned by
// the program's active window.
class Win32Dialogs : public host::Dialogs {
public:
    host::Answer message_box(std::string_view text, std::string_view title, host::Buttons buttons) override;
    std::optional<std::string> choose_file_to_open(std::string_view folder) override;
    std::optional<std::string> choose_file_to_save(std::string_view folder, std::string_view name) override;
};

}  // namespace tastrel::win32
