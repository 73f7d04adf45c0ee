// Copying answers out of a resolver's host entry. Both platforms hand back a `struct hostent` of the same
// shape that the resolver owns and reuses on its next call; these read it with every check the entry's
// own fields allow, and are templates so that the platform-free tests can feed them entries of their own.
#pragma once

#include <cstring>
#include <optional>
#include <string>

#include "resolve/address_text.h"

// AF_INET has the value 2 on every platform the tool is built for.
constexpr int kInternetFamily = 2;

template <typename HostEntry>
std::optional<Ipv4Address> FirstIpv4Address(const HostEntry* entry) {
  if (entry == nullptr || entry->h_addrtype != kInternetFamily) return std::nullopt;
  if (entry->h_length != static_cast<int>(sizeof(Ipv4Address))) return std::nullopt;
  if (entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr) return std::nullopt;
  Ipv4Address address;
  std::memcpy(address.data(), entry->h_addr_list[0], address.size());
  return address;
}

template <typename HostEntry>
std::optional<std::string> OfficialName(const HostEntry* entry) {
  if (entry == nullptr || entry->h_name == nullptr) return std::nullopt;
  return std::string(entry->h_name);
}
