// The whole run over the fake resolver and a captured standard output.
#include "app/driver.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_sockets.h"
#include "tests/fakes/fake_stdout.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kBanner =
    "------------------------------------------------\n"
    "Domain name resolver Version 1.0\n"
    "\n"
    "\n"
    "Use it at your OWN-RISKS.\n"
    "\n"
    "Download more free tools at https://www.example.org/tools/\n"
    "------------------------------------------------\n";
const std::string kSeparator = "===========================\n";

class Run : public testing::Test {
 protected:
  void SetUp() override {
    TheFakeStdout() = FakeStdout{};
    FakeResolver& fake = TheFakeResolver();
    fake = FakeResolver{};
    // A name whose address is registered under another (official) name, as a CNAME gives.
    fake.address_of_name["alias.test"] = {198, 51, 100, 7};
    fake.address_of_name["real.test"] = {198, 51, 100, 7};
    fake.name_of_address[{198, 51, 100, 7}] = "real.test";
    // An address whose name has no address of its own.
    fake.name_of_address[{198, 51, 100, 5}] = "orphan.test";
    fake.name_of_address[{255, 255, 255, 255}] = "broadcasthost";
  }
  int RunWith(const std::vector<std::string_view>& arguments) { return RunDriver(arguments, "twoway"); }
  const Calls& calls() { return TheFakeResolver().calls; }
};

TEST_F(Run, WithoutArgumentsShowsTheBannerAndTheUsageLine) {
  EXPECT_EQ(RunWith({}), 0);
  EXPECT_EQ(WrittenText(), kBanner + "Usage: twoway domain1 [domain2] [domain3]...\n");
  EXPECT_TRUE(calls().empty());
}

TEST_F(Run, ANameGoesForwardThenItsAddressInReverse) {
  EXPECT_EQ(RunWith({"alias.test"}), 0);
  EXPECT_EQ(WrittenText(), kBanner + "alias.test=198.51.100.7\n198.51.100.7=real.test\n" + kSeparator);
  EXPECT_EQ(calls(), (Calls{"start", "name alias.test", "start", "address 198.51.100.7"}));
}

TEST_F(Run, AnAddressGoesInReverseThenItsNameForward) {
  EXPECT_EQ(RunWith({"198.51.100.7"}), 0);
  EXPECT_EQ(WrittenText(), kBanner + "198.51.100.7=real.test\nreal.test=198.51.100.7\n" + kSeparator);
  EXPECT_EQ(calls(), (Calls{"start", "address 198.51.100.7", "start", "name real.test"}));
}

TEST_F(Run, FailedLookupsEndTheirLinesAtTheEqualsSign) {
  const struct {
    const char* argument;
    std::string lines;
    Calls calls;
  } cases[] = {
      // Address without a name: the empty name is not looked up.
      {"203.0.113.9", "203.0.113.9=\n=\n", {"start", "address 203.0.113.9"}},
      // A name the resolver does not know: the empty address is not looked up either, and so does
      // not turn into 255.255.255.255.
      {"nowhere.test", "nowhere.test=\n=\n", {"start", "name nowhere.test", "start"}},
      // A name registered for an address, without an address of its own.
      {"198.51.100.5",
       "198.51.100.5=orphan.test\norphan.test=\n",
       {"start", "address 198.51.100.5", "start", "name orphan.test"}},
      // Numeric by its look, no address by its numbers.
      {".......", ".......=\n=\n", {"start"}},
      {"999.999.999.999", "999.999.999.999=\n=\n", {"start"}},
      // The empty argument goes forward and asks nothing.
      {"", "=\n=\n", {"start"}},
  };
  for (const auto& c : cases) {
    SetUp();
    EXPECT_EQ(RunWith({c.argument}), 0);
    EXPECT_EQ(WrittenText(), kBanner + c.lines + kSeparator) << c.argument;
    EXPECT_EQ(calls(), c.calls) << c.argument;
  }
}

TEST_F(Run, ArgumentsAreTakenInOrderEachWithItsOwnLookups) {
  EXPECT_EQ(RunWith({"alias.test", "nowhere.test", "alias.test", "198.51.100.5"}), 0);
  // Nothing of one argument shows in the next: the failed one does not repeat the earlier answers.
  EXPECT_EQ(WrittenText(), kBanner +                                                               //
                               "alias.test=198.51.100.7\n198.51.100.7=real.test\n" + kSeparator +  //
                               "nowhere.test=\n=\n" + kSeparator +                                 //
                               "alias.test=198.51.100.7\n198.51.100.7=real.test\n" + kSeparator +  //
                               "198.51.100.5=orphan.test\norphan.test=\n" + kSeparator);
  // No caching: the repeated argument is asked again.
  EXPECT_EQ(calls(), (Calls{"start", "name alias.test", "start", "address 198.51.100.7",  //
                            "start", "name nowhere.test", "start",                        //
                            "start", "name alias.test", "start", "address 198.51.100.7",  //
                            "start", "address 198.51.100.5", "start", "name orphan.test"}));
}

TEST_F(Run, OptionsAreOnlyNames) {
  EXPECT_EQ(RunWith({"--help"}), 0);
  EXPECT_EQ(WrittenText(), kBanner + "--help=\n=\n" + kSeparator);
}

TEST_F(Run, ControlBytesInAnswersAreEscaped) {
  TheFakeResolver().name_of_address[{192, 0, 2, 66}] = "evil\n192.0.2.1=trusted\x1b[2J";
  EXPECT_EQ(RunWith({"192.0.2.66"}), 0);
  EXPECT_EQ(WrittenText(), kBanner + "192.0.2.66=evil\\x0a192.0.2.1=trusted\\x1b[2J\n" +
                               "evil\\x0a192.0.2.1=trusted\\x1b[2J=\n" + kSeparator);
}

TEST_F(Run, AFileGetsTheBannerThenOneWritePerArgument) {
  EXPECT_EQ(RunWith({"alias.test", "203.0.113.9"}), 0);
  EXPECT_EQ(
      TheFakeStdout().writes,
      (std::vector<std::string>{kBanner, "alias.test=198.51.100.7\n198.51.100.7=real.test\n" + kSeparator,
                                "203.0.113.9=\n=\n" + kSeparator}));
}

TEST_F(Run, AConsoleGetsTheBannerInLightGreenAndEveryLineAtOnce) {
  TheFakeStdout().console = true;
  EXPECT_EQ(RunWith({"alias.test"}), 0);
  const std::vector<std::string>& writes = TheFakeStdout().writes;
  ASSERT_EQ(writes.size(), 1 + 8 + 1 + 3u);
  EXPECT_EQ(writes.front(), "\x1b[92m");
  EXPECT_EQ(writes[9], "\x1b[0m");
  EXPECT_EQ(writes[10], "alias.test=198.51.100.7\n");
  EXPECT_EQ(WrittenText(), "\x1b[92m" + kBanner + "\x1b[0m" +
                               "alias.test=198.51.100.7\n198.51.100.7=real.test\n" + kSeparator);
}

TEST_F(Run, AFailedWriteStopsTheRunAndTheLookups) {
  TheFakeStdout().failing_write = 1;  // the banner goes out, the first block does not
  EXPECT_EQ(RunWith({"alias.test", "198.51.100.7"}), 1);
  EXPECT_EQ(WrittenText(), kBanner);
  EXPECT_EQ(calls(), (Calls{"start", "name alias.test", "start", "address 198.51.100.7"}));
  EXPECT_EQ(TheFakeStdout().standard_error,
            "twoway: cannot write to standard output: fake error 28 (error 28)\n");
}

TEST_F(Run, OnAConsoleAFailedLineStopsBeforeTheNextLookup) {
  TheFakeStdout().console = true;
  TheFakeStdout().failing_write = 10;  // the colour, eight banner lines, the reset; then the first answer
  EXPECT_EQ(RunWith({"alias.test", "198.51.100.7"}), 1);
  EXPECT_EQ(calls(), (Calls{"start", "name alias.test"}));
}

TEST_F(Run, UnwritableOutputFailsAtTheBannerAndLooksNothingUp) {
  TheFakeStdout().failing_write = 0;
  TheFakeStdout().error = 9;
  EXPECT_EQ(RunWith({"alias.test"}), 1);
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(TheFakeStdout().standard_error,
            "twoway: cannot write to standard output: fake error 9 (error 9)\n");
}

TEST_F(Run, AFailedBannerPutsTheColourBackBeforeTheRunEnds) {
  TheFakeStdout().console = true;
  TheFakeStdout().failing_write = 1;  // the first banner line
  TheFakeStdout().colours_still_written = true;
  EXPECT_EQ(RunWith({"alias.test"}), 1);
  EXPECT_EQ(TheFakeStdout().writes, (std::vector<std::string>{"\x1b[92m", "\x1b[0m"}));
  EXPECT_TRUE(calls().empty());
}

TEST_F(Run, AFailedUsageLineIsReported) {
  TheFakeStdout().failing_write = 1;
  EXPECT_EQ(RunWith({}), 1);
  EXPECT_EQ(WrittenText(), kBanner);
}

}  // namespace
