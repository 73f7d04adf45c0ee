#include "console/colour.h"

#include "console/console.h"

std::uint16_t WithForeground(std::uint16_t current, std::uint8_t colour) {
  return static_cast<std::uint16_t>((current & 0xf0) | colour);
}

void SetForeground(std::uint8_t colour) {
  ApplyConsoleAttribute(WithForeground(QueryConsoleAttribute(), colour));
}

namespace {

// The console orders its colour bits blue, green, red; a terminal numbers its colours red 1, green 2,
// blue 4. Gives the terminal's colour number (0-7) and whether the intensity bit is set.
unsigned TerminalColour(unsigned console_colour) {
  return ((console_colour & 1) << 2) | (console_colour & 2) | ((console_colour & 4) >> 2);
}

}  // namespace

std::string AttributeToSgr(std::uint16_t attribute) {
  const unsigned foreground = attribute & 0x0f;
  const unsigned background = (attribute >> 4) & 0x0f;
  if (foreground == kTerminalDefault && background == 0) return "\x1b[0m";
  const bool bright_foreground = (foreground & 8) != 0;
  std::string sgr = "\x1b[" + std::to_string((bright_foreground ? 90 : 30) + TerminalColour(foreground));
  if (background != 0) {
    const bool bright_background = (background & 8) != 0;
    sgr += ';' + std::to_string((bright_background ? 100 : 40) + TerminalColour(background));
  }
  return sgr + 'm';
}
