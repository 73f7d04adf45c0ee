#include <windows.h>

#include <algorithm>

#include "console/stdout.h"

const std::string_view kLineEnd = "\r\n";

namespace {

int WriteAll(DWORD which, std::string_view bytes) {
  HANDLE handle = GetStdHandle(which);
  // A process started without the handle gets none, or an invalid one.
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return ERROR_INVALID_HANDLE;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr)) {
      // 0 would read as success to the caller.
      const DWORD error = GetLastError();
      return static_cast<int>(error != 0 ? error : ERROR_WRITE_FAULT);
    }
    // A write that takes nothing would be retried for ever.
    if (written == 0) return ERROR_WRITE_FAULT;
    bytes.remove_prefix(written);
  }
  return 0;
}

}  // namespace

// GetConsoleMode succeeds on a console handle only; GetFileType calls a character device a console too.
bool StandardOutputIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

int WriteStandardOutput(std::string_view bytes) { return WriteAll(STD_OUTPUT_HANDLE, bytes); }

void WriteStandardError(std::string_view bytes) { static_cast<void>(WriteAll(STD_ERROR_HANDLE, bytes)); }

std::string SystemErrorText(int code) {
  char text[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                      text, sizeof text, nullptr);
  std::string message(text, length);
  // The system's messages end in a full stop and a line end; the report goes on after it.
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' ||
                              message.back() == '.')) {
    message.pop_back();
  }
  return message.empty() ? "unknown error" : message;
}
