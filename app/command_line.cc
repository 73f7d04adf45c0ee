#include "app/command_line.h"

std::vector<std::string> SplitCommandLine(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && byte >= 1 && byte <= 32) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}
