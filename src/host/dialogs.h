#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tastrel::host {

enum class Buttons { ok, yes_no_cancel };  // Yes is the default button of the second set
enum class Answer { ok, yes, no, cancel };

inline constexpr std::string_view app_title = "Tastrel";

// Message boxes: no icon, the given buttons, modal to the program.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message_box(std::string_view text, std::string_view title = app_title,
                               Buttons buttons = Buttons::ok) = 0;
    // The standard Open and Save dialogs for a settings file, starting in
    // `folder`: the path chosen, nothing when the user cancelled. Saving
    // asks before it replaces a file.
    virtual std::optional<std::string> choose_file_to_open(std::string_view folder) = 0;
    virtual std::optional<std::string> choose_file_to_save(std::string_view folder, std::string_view name) = 0;
};

}  // namespace tastrel::host
