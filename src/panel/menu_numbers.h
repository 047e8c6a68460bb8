#pragma once
// Access-key numbers before the captions of the popup menus' changing items, when MenuNumbers is
// on: "&1 " marks an underlined 1 followed by a space.
#include <string>

namespace velmarin {

// "&", the digit or letter, " ".
std::string KeyPrefix(char key);

// Counts the items of one build: each item made visible takes the next digit 1, 2, ... 9, 0, 1.
class MenuCounter {
 public:
  explicit MenuCounter(bool numbersOn) : on_(numbersOn) {}
  // The prefix for the next item; "" when numbers are off.
  std::string Next();
  // The prefix the last Next gave, for an item that shares its number.
  std::string Same() const;

 private:
  bool on_;
  int n_ = 0;
};

// A page item's prefix: the page's index + 1, its last digit only.
std::string PageItemPrefix(bool numbersOn, int pageIndex);
// The prefix of the button menu's drawer item, by how many were shown before it: Z, X, C, then V.
std::string DrawerLetterPrefix(bool numbersOn, int shownBefore);

}  // namespace velmarin
