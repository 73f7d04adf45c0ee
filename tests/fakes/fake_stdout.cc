#include "tests/fakes/fake_stdout.h"

#include "console/stdout.h"

FakeStdout& TheFakeStdout() {
  static FakeStdout fake;
  return fake;
}

std::string WrittenText() {
  std::string text;
  for (const std::string& write : TheFakeStdout().writes) text += write;
  return text;
}

const std::string_view kLineEnd = "\n";

bool StandardOutputIsConsole() { return TheFakeStdout().console; }

int WriteStandardOutput(std::string_view bytes) {
  FakeStdout& fake = TheFakeStdout();
  const int attempt = fake.attempts++;
  const bool colour = !bytes.empty() && bytes.front() == '\x1b';
  if (fake.failing_write >= 0 && attempt >= fake.failing_write && !(colour && fake.colours_still_written)) {
    return fake.error;
  }
  fake.writes.emplace_back(bytes);
  return 0;
}

void WriteStandardError(std::string_view bytes) { TheFakeStdout().standard_error += bytes; }

std::string SystemErrorText(int code) { return "fake error " + std::to_string(code); }
