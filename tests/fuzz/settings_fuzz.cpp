// Any bytes as a settings file: the reader and the check must come to an end
// without a fault.
#include <cstdint>

#include "latin1_text.h"
#include "settings/settings_file.h"

using namespace tastrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SharedState state;
    read_settings_text(latin1_text(data, size), state);
    first_settings_fault(state, settings_header);
    return 0;
}
