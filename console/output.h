// The output lines of a run. A console gets every line as soon as it is complete; a file or a pipe gets
// the lines gathered and delivered in one write per argument, so that runs sharing a file or a pipe do not
// mix inside a block. The first failed write ends all writing: what follows is dropped, and the driver
// ends the run with ReportWriteFailure.
#pragma once

#include <string>
#include <string_view>

struct Output {
  bool line_by_line = false;  // standard output is a console
  std::string pending;        // lines written but not yet delivered
  int error = 0;              // the system error code of the failed write; 0 while all is well
};

// An Output on the process's standard output.
Output OpenStandardOutput();

// Every byte from 0 to 31 and 127 written as \xHH (lower-case hex); all other bytes unchanged. Resolver
// answers are other people's text: a line end in one would forge answer lines, an ESC would drive the
// terminal.
std::string EscapeControlBytes(std::string_view text);

// Writes `text`, escaped, as one line. False once any write of `out` has failed.
bool WriteLine(Output& out, std::string_view text);

// Delivers the lines gathered so far. False once any write of `out` has failed.
bool Deliver(Output& out);

// Says on standard error why standard output failed, and gives the run's exit status for that.
int ReportWriteFailure(const Output& out);
