// The entry on POSIX: the shell has already split the command line, and the program's own path comes
// from the system rather than from what was typed.
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/driver.h"
#include "app/program_name.h"

namespace {

std::string RunningProgramPath(const char* typed) {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length > 0 && static_cast<std::size_t>(length) < sizeof path)
    return std::string(path, static_cast<std::size_t>(length));
  return typed != nullptr ? typed : "twoway";
}

}  // namespace

int main(int argc, char** argv) {
  // A reader that has gone away must be a failed write like any other, not a silent death.
  static_cast<void>(signal(SIGPIPE, SIG_IGN));
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return RunDriver(arguments, FileNameOfPath(RunningProgramPath(argv[0]), "/"));
}
