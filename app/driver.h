// The run: banner, then the usage line or both lookups for every argument.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Resolves every argument in order and gives the process's exit status: 0 after a complete run, 1 when
// standard output failed (the run stops at the failed line). The arguments are views of the command
// line's words, which outlive the run, so that many arguments are not held twice; `program_name` is
// the running program's file name, for the usage line.
int RunDriver(const std::vector<std::string_view>& arguments, const std::string& program_name);
