// Winsock, asked for version 1.1 before every lookup so that no lookup depends on an earlier one. The
// layer stays started until the process ends.
#include <winsock2.h>

#include <cstring>

#include "resolve/host_entry.h"
#include "resolve/sockets.h"

bool StartSockets() {
  WSADATA record;
  return WSAStartup(MAKEWORD(1, 1), &record) == 0;
}

std::optional<Ipv4Address> QueryAddressOfName(const std::string& name) {
  return FirstIpv4Address(gethostbyname(name.c_str()));
}

std::optional<std::string> QueryNameOfAddress(const Ipv4Address& address) {
  return OfficialName(gethostbyaddr(reinterpret_cast<const char*>(address.data()),
                                    static_cast<int>(address.size()), AF_INET));
}

std::string DottedAddress(const Ipv4Address& address) {
  in_addr raw{};
  std::memcpy(&raw.s_addr, address.data(), address.size());
  const char* dotted = inet_ntoa(raw);
  return dotted != nullptr ? dotted : "";
}
