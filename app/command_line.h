// Splitting a raw command line into words, for platforms that hand a program its command line whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words of `line`: bytes 1 to 32 separate words; a double quote opens a span that runs to the next
// double quote or to the end, inside which separators are ordinary bytes; the quotes themselves are
// dropped, and quoted and unquoted pieces that touch make one word. A backslash is an ordinary byte. No
// word is empty and none holds a double quote. The line ends at its first NUL byte.
std::vector<std::string> SplitCommandLine(std::string_view line);
