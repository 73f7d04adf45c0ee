#include "app/classify.h"

#include <gtest/gtest.h>

namespace {

TEST(IsAddressText, ChoosesTheRoad) {
  const struct {
    const char* text;
    bool numeric;
  } cases[] = {{"1.2.3.4", true},           // the shortest dotted address
               {"1.2.3", false},            // too short: goes forward
               {"192.168.100.200", true},   //
               {"1234567", true},           // seven digits: one 32-bit number
               {"123456", false},           // six digits
               {".......", true},           // nothing left once the dots are gone
               {"......", false},           //
               {"10.0.0.256", true},        // no range check
               {"999.999.999.999", true},   //
               {"1.2.3.4a", false},         //
               {"1.2.3. 4", false},         // a blank
               {"+1.2.3.4", false},         // a sign
               {"-1.2.3.4", false},         //
               {"::ffff:1.2.3.4", false},   // IPv6
               {"2001:db8::1", false},      //
               {"localhost", false},        //
               {"", false},                 //
               {"1.2.3.4\n", false},        // a control byte is no digit
               {"\xd9\xa1.2.3.4", false}};  // nor is a non-ASCII digit
  for (const auto& c : cases) EXPECT_EQ(IsAddressText(c.text), c.numeric) << '"' << c.text << '"';
}

TEST(IsAllDigits, EmptyTextCounts) { EXPECT_TRUE(IsAllDigits("")); }

TEST(IsAllDigits, OnlyTheTenDigits) {
  EXPECT_TRUE(IsAllDigits("0123456789"));
  // The neighbours of '0' (48) and '9' (57).
  EXPECT_FALSE(IsAllDigits("/"));
  EXPECT_FALSE(IsAllDigits(":"));
  EXPECT_FALSE(IsAllDigits("12 3"));
}

}  // namespace
