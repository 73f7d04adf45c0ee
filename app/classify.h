// Which road an argument takes: a numeric address is looked up in reverse first, anything else forward.
#pragma once

#include <string>
#include <string_view>

// True when every character is a decimal digit (so the empty text too).
bool IsAllDigits(std::string_view text);

// True when the text is taken for a numeric IPv4 address: at least 7 characters, nothing but digits and
// dots. Purely textual: the numbers' ranges and the dots' places are not looked at.
bool IsAddressText(std::string_view text);
