#include "console/output.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_stdout.h"

namespace {

TEST(EscapeControlBytes, WritesEveryControlByteAsHex) {
  const struct {
    std::string text, escaped;
  } cases[] = {
      {"plain.example", "plain.example"},
      {"", ""},
      {"evil\nforged=1.2.3.4", "evil\\x0aforged=1.2.3.4"},
      {"\r\n", "\\x0d\\x0a"},
      {"\x1b[31mred", "\\x1b[31mred"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"\x1f\x7f", "\\x1f\\x7f"},
      {" ~", " ~"},                              // 32 and 126 are printable
      {"\x80\xff\xc3\xa9", "\x80\xff\xc3\xa9"},  // bytes from 128 on pass unchanged
      {"back\\slash", "back\\slash"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeControlBytes(c.text), c.escaped) << c.escaped;
}

class Delivery : public testing::Test {
 protected:
  void SetUp() override { TheFakeStdout() = FakeStdout{}; }
};

TEST_F(Delivery, AConsoleGetsEachLineAtOnce) {
  TheFakeStdout().console = true;
  Output out = OpenStandardOutput();
  EXPECT_TRUE(WriteLine(out, "one"));
  EXPECT_TRUE(WriteLine(out, "two\x1b"));
  EXPECT_EQ(TheFakeStdout().writes, (std::vector<std::string>{"one\n", "two\\x1b\n"}));
}

TEST_F(Delivery, AFileGetsTheGatheredLinesInOneWrite) {
  Output out = OpenStandardOutput();
  EXPECT_TRUE(WriteLine(out, "one"));
  EXPECT_TRUE(WriteLine(out, "two"));
  EXPECT_TRUE(TheFakeStdout().writes.empty());
  EXPECT_TRUE(Deliver(out));
  EXPECT_TRUE(Deliver(out));  // nothing gathered: no empty write
  EXPECT_EQ(TheFakeStdout().writes, (std::vector<std::string>{"one\ntwo\n"}));
}

TEST_F(Delivery, NothingIsWrittenAfterAFailedWrite) {
  TheFakeStdout().failing_write = 1;
  TheFakeStdout().error = 28;
  Output out = OpenStandardOutput();
  EXPECT_TRUE(WriteLine(out, "first") && Deliver(out));
  EXPECT_TRUE(WriteLine(out, "second"));
  EXPECT_FALSE(Deliver(out));
  TheFakeStdout().failing_write = -1;  // even were the output to recover
  EXPECT_FALSE(WriteLine(out, "third"));
  EXPECT_FALSE(Deliver(out));
  EXPECT_EQ(WrittenText(), "first\n");
  EXPECT_EQ(ReportWriteFailure(out), 1);
  EXPECT_EQ(TheFakeStdout().standard_error,
            "twoway: cannot write to standard output: fake error 28 (error 28)\n");
}

}  // namespace
