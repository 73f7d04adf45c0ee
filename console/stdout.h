// Standard output and standard error as the platform gives them. Each platform has a file of its own
// behind this header; the tests put a capturing fake in its place.
#pragma once

#include <string>
#include <string_view>

// How this platform ends a line.
extern const std::string_view kLineEnd;

// True when standard output is a console (a terminal), where lines are shown as they come.
bool StandardOutputIsConsole();

// Writes all of `bytes` to standard output, going on after short writes and interruptions. Gives 0 when
// everything was written, otherwise the system's error code for the failure.
int WriteStandardOutput(std::string_view bytes);

// Writes `bytes` to standard error; there is nowhere left to report a failure of that.
void WriteStandardError(std::string_view bytes);

// The system's own words for an error code of WriteStandardOutput.
std::string SystemErrorText(int code);
