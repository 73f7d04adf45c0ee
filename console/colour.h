// Colour arithmetic on console attributes (see console/console.h), free of any platform.
#pragma once

#include <cstdint>
#include <string>

// The light green of the banner.
constexpr std::uint8_t kLightGreen = 10;

// The attribute that stands for a terminal's own colours.
constexpr std::uint16_t kTerminalDefault = 0x07;

// `current` with its foreground replaced: the low byte with bits 0-3 cleared, or-ed with all 8 bits of
// `colour`. The display flags of the high byte are not carried over.
std::uint16_t WithForeground(std::uint16_t current, std::uint8_t colour);

// Sets the foreground colour of the console and keeps its background.
void SetForeground(std::uint8_t colour);

// The control sequence (SGR) that shows `attribute` on a terminal: a reset for the terminal's own
// colours, otherwise 30-37 or 90-97 for the foreground and, unless it is 0, 40-47 or 100-107 for the
// background.
std::string AttributeToSgr(std::uint16_t attribute);
