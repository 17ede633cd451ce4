#pragma once
// The settings files a user switches between: three registrations in the
// program's folder, and any other file named whole.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "settings/shared_state.h"

namespace tastrel {

inline constexpr std::array<const char*, 3> registrations = {"\\lw_m_data_01.txt", "\\lw_m_data_02.txt",
                                                             "\\lw_m_data_03.txt"};

// The place of a registration in the table; none for a file of the user's.
std::optional<std::size_t> registration_of(std::string_view data_file);

// Paths compare as the file system does: without regard to letter case.
bool same_path(std::string_view a, std::string_view b);

// The stored lines of a file read into `from`; the live state is left to
// Apply_Setting_Data.
void take_stored_lines(const SharedState& from, SharedState& to);

}  // namespace tastrel
