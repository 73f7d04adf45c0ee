// Prints the console's text attribute, so that the Wine tests can see what twoway left behind.
#include <windows.h>

#include <cstdio>

int main() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
    std::printf("console attribute none\n");
    return 1;
  }
  std::printf("console attribute 0x%02x\n", static_cast<unsigned>(info.wAttributes));
  return 0;
}
