#include "app/driver.h"

#include <string_view>

#include "app/classify.h"
#include "console/banner.h"
#include "console/output.h"
#include "resolve/resolve.h"

namespace {

constexpr std::string_view ProgramTitle = "Domain name resolver Version 1.0";
constexpr std::string_view Separator = "===========================";

bool WriteAnswer(Output& out, const std::string& query, const std::string& answer) {
  std::string line;
  line.reserve(query.size() + 1 + answer.size());
  line += query;
  line += '=';
  line += answer;
  return WriteLine(out, line);
}

bool WriteUsage(Output& out, const std::string& program_name) {
  std::string line = "Usage: ";
  line += program_name;
  line += " domain1 [domain2] [domain3]...";
  return WriteLine(out, line) && Deliver(out);
}

}  // namespace

int RunDriver(const std::vector<std::string_view>& arguments, const std::string& program_name) {
  Output out = OpenStandardOutput();
  if (!ShowBanner(out, ProgramTitle)) return ReportWriteFailure(out);

  if (arguments.empty()) {
    if (!WriteUsage(out, program_name)) return ReportWriteFailure(out);
    return 0;
  }

  // Each road's second lookup asks for the first one's answer, never for the argument itself.
  std::string AddressText;
  std::string NameText;
  for (const std::string_view argument : arguments) {
    if (IsAddressText(argument)) {
      AddressText = argument;
      NameText = AddressToHost(AddressText);
      if (!WriteAnswer(out, AddressText, NameText)) return ReportWriteFailure(out);
      AddressText = HostToAddress(NameText);
      if (!WriteAnswer(out, NameText, AddressText)) return ReportWriteFailure(out);
    } else {
      NameText = argument;
      AddressText = HostToAddress(NameText);
      if (!WriteAnswer(out, NameText, AddressText)) return ReportWriteFailure(out);
      NameText = AddressToHost(AddressText);
      if (!WriteAnswer(out, AddressText, NameText)) return ReportWriteFailure(out);
    }
    // The block goes out whole before the next argument is looked up, so a failed write stops the
    // lookups too.
    if (!WriteLine(out, Separator) || !Deliver(out)) return ReportWriteFailure(out);
  }
  return 0;
}
