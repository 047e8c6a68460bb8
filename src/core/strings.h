#pragma once
// Small string helpers shared by the app logic. Strings are UTF-8.
#include <string>
#include <string_view>

namespace velmarin {

// Number of characters (code points) in a UTF-8 string.
size_t Utf8Length(std::string_view s);
// ASCII letters upper-cased; other bytes (including every byte of a multi-byte character) kept.
std::string UpperAscii(std::string_view s);
// Leading and trailing spaces removed (spaces only; tabs stay).
std::string_view TrimSpaces(std::string_view s);
// The last character of s as a string (a whole UTF-8 sequence), empty for an empty s.
std::string_view LastChar(std::string_view s);

}  // namespace velmarin
