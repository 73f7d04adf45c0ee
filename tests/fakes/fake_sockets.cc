#include "tests/fakes/fake_sockets.h"

#include <string>

#include "resolve/sockets.h"

FakeResolver& TheFakeResolver() {
  static FakeResolver resolver;
  return resolver;
}

std::string DottedAddress(const Ipv4Address& address) {
  return std::to_string(address[0]) + '.' + std::to_string(address[1]) + '.' + std::to_string(address[2]) +
         '.' + std::to_string(address[3]);
}

bool StartSockets() {
  TheFakeResolver().calls.push_back("start");
  return !TheFakeResolver().start_fails;
}

std::optional<Ipv4Address> QueryAddressOfName(const std::string& name) {
  FakeResolver& fake = TheFakeResolver();
  fake.calls.push_back("name " + name);
  const auto found = fake.address_of_name.find(name);
  if (found == fake.address_of_name.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> QueryNameOfAddress(const Ipv4Address& address) {
  FakeResolver& fake = TheFakeResolver();
  fake.calls.push_back("address " + DottedAddress(address));
  const auto found = fake.name_of_address.find(address);
  if (found == fake.name_of_address.end()) return std::nullopt;
  return found->second;
}
