// A resolver for the unit tests: answers from tables and records every call in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "resolve/address_text.h"

struct FakeResolver {
  std::map<std::string, Ipv4Address> address_of_name;
  std::map<Ipv4Address, std::string> name_of_address;
  bool start_fails = false;
  // "start", "name <query>", "address <dotted>", in the order they were made.
  std::vector<std::string> calls;
};

// The resolver the fake seam answers from; the tests set it up and reset it.
FakeResolver& TheFakeResolver();
