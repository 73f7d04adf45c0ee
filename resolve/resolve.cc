#include "resolve/resolve.h"

#include "resolve/address_text.h"
#include "resolve/sockets.h"

std::string HostToAddress(const std::string& name) {
  // An empty name is what a failed reverse lookup hands on: there is nothing to ask.
  if (name.empty()) return {};
  if (!StartSockets()) return {};
  const std::optional<Ipv4Address> address = QueryAddressOfName(name);
  if (!address) return {};
  return DottedAddress(*address);
}

std::string AddressToHost(const std::string& address) {
  if (!StartSockets()) return {};
  // A text that is no address has no name. Looking it up unchecked would ask for 255.255.255.255, the
  // C library's failure value, which many hosts files name: a failed forward lookup would then show a
  // name as its answer.
  const std::optional<Ipv4Address> converted = ParseAddressText(address);
  if (!converted) return {};
  return QueryNameOfAddress(*converted).value_or(std::string());
}
