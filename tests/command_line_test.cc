#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, FollowsTheConsoleRules) {
  const struct {
    std::string line;
    Words words;
  } cases[] = {
      {R"(twoway.exe a b)", {"twoway.exe", "a", "b"}},
      {"  twoway.exe\t\ta  ", {"twoway.exe", "a"}},
      // Every byte from 1 to 32 separates, not only blanks and tabs.
      {"a\x01"
       "b\x1f"
       "c\rd\ne",
       {"a", "b", "c", "d", "e"}},
      {"a\x7f"
       "b",
       {"a\x7f"
        "b"}},
      {"a\xa0"
       "b\xff",
       {"a\xa0"
        "b\xff"}},
      // Quotes group and vanish; touching pieces join.
      {R"("C:\Program Files\twoway.exe" x)", {R"(C:\Program Files\twoway.exe)", "x"}},
      {R"(p "a b"c d"e f")", {"p", "a bc", "de f"}},
      {R"(p a""b)", {"p", "ab"}},
      // An open quote runs to the end.
      {R"(p "a b)", {"p", "a b"}},
      // Nothing but quotes is no word at all.
      {R"(p "" """")", {"p"}},
      {R"(p "")", {"p"}},
      // No C-runtime escapes: a backslash is ordinary, also before a quote.
      {R"(p a\"b c" d)", {"p", R"(a\b c)", "d"}},
      {R"(p \\server\share)", {"p", R"(\\server\share)"}},
      {"", {}},
      {"   ", {}},
      {std::string("p a\0b", 5), {"p", "a"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

}  // namespace
