#pragma once
// The settings file's 34 lines: reading them into the stored state, checking
// them, and composing them again from the live state.
#include <optional>
#include <string>
#include <string_view>

#include "settings/shared_state.h"

namespace tastrel {

// Reads the items of the file's text into the stored lines, in file order.
// Items missing from a short file keep their values; items after the 34th are
// assigned to nothing.
void read_settings_text(std::string_view text, SharedState& state);

// The message of the first test the stored lines fail, nothing when they pass.
// A key line that is "cmd_" alone becomes "cmd_ " on the way: the space the
// reader dropped.
std::optional<std::string_view> first_settings_fault(SharedState& state, std::string_view expected_header);

// The stored lines as the whole file, each line ended by CR LF. A field the
// reader would not give back as it stands is written in double quotes.
std::string settings_text(const SharedState& state);

// Refills the stored key, caption and position lines from the live state and
// returns settings_text of them.
std::string compose_settings_text(SharedState& state);

// What the program takes in from the stored lines: the live key strings and
// captions without their prefixes, and the four window positions, each
// number read leniently and rounded to whole twips.
void take_in_assignments(SharedState& state);
void take_in_positions(SharedState& state);

// The three key strings that type a comma are stored with "!" in its place.
std::string to_file_form(std::string_view key_string);
std::string from_file_form(std::string_view stored);

}  // namespace tastrel
