#pragma once
// Settings files for tests, as lists of lines.
#include <string>
#include <vector>

namespace tastrel::test {

// A valid file: custom assignments on every slot, positions, all switches.
std::vector<std::string> valid_settings_lines();
// The lines joined with CR LF after each, as the program writes them.
std::string join_lines(const std::vector<std::string>& lines);
// A file's text split at its CR LF line ends.
std::vector<std::string> split_lines(const std::string& text);

}  // namespace tastrel::test
