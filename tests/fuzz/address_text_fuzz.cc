// The conversion against the C library's inet_aton: the same verdict and the same address on every text.
#include <arpa/inet.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resolve/address_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<Ipv4Address> ours = ParseAddressText(text);
  in_addr reference{};
  const bool accepted = inet_aton(text.c_str(), &reference) != 0;
  if (ours.has_value() != accepted) std::abort();
  if (accepted && std::memcmp(ours->data(), &reference.s_addr, 4) != 0) std::abort();
  return 0;
}
