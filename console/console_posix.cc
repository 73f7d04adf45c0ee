// A terminal takes colours as control sequences in the text stream and cannot be asked for its current
// colours, so this layer remembers the attribute it last applied, starting from the one that stands for
// the terminal's own colours.
#include "console/colour.h"
#include "console/console.h"
#include "console/stdout.h"

namespace {

std::uint16_t applied_attribute = kTerminalDefault;

}  // namespace

std::uint16_t QueryConsoleAttribute() { return StandardOutputIsConsole() ? applied_attribute : 0; }

void ApplyConsoleAttribute(std::uint16_t attribute) {
  if (!StandardOutputIsConsole()) return;
  applied_attribute = attribute;
  // Written raw: the sequence is meant for the terminal, and the escaping of lines must not touch it.
  static_cast<void>(WriteStandardOutput(AttributeToSgr(attribute)));
}
