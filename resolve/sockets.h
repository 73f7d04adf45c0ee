// The platform's host resolver, reduced to the four things the lookups need. Each platform has a file of
// its own behind this header; the tests put a recording fake in its place.
#pragma once

#include <optional>
#include <string>

#include "resolve/address_text.h"

// Readies the sockets layer for one lookup (Winsock wants a start-up call; POSIX has nothing to do).
bool StartSockets();

// The first IPv4 address the resolver gives for `name`, in the resolver's own order; none when the
// name is unknown or its entry holds no IPv4 address.
std::optional<Ipv4Address> QueryAddressOfName(const std::string& name);

// The official name the resolver registers for `address`; none when it has no entry.
std::optional<std::string> QueryNameOfAddress(const Ipv4Address& address);

// The address in dotted decimal, as the platform's inet_ntoa writes it.
std::string DottedAddress(const Ipv4Address& address);
