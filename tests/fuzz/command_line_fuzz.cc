// The command-line splitter: never an empty word, never a double quote or NUL in one, and the words,
// each quoted and joined by blanks, split back into themselves.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> words = SplitCommandLine(line);
  std::size_t total = 0;
  std::string quoted;
  for (const std::string& word : words) {
    if (word.empty()) std::abort();
    if (word.find('"') != std::string::npos || word.find('\0') != std::string::npos) std::abort();
    total += word.size();
    quoted += " \"" + word + '"';
  }
  if (total > line.size()) std::abort();
  if (SplitCommandLine(quoted) != words) std::abort();
  return 0;
}
