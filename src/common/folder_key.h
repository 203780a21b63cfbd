#pragma once

// The key of a special folder: a text (a folder path or a name from the key
// table), a 16-bit special-folder number, or a value of another type, which is
// always refused. A plain int is 32-bit and therefore of another type: write
// std::int16_t{5} for the number 5.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace tidemark {

// A key of a type the lookup does not take; `shownAs` is how the refusal
// message writes it.
struct OtherTypeKey {
    std::string shownAs;
};

class FolderKey {
public:
    FolderKey(std::string text) : value_(std::move(text)) {}
    FolderKey(const char* text) : value_(std::string(text)) {}
    FolderKey(std::int16_t number) : value_(number) {}
    FolderKey(std::int32_t number) : value_(OtherTypeKey{std::to_string(number)}) {}
    FolderKey(OtherTypeKey other) : value_(std::move(other)) {}

    const std::string* Text() const { return std::get_if<std::string>(&value_); }
    const std::int16_t* Number() const { return std::get_if<std::int16_t>(&value_); }
    const OtherTypeKey* Other() const { return std::get_if<OtherTypeKey>(&value_); }

private:
    std::variant<std::string, std::int16_t, OtherTypeKey> value_;
};

}  // namespace tidemark
