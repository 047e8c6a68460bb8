#include "run/edit_position.h"

namespace velmarin {

namespace {

// The byte length of the UTF-8 sequence starting with lead, and how many UTF-16 units the
// character takes. A stray continuation byte counts as one character of one byte.
void Measure(unsigned char lead, size_t& bytes, int& units) {
  units = 1;
  if (lead < 0xC0) {
    bytes = 1;
  } else if (lead < 0xE0) {
    bytes = 2;
  } else if (lead < 0xF0) {
    bytes = 3;
  } else {
    bytes = 4;
    units = 2;
  }
}

}  // namespace

int EditLength(std::string_view utf8) {
  int units = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    size_t bytes = 0;
    int width = 0;
    Measure(static_cast<unsigned char>(utf8[i]), bytes, width);
    i += bytes;
    units += width;
  }
  return units;
}

size_t ByteOffsetOfEditPosition(std::string_view utf8, int position) {
  int units = 0;
  size_t i = 0;
  while (i < utf8.size() && units < position) {
    size_t bytes = 0;
    int width = 0;
    Measure(static_cast<unsigned char>(utf8[i]), bytes, width);
    i += bytes;
    units += width;
  }
  return i < utf8.size() ? i : utf8.size();
}

}  // namespace velmarin
