// The entry on the Windows console: a program gets its command line whole and splits it itself, and its
// own path comes from the system rather than from what was typed.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/driver.h"
#include "app/program_name.h"

namespace {

std::string RunningProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "twoway.exe";
    // A path that filled the buffer may have been cut short: try again with more room.
    if (length < path.size() || path.size() >= 32768) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int main() {
  const std::vector<std::string> words = SplitCommandLine(GetCommandLineA());
  std::vector<std::string_view> arguments(words.begin(), words.end());
  // The first word is the program's own.
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return RunDriver(arguments, FileNameOfPath(RunningProgramPath(), "\\:"));
}
