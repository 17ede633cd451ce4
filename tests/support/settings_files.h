#pragma once
// Settings files for tests, as lists of lines.
#include <string>
#include <vector>

namespace tastrel::test {

// A valid file: custom assignments on every slot, positions, all switches.
std::vector<std::string> valid_settings_lines();
// The lines joined with CR LF after each, as the program writes them, and split again.
std::string join_lines(const std::vector<std::string>& lines);
std::vector<std::string> split_lines(const std::string& text);

}  // namespace tastrel::test
