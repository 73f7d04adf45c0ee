#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "console/stdout.h"

const std::string_view kLineEnd = "\n";

bool StandardOutputIsConsole() { return isatty(STDOUT_FILENO) == 1; }

namespace {

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // A write that takes nothing would be retried for ever.
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

int WriteStandardOutput(std::string_view bytes) { return WriteAll(STDOUT_FILENO, bytes); }

void WriteStandardError(std::string_view bytes) { static_cast<void>(WriteAll(STDERR_FILENO, bytes)); }

std::string SystemErrorText(int code) { return std::strerror(code); }
