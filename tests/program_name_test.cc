#include "app/program_name.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameOfPath, PosixCutsAtTheLastSlash) {
  EXPECT_EQ(FileNameOfPath("/usr/local/bin/twoway", "/"), "twoway");
  EXPECT_EQ(FileNameOfPath("twoway", "/"), "twoway");
  EXPECT_EQ(FileNameOfPath("/opt/my tools/two.way", "/"), "two.way");
  EXPECT_EQ(FileNameOfPath("/odd/dir/", "/"), "");
  // A backslash is an ordinary character in a POSIX file name.
  EXPECT_EQ(FileNameOfPath("/tmp/a\\b", "/"), "a\\b");
}

TEST(FileNameOfPath, WindowsCutsAtBackslashOrColonButNotSlash) {
  EXPECT_EQ(FileNameOfPath("C:\\Tools\\twoway.exe", "\\:"), "twoway.exe");
  EXPECT_EQ(FileNameOfPath("C:twoway.exe", "\\:"), "twoway.exe");
  EXPECT_EQ(FileNameOfPath("C:\\Tools/bin/twoway.exe", "\\:"), "Tools/bin/twoway.exe");
  EXPECT_EQ(FileNameOfPath("\\\\server\\share\\twoway.exe", "\\:"), "twoway.exe");
}

}  // namespace
