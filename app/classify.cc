#include "app/classify.h"

#include <algorithm>

bool IsAllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsAddressText(std::string_view text) {
  // Seven characters is the shortest dotted address ("1.2.3.4"); shorter texts go the forward road.
  if (text.size() < 7) return false;
  std::string digits(text);
  digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
  return IsAllDigits(digits);
}
