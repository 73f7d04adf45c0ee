// The lookups over the recording fake resolver: what they ask, in which order, and what they answer.
#include "resolve/resolve.h"

#include <gtest/gtest.h>

#include "resolve/host_entry.h"
#include "tests/fakes/fake_sockets.h"

namespace {

using Calls = std::vector<std::string>;

class Lookups : public testing::Test {
 protected:
  void SetUp() override {
    FakeResolver& fake = TheFakeResolver();
    fake = FakeResolver{};
    fake.address_of_name["multi.test"] = {192, 0, 2, 10};
    fake.name_of_address[{192, 0, 2, 10}] = "multi.test";
    fake.name_of_address[{255, 255, 255, 255}] = "broadcasthost";
  }
  const Calls& calls() { return TheFakeResolver().calls; }
};

TEST_F(Lookups, ForwardGivesTheDottedFirstAddress) {
  EXPECT_EQ(HostToAddress("multi.test"), "192.0.2.10");
  EXPECT_EQ(calls(), (Calls{"start", "name multi.test"}));
}

TEST_F(Lookups, ForwardOfTheEmptyNameAsksNothing) {
  EXPECT_EQ(HostToAddress(""), "");
  EXPECT_TRUE(calls().empty());
}

TEST_F(Lookups, UnknownNameOrAddressGivesTheEmptyText) {
  EXPECT_EQ(HostToAddress("nowhere.test"), "");
  EXPECT_EQ(AddressToHost("203.0.113.9"), "");
  EXPECT_EQ(calls(), (Calls{"start", "name nowhere.test", "start", "address 203.0.113.9"}));
}

TEST_F(Lookups, ReverseGivesTheOfficialName) {
  EXPECT_EQ(AddressToHost("192.0.2.10"), "multi.test");
  // A single number is the whole 32-bit address.
  EXPECT_EQ(AddressToHost("3221225994"), "multi.test");
  EXPECT_EQ(calls(), (Calls{"start", "address 192.0.2.10", "start", "address 192.0.2.10"}));
}

// Texts that are no address start the sockets layer but are never looked up: unchecked they would ask
// for 255.255.255.255, which the fake (like many hosts files) names.
TEST_F(Lookups, ReverseOfATextThatIsNoAddressAsksNothing) {
  for (const char* text : {"", ".......", "999.999.999.999", "1.2.3.4.5", "name.test"}) {
    TheFakeResolver().calls.clear();
    EXPECT_EQ(AddressToHost(text), "") << '"' << text << '"';
    EXPECT_EQ(calls(), Calls{"start"}) << '"' << text << '"';
  }
}

TEST_F(Lookups, TheAllOnesAddressItselfIsLookedUp) {
  for (const char* text : {"255.255.255.255", "4294967295", "0xffffffff"}) {
    EXPECT_EQ(AddressToHost(text), "broadcasthost") << text;
  }
}

TEST_F(Lookups, FailedStartUpGivesTheEmptyTextWithoutAQuery) {
  TheFakeResolver().start_fails = true;
  EXPECT_EQ(HostToAddress("multi.test"), "");
  EXPECT_EQ(AddressToHost("192.0.2.10"), "");
  EXPECT_EQ(calls(), (Calls{"start", "start"}));
}

// Host entries laid out as the resolver's `struct hostent`.
struct Entry {
  char* h_name;
  char** h_aliases;
  int h_addrtype;
  int h_length;
  char** h_addr_list;
};

TEST(HostEntry, TakesTheFirstOfSeveralAddresses) {
  char first[] = {'\xc0', '\x00', '\x02', '\x0a'};
  char second[] = {'\xc0', '\x00', '\x02', '\x0b'};
  char* list[] = {first, second, nullptr};
  char name[] = "multi.test";
  const Entry entry{name, nullptr, kInternetFamily, 4, list};
  EXPECT_EQ(FirstIpv4Address(&entry), (Ipv4Address{192, 0, 2, 10}));
  EXPECT_EQ(OfficialName(&entry), "multi.test");
}

TEST(HostEntry, GivesNothingWhereTheEntryHoldsNoIpv4Address) {
  char address[16] = {};
  char* empty_list[] = {nullptr};
  char* list[] = {address, nullptr};
  const Entry no_addresses{nullptr, nullptr, kInternetFamily, 4, empty_list};
  const Entry no_list{nullptr, nullptr, kInternetFamily, 4, nullptr};
  const Entry ipv6{nullptr, nullptr, 10, 16, list};
  const Entry wrong_length{nullptr, nullptr, kInternetFamily, 16, list};
  for (const Entry* entry : {&no_addresses, &no_list, &ipv6, &wrong_length}) {
    EXPECT_EQ(FirstIpv4Address(entry), std::nullopt);
  }
  EXPECT_EQ(FirstIpv4Address(static_cast<const Entry*>(nullptr)), std::nullopt);
  EXPECT_EQ(OfficialName(&no_addresses), std::nullopt);
}

}  // namespace
