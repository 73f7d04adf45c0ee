// The run: banner, then the usage line or both lookups for every argument.
#pragma once

#include <string>
#include <vector>

// Resolves every argument in order and gives the process's exit status: 0 after a complete run, 1 when
// standard output failed (the run stops at the failed line). `program_name` is the running program's
// file name, for the usage line.
int RunDriver(const std::vector<std::string>& arguments, const std::string& program_name);
