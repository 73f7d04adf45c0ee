// The banner that opens every run.
#pragma once

#include <string_view>

#include "console/output.h"

// Shows the eight banner lines, `title` second, in light green, then puts the console's colour back
// (also when a write fails, so a failed run never leaves the console green). False when a line could not
// be written.
bool ShowBanner(Output& out, std::string_view title);
