#include "resolve/address_text.h"

namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The C library's isspace in the "C" locale.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// One part, read as strtoul reads with base 0 from a leading digit: "0x" followed by a hexadecimal digit
// opens hexadecimal, another leading "0" octal. Moves `pos` past the digits used. Gives no value when the
// number does not fit in 32 bits.
std::optional<std::uint32_t> ReadPart(std::string_view text, std::size_t& pos) {
  int base = 10;
  if (text[pos] == '0') {
    base = 8;
    const bool hex_prefix = pos + 2 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
                            DigitValue(text[pos + 2]) < 16;
    if (hex_prefix) {
      base = 16;
      pos += 2;
    }
  }
  std::uint64_t value = 0;
  bool too_large = false;
  for (; pos < text.size() && DigitValue(text[pos]) < base; ++pos) {
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(DigitValue(text[pos]));
    if (value > 0xffffffffu) {
      too_large = true;
      value = 0xffffffffu + std::uint64_t{1};  // keeps the sum from wrapping while the digits run on
    }
  }
  if (too_large) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::optional<Ipv4Address> ParseAddressText(std::string_view text) {
  text = text.substr(0, text.find('\0'));

  Ipv4Address address{};
  std::size_t leading_parts = 0;  // parts before the last one, one byte each
  std::size_t pos = 0;
  std::uint32_t last = 0;
  for (;;) {
    if (pos >= text.size() || !IsDecimalDigit(text[pos])) return std::nullopt;
    const std::optional<std::uint32_t> part = ReadPart(text, pos);
    if (!part) return std::nullopt;
    if (pos < text.size() && text[pos] == '.') {
      if (leading_parts == 3 || *part > 0xff) return std::nullopt;
      address[leading_parts++] = static_cast<std::uint8_t>(*part);
      ++pos;
      continue;
    }
    last = *part;
    break;
  }
  if (pos < text.size() && !IsBlank(text[pos])) return std::nullopt;

  // The last part fills the bytes the leading parts left: 32 bits alone, 24 after one part, and so on.
  const std::size_t free_bytes = 4 - leading_parts;
  if (free_bytes < 4 && last >> (8 * free_bytes) != 0) return std::nullopt;
  for (std::size_t i = 0; i < free_bytes; ++i) {
    address[3 - i] = static_cast<std::uint8_t>(last >> (8 * i));
  }
  return address;
}
