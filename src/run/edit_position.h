#pragma once
// Positions in the Run box's field as the field counts them (UTF-16 units: a character outside
// the basic plane counts two) against the UTF-8 text the app logic keeps.
#include <cstddef>
#include <string_view>

namespace velmarin {

// The length of the text as the field counts it.
int EditLength(std::string_view utf8);
// The byte offset of a field position; a position past the end gives the text's size, one
// inside a character gives the start of the next character.
size_t ByteOffsetOfEditPosition(std::string_view utf8, int position);

}  // namespace velmarin
