// The Windows console keeps its colour as an attribute of its own, outside the text stream.
#include <windows.h>

#include "console/console.h"

std::uint16_t QueryConsoleAttribute() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return 0;
  return info.wAttributes;
}

void ApplyConsoleAttribute(std::uint16_t attribute) {
  SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), attribute);
}
