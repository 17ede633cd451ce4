#include "support/settings_files.h"

namespace tastrel::test {

std::vector<std::string> valid_settings_lines() {
    std::vector<std::string> lines{"lw_modeler_setting_01", "0"};
    for (int i = 0; i < 24; ++i) lines.push_back("cmd_^(" + std::string(1, static_cast<char>('a' + i)) + "),name_B" + std::to_string(i));
    for (const char* line : {"Pos_X5280", "Pos_Y1500", "TPos_X3000", "TPos_Y1200", "0", "0", "0", "end"})
        lines.emplace_back(line);
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace tastrel::test
