// The escaping of lines: no control byte comes out, and every other byte comes out as it went in.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/output.h"

namespace {

bool IsControl(unsigned char byte) { return byte < 32 || byte == 127; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string escaped = EscapeControlBytes(text);
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t at = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsControl(byte)) {
      const std::string expected{'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
      if (escaped.compare(at, 4, expected) != 0) std::abort();
      at += 4;
    } else {
      if (at >= escaped.size() || escaped[at] != c) std::abort();
      ++at;
    }
  }
  if (at != escaped.size()) std::abort();
  for (const char c : escaped) {
    if (IsControl(static_cast<unsigned char>(c))) std::abort();
  }
  return 0;
}
