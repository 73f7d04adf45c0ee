#include "app/program_name.h"

std::string FileNameOfPath(std::string_view path, std::string_view separators) {
  const std::size_t cut = path.find_last_of(separators);
  if (cut == std::string_view::npos) return std::string(path);
  return std::string(path.substr(cut + 1));
}
