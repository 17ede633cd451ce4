#pragma once
// The stand-in's key log, read while the stand-in writes it: which key
// messages arrived after a given point, and when.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class KeyLog {
public:
    explicit KeyLog(std::wstring path) : path_(std::move(path)) {}

    // Its length in bytes now: lines written later start at or after it.
    std::uint64_t size() const;
    // The qpc field of the first line after `offset` for this message
    // ("KEYDOWN", "KEYUP") and virtual key, sent to `target` ("popup-edit1")
    // when one is given; nothing while there is none.
    std::optional<long long> find(std::uint64_t offset, std::string_view message, unsigned vk,
                                  std::string_view target = {}) const;

private:
    std::string read_from(std::uint64_t offset) const;

    std::wstring path_;
};
