// Standard output for the unit tests: captures every write, can pose as a console and can fail.
#pragma once

#include <string>
#include <vector>

struct FakeStdout {
  bool console = false;
  // The write (counted from 0 over all attempts) that fails with `error`, and every one after it; -1
  // for none. With `colours_still_written`, colour sequences go through all the same, as on a terminal
  // that takes no more text.
  int failing_write = -1;
  bool colours_still_written = false;
  int error = 28;
  int attempts = 0;
  std::vector<std::string> writes;  // what each successful write carried
  std::string standard_error;
};

FakeStdout& TheFakeStdout();

// All successful writes, joined.
std::string WrittenText();
