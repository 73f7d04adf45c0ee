// Whole runs over a resolver that answers with fuzzer-chosen texts: every run writes the banner and then
// exactly three lines per argument, the third a separator, with no control byte but the line ends and
// at most two queries per argument.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/driver.h"
#include "tests/fakes/fake_sockets.h"
#include "tests/fakes/fake_stdout.h"

namespace {

constexpr char kBannerEnd[] =
    "Download more free tools at https://www.example.org/tools/\n"
    "------------------------------------------------\n";
constexpr char kSeparator[] = "===========================";

Ipv4Address ConsumeAddress(FuzzedDataProvider& input) {
  Ipv4Address address{};
  for (auto& byte : address) byte = input.ConsumeIntegral<std::uint8_t>();
  return address;
}

// The lines after the banner, with the colour sequences (writes of their own that start with ESC) left
// out; a raw ESC anywhere else is a fault.
std::string AnswerText(std::size_t& colour_writes) {
  std::string text;
  for (const std::string& write : TheFakeStdout().writes) {
    if (!write.empty() && write.front() == '\x1b') {
      ++colour_writes;
    } else {
      text += write;
    }
  }
  const std::size_t banner_end = text.find(kBannerEnd);
  if (banner_end == std::string::npos) std::abort();
  return text.substr(banner_end + sizeof kBannerEnd - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  TheFakeStdout() = FakeStdout{};
  TheFakeStdout().console = input.ConsumeBool();
  FakeResolver& resolver = TheFakeResolver();
  resolver = FakeResolver{};
  resolver.start_fails = input.ConsumeIntegral<std::uint8_t>() == 0;

  std::vector<std::string> arguments(input.ConsumeIntegralInRange<std::size_t>(0, 6));
  for (std::string& argument : arguments) argument = input.ConsumeRandomLengthString(40);
  // Answers for the arguments and for names and addresses of the fuzzer's choosing.
  while (input.remaining_bytes() > 0) {
    const bool for_argument = !arguments.empty() && input.ConsumeBool();
    const std::string name =
        for_argument ? arguments[input.ConsumeIntegralInRange<std::size_t>(0, arguments.size() - 1)]
                     : input.ConsumeRandomLengthString(40);
    const Ipv4Address address = ConsumeAddress(input);
    resolver.address_of_name[name] = address;
    resolver.name_of_address[address] = input.ConsumeRandomLengthString(40);
  }

  if (RunDriver({arguments.begin(), arguments.end()}, "twoway") != 0) std::abort();

  std::size_t colour_writes = 0;
  const std::string answers = AnswerText(colour_writes);
  if (colour_writes != (TheFakeStdout().console ? 2u : 0u)) std::abort();
  if (arguments.empty()) return 0;

  std::size_t line_count = 0;
  std::size_t start = 0;
  for (std::size_t end = answers.find('\n'); end != std::string::npos; end = answers.find('\n', start)) {
    const std::string line = answers.substr(start, end - start);
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 32 || byte == 127) std::abort();
    }
    // Every third line is the separator. An answer line may look the same (a resolver may answer with
    // equals signs): it is told apart by its place, not its text.
    const bool separator_place = line_count % 3 == 2;
    if (separator_place && line != kSeparator) std::abort();
    if (!separator_place && line.find('=') == std::string::npos) std::abort();
    ++line_count;
    start = end + 1;
  }
  if (start != answers.size() || line_count != 3 * arguments.size()) std::abort();

  std::size_t queries = 0;
  for (const std::string& call : resolver.calls) queries += call != "start";
  if (queries > 2 * arguments.size()) std::abort();
  return 0;
}
