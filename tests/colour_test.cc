#include "console/colour.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "tests/fakes/fake_stdout.h"

namespace {

TEST(WithForeground, ReplacesTheForegroundAndKeepsTheBackground) {
  const struct {
    std::uint16_t current;
    std::uint8_t colour;
    std::uint16_t expected;
  } cases[] = {
      {0x07, 10, 0x0a},                          // white on black: light green on black
      {0x17, 10, 0x1a},                          // blue background kept
      {0x1a, 0x17, 0x17},                        // and the saved low byte puts it back whole
      {0x0a, 0x07, 0x07},   {0x8417, 10, 0x1a},  // display flags in the high byte are dropped
      {0xc0f0, 0x07, 0xf7}, {0x00, 0x00, 0x00},
      {0x4e, 0xff, 0xff},  // all eight bits of the colour are or-ed in
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithForeground(c.current, c.colour), c.expected) << std::hex << c.current << " " << +c.colour;
  }
}

TEST(AttributeToSgr, MapsConsoleColoursToTerminalColours) {
  const struct {
    std::uint16_t attribute;
    const char* sgr;
  } cases[] = {
      {0x07, "\x1b[0m"},    // the terminal's own colours
      {0x8007, "\x1b[0m"},  // whatever the display flags
      {0x0a, "\x1b[92m"},   // light green
      {0x01, "\x1b[34m"},   // console blue is terminal colour 4
      {0x04, "\x1b[31m"},   // console red is terminal colour 1
      {0x02, "\x1b[32m"},    {0x06, "\x1b[33m"},    {0x05, "\x1b[35m"},     {0x03, "\x1b[36m"},
      {0x00, "\x1b[30m"},    {0x08, "\x1b[90m"},    {0x0c, "\x1b[91m"},     {0x09, "\x1b[94m"},
      {0x0f, "\x1b[97m"},    {0x17, "\x1b[37;44m"},                          // white on blue
      {0x1a, "\x1b[92;44m"}, {0x4f, "\x1b[97;41m"}, {0xc0, "\x1b[30;101m"},  // bright background
  };
  for (const auto& c : cases) EXPECT_EQ(AttributeToSgr(c.attribute), c.sgr) << std::hex << c.attribute;
}

class TerminalConsole : public testing::Test {
 protected:
  void SetUp() override { TheFakeStdout() = FakeStdout{}; }
  void TearDown() override {
    // The terminal layer remembers what it applied; leave it at the terminal's own colours.
    TheFakeStdout().console = true;
    ApplyConsoleAttribute(kTerminalDefault);
  }
};

TEST_F(TerminalConsole, ReportsWhatItLastAppliedStartingFromTheTerminalsOwnColours) {
  TheFakeStdout().console = true;
  EXPECT_EQ(QueryConsoleAttribute(), kTerminalDefault);
  SetForeground(kLightGreen);
  EXPECT_EQ(QueryConsoleAttribute(), 0x0a);
  SetForeground(0x07);
  EXPECT_EQ(QueryConsoleAttribute(), 0x07);
  EXPECT_EQ(WrittenText(), "\x1b[92m\x1b[0m");
}

TEST_F(TerminalConsole, ElsewhereReportsZeroAndWritesNothing) {
  EXPECT_EQ(QueryConsoleAttribute(), 0);
  SetForeground(kLightGreen);
  ApplyConsoleAttribute(0x1a);
  EXPECT_TRUE(TheFakeStdout().writes.empty());
}

}  // namespace
