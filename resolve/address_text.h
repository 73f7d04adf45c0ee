// The dotted-address conversion, written once so that every build reads an address text the same way.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// An IPv4 address as the resolver takes it: four bytes, most significant first (network order).
using Ipv4Address = std::array<std::uint8_t, 4>;

// Reads an address the way the C library's inet_aton does: one to four parts joined by dots, each
// decimal, octal (leading 0) or hexadecimal (leading 0x or 0X); the last part fills the bytes that are
// left and every part must fit its place. A blank after the last part ends the text. The text ends at
// its first NUL byte, as a C string would. Gives no address where inet_aton would fail; unlike
// inet_addr, that is never confused with 255.255.255.255.
std::optional<Ipv4Address> ParseAddressText(std::string_view text);
