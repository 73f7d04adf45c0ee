// The usage line names the program by its file name alone.
#pragma once

#include <string>
#include <string_view>

// What follows the last of `separators` in `path` (all of `path` when none occurs).
std::string FileNameOfPath(std::string_view path, std::string_view separators);
