// The classification is purely textual: at least seven characters, digits and dots only.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/classify.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  bool digits = true;
  bool digits_and_dots = true;
  for (const char c : text) {
    const bool digit = c >= '0' && c <= '9';
    digits = digits && digit;
    digits_and_dots = digits_and_dots && (digit || c == '.');
  }
  if (IsAllDigits(text) != digits) std::abort();
  if (IsAddressText(text) != (text.size() >= 7 && digits_and_dots)) std::abort();
  return 0;
}
