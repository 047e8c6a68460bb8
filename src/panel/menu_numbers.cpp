#include "panel/menu_numbers.h"

namespace velmarin {

namespace {

char Digit(int n) { return static_cast<char>('0' + n % 10); }

}  // namespace

std::string KeyPrefix(char key) { return std::string("&") + key + " "; }

std::string MenuCounter::Next() {
  n_ = (n_ + 1) % 10;
  return Same();
}

std::string MenuCounter::Same() const { return on_ ? KeyPrefix(Digit(n_)) : std::string(); }

std::string PageItemPrefix(bool numbersOn, int pageIndex) {
  if (!numbersOn || pageIndex < 0) return {};
  return KeyPrefix(Digit(pageIndex + 1));
}

std::string DrawerLetterPrefix(bool numbersOn, int shownBefore) {
  if (!numbersOn) return {};
  static constexpr char kLetters[] = {'Z', 'X', 'C', 'V'};
  return KeyPrefix(kLetters[shownBefore < 0 ? 0 : (shownBefore > 3 ? 3 : shownBefore)]);
}

}  // namespace velmarin
