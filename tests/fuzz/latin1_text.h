#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The code page always hands the reader valid UTF-8: the fuzzer's bytes are read as Latin-1.
inline std::string latin1_text(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (const std::uint8_t* byte = data; byte != data + size; ++byte)
        text += *byte < 0x80 ? std::string(1, static_cast<char>(*byte))
                             : std::string{static_cast<char>(0xC0 | (*byte >> 6)), static_cast<char>(0x80 | (*byte & 0x3F))};
    return text;
}
