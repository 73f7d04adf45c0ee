// The conversion must agree with the C library's inet_aton on every input: whether it accepts the text,
// and which address it gives.
#include "resolve/address_text.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

std::optional<Ipv4Address> Reference(const std::string& text) {
  in_addr raw{};
  if (inet_aton(text.c_str(), &raw) == 0) return std::nullopt;
  Ipv4Address address;
  std::memcpy(address.data(), &raw.s_addr, address.size());
  return address;
}

std::string Show(const std::optional<Ipv4Address>& address) {
  if (!address) return "no address";
  return std::to_string((*address)[0]) + '.' + std::to_string((*address)[1]) + '.' +
         std::to_string((*address)[2]) + '.' + std::to_string((*address)[3]);
}

TEST(ParseAddressText, GivesTheAddressInetAtonGives) {
  const struct {
    const char* text;
    const char* expected;  // dotted, or "no address"
  } cases[] = {            // The failures that unchecked inet_addr turns into 255.255.255.255.
               {"", "no address"},
               {".......", "no address"},
               {"999.999.999.999", "no address"},
               {"1.2.3.4.5", "no address"},
               {"10.0.0.256", "no address"},
               // The all-ones address itself, in every form.
               {"255.255.255.255", "255.255.255.255"},
               {"4294967295", "255.255.255.255"},
               {"0xffffffff", "255.255.255.255"},
               {"0XFFFFFFFF", "255.255.255.255"},
               {"037777777777", "255.255.255.255"},
               {"4294967296", "no address"},
               // One to four parts; the last fills what is left.
               {"1", "0.0.0.1"},
               {"1.2", "1.0.0.2"},
               {"1.2.3", "1.2.0.3"},
               {"1.2.3.4", "1.2.3.4"},
               {"1.16777215", "1.255.255.255"},
               {"1.16777216", "no address"},
               {"1.2.65535", "1.2.255.255"},
               {"1.2.65536", "no address"},
               {"256.1", "no address"},
               {"3221225994", "192.0.2.10"},
               // Octal and hexadecimal parts.
               {"010.0x10.0X1f.7", "8.16.31.7"},
               {"08.1.1.1", "no address"},
               {"0.0.0.0", "0.0.0.0"},
               {"00", "0.0.0.0"},
               {"0x", "no address"},
               {"0x.1", "no address"},
               {"0xg", "no address"},
               {"00x1", "no address"},
               {"0x00000000000000000001", "0.0.0.1"},
               {"99999999999999999999999", "no address"},
               // Dots, signs and blanks.
               {"1..2", "no address"},
               {"1.2.3.", "no address"},
               {".1.2.3", "no address"},
               {"+1.2.3.4", "no address"},
               {"-1", "no address"},
               {" 1.2.3.4", "no address"},
               {"1.2.3.4 ", "1.2.3.4"},
               {"1.2.3.4 junk", "1.2.3.4"},
               {"1.2.3.4\tx", "1.2.3.4"},
               {"1.2.3.4\v", "1.2.3.4"},
               {"1.2.3.4x", "no address"},
               {"1.2. 3.4", "no address"},
               {"1.2.3.4\xa0", "no address"},
               {"1 .2", "0.0.0.1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(Show(ParseAddressText(c.text)), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(Show(ParseAddressText(c.text)), Show(Reference(c.text))) << '"' << c.text << '"';
  }
}

TEST(ParseAddressText, StopsAtANulByteAsACStringWould) {
  EXPECT_EQ(Show(ParseAddressText(std::string("1.2.3.4\0junk", 12))), "1.2.3.4");
  EXPECT_EQ(Show(ParseAddressText(std::string("\0"
                                              "1",
                                              2))),
            "no address");
}

// Texts built from the characters that matter to the conversion, held against the reference.
TEST(ParseAddressText, AgreesWithInetAtonOnGeneratedTexts) {
  static constexpr char kAlphabet[] = "0123456789..xXaAfFgG \t+-";
  std::mt19937 random(20261211);
  std::uniform_int_distribution<std::size_t> length(0, 24);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) text += kAlphabet[pick(random)];
    ASSERT_EQ(Show(ParseAddressText(text)), Show(Reference(text))) << '"' << text << '"';
  }
}

// Texts shaped like addresses: one to five parts around each part's limit, in the three bases.
TEST(ParseAddressText, AgreesWithInetAtonOnAddressShapedTexts) {
  std::mt19937_64 random(1211);
  const unsigned long long limits[] = {0xff, 0xffff, 0xffffff, 0xffffffffULL};
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    const int parts = 1 + static_cast<int>(random() % 5);
    for (int p = 0; p < parts; ++p) {
      const unsigned long long limit = limits[random() % 4];
      const unsigned long long value = random() % 3 == 0 ? limit + random() % 3 : random() % (limit + 2);
      char part[32];
      switch (random() % 3) {
        case 0:
          std::snprintf(part, sizeof part, "%llu", value);
          break;
        case 1:
          std::snprintf(part, sizeof part, "0%llo", value);
          break;
        default:
          std::snprintf(part, sizeof part, random() % 2 ? "0x%llx" : "0X%llX", value);
          break;
      }
      if (p > 0) text += '.';
      text += part;
    }
    ASSERT_EQ(Show(ParseAddressText(text)), Show(Reference(text))) << '"' << text << '"';
  }
}

}  // namespace
