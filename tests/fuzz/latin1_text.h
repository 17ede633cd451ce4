#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The code page always hands the reader valid UTF-8: the fuzzer's bytes are
// read as Latin-1.
inline std::string latin1_text(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80) {
            text += static_cast<char>(data[i]);
        } else {
            text += static_cast<char>(0xC0 | (data[i] >> 6));
            text += static_cast<char>(0x80 | (data[i] & 0x3F));
        }
    }
    return text;
}
