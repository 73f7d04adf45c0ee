// The two lookups, text to text. The empty text is their only failure value: they report nothing else.
#pragma once

#include <string>

// The dotted text of the first address of host `name`, or the empty text.
std::string HostToAddress(const std::string& name);

// The official name of the host that the dotted `address` belongs to, or the empty text.
std::string AddressToHost(const std::string& address);
