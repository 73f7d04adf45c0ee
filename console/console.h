// The console's text attribute: the colour of what is written next. Each platform has a file of its own
// behind this header.
//
// The attribute is the Windows console's 16-bit one: foreground in bits 0-3 (blue, green, red,
// intensity), background in bits 4-7 laid out the same way, display flags in the high byte.
#pragma once

#include <cstdint>

// The attribute of the console behind standard output; 0 when standard output is not a console.
std::uint16_t QueryConsoleAttribute();

// Makes `attribute` the console's colour for what follows. Has no effect where standard output is not
// a console; whether it took is not reported.
void ApplyConsoleAttribute(std::uint16_t attribute);
