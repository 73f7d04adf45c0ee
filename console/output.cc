#include "console/output.h"

#include "console/stdout.h"

Output OpenStandardOutput() {
  Output out;
  out.line_by_line = StandardOutputIsConsole();
  return out;
}

namespace {

// Escapes straight into the line being gathered, so that a line is copied once.
void AppendEscaped(std::string& escaped, std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      escaped += "\\x";
      escaped += kHexDigits[byte >> 4];
      escaped += kHexDigits[byte & 0x0f];
    } else {
      escaped += c;
    }
  }
}

}  // namespace

std::string EscapeControlBytes(std::string_view text) {
  std::string escaped;
  AppendEscaped(escaped, text);
  return escaped;
}

bool WriteLine(Output& out, std::string_view text) {
  if (out.error != 0) return false;
  AppendEscaped(out.pending, text);
  out.pending += kLineEnd;
  return out.line_by_line ? Deliver(out) : true;
}

bool Deliver(Output& out) {
  if (out.error != 0) return false;
  if (!out.pending.empty()) out.error = WriteStandardOutput(out.pending);
  out.pending.clear();
  return out.error == 0;
}

int ReportWriteFailure(const Output& out) {
  std::string report = "twoway: cannot write to standard output: ";
  report += SystemErrorText(out.error);
  report += " (error ";
  report += std::to_string(out.error);
  report += ")";
  report += kLineEnd;
  WriteStandardError(report);
  return 1;
}
