#include "support/settings_files.h"

#include <algorithm>

namespace tastrel::test {

std::vector<std::string> valid_settings_lines() {
    std::vector<std::string> lines{"lw_modeler_setting_01", "0"};
    for (char c = 'a'; c < 'a' + 24; ++c) lines.push_back("cmd_^(" + std::string(1, c) + "),name_B" + std::to_string(c - 'a'));
    lines.insert(lines.end(), {"Pos_X5280", "Pos_Y1500", "TPos_X3000", "TPos_Y1200", "0", "0", "0", "end"});
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

}  // namespace tastrel::test
