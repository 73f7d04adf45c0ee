// The system resolver of a POSIX C library: hosts file, DNS and whatever else NSS is set up to ask, in
// the machine's own order. gethostbyname keeps the resolver's order of addresses, which getaddrinfo
// would re-sort.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstring>

#include "resolve/host_entry.h"
#include "resolve/sockets.h"

bool StartSockets() { return true; }

std::optional<Ipv4Address> QueryAddressOfName(const std::string& name) {
  return FirstIpv4Address(gethostbyname(name.c_str()));
}

std::optional<std::string> QueryNameOfAddress(const Ipv4Address& address) {
  return OfficialName(gethostbyaddr(address.data(), static_cast<socklen_t>(address.size()), AF_INET));
}

std::string DottedAddress(const Ipv4Address& address) {
  in_addr raw{};
  std::memcpy(&raw.s_addr, address.data(), address.size());
  return inet_ntoa(raw);
}
