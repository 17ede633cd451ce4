#pragma once
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
};

}  // namespace tastrel::host
