#include "console/banner.h"

#include <algorithm>
#include <iterator>

#include "console/colour.h"
#include "console/console.h"

namespace {

constexpr std::string_view kRule = "------------------------------------------------";
constexpr std::string_view kPublisherAddress = "https://www.example.org/tools/";

bool WriteBannerLines(Output& out, std::string_view title) {
  std::string download = "Download more free tools at ";
  download += kPublisherAddress;
  const std::string_view lines[] = {kRule, title, "", "", "Use it at your OWN-RISKS.", "", download, kRule};
  const bool written = std::all_of(std::begin(lines), std::end(lines),
                                   [&out](std::string_view line) { return WriteLine(out, line); });
  // Every line must have reached the console before its colour changes back.
  return written && Deliver(out);
}

}  // namespace

bool ShowBanner(Output& out, std::string_view title) {
  const std::uint16_t saved = QueryConsoleAttribute();
  SetForeground(kLightGreen);
  const bool written = WriteBannerLines(out, title);
  // Only the foreground changed, so the background kept by SetForeground is the saved one.
  SetForeground(static_cast<std::uint8_t>(saved & 0xff));
  return written;
}
