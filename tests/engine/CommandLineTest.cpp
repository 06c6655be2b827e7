#include "engine/CommandLine.h"

#include <gtest/gtest.h>

namespace vuvide {
namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  const struct {
    std::string text;
    Args expected;
  } cases[] = {
      {R"("abc" d e)", {"abc", "d", "e"}},
      {R"(a\\\b d"e f"g h)", {R"(a\\\b)", "de fg", "h"}},
      {R"(a\\\"b c d)", {R"(a\"b)", "c", "d"}},
      {R"(a\\\\"b c" d e)", {R"(a\\b c)", "d", "e"}},
      {R"(a"b"" c d)", {R"(ab" c d)"}},
      {R"("" x)", {"", "x"}},
      {"  \t lead\tand  trail \t", {"lead", "and", "trail"}},
      {"", {}},
      {"   ", {}},
      {R"(end\)", {R"(end\)"}},
      {R"("open quote runs to the end)", {"open quote runs to the end"}},
      {R"(" -o "x")", {" -o x"}},
      {" \"/in/a.avi\" -o \"/tmp/0.avi\" -oac mp3lame -vf scale=640:480",
       {"/in/a.avi", "-o", "/tmp/0.avi", "-oac", "mp3lame", "-vf", "scale=640:480"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.text), c.expected) << c.text;
}

TEST(QuoteArgument, IsPlainQuotesForOrdinaryNames) {
  EXPECT_EQ(QuoteArgument("/home/u/My Videos/a.avi"), "\"/home/u/My Videos/a.avi\"");
  EXPECT_EQ(QuoteArgument(R"(C:\Temp\0.avi)"), R"("C:\Temp\0.avi")");
  EXPECT_EQ(QuoteArgument(""), "\"\"");
}

// Names that a file system allows and that a careless quoting would break.
const std::vector<std::string>& NastyNames() {
  static const std::vector<std::string> names = {
      "/tmp/plain.avi",
      "/tmp/with blank.avi",
      "/tmp/  two  blanks  .avi",
      "/tmp/tab\there.avi",
      "/tmp/\"quoted\".avi",
      "/tmp/\"",
      "/tmp/a\"\"b.avi",
      R"(/tmp/back\slash.avi)",
      R"(/tmp/ends in backslash\)",
      R"(/tmp/ends in two\\)",
      R"(/tmp/slash before quote\".avi)",
      R"(/tmp/\\\"mixed\\" \ ".avi)",
      "/tmp/ünïcødé 日本語 ✓.avi",
      "-leading-dash.avi",
      "--",
      "-o",
      "",
      " ",
      "\"",
      "\\",
      "'single' $HOME `cmd` ; | & > <",
      "line\nbreak.avi",
      "*?[].avi",
  };
  return names;
}

TEST(QuoteArgument, RoundTripsThroughSplittingOneByOne) {
  for (const auto& name : NastyNames())
    EXPECT_EQ(SplitCommandLine(" " + QuoteArgument(name)), Args{name}) << name;
}

TEST(QuoteArgument, RoundTripsThroughSplittingAllInOneLine) {
  std::string line;
  for (const auto& name : NastyNames()) line += " " + QuoteArgument(name);
  line += "  -oac mp3lame";
  Args expected = NastyNames();
  expected.push_back("-oac");
  expected.push_back("mp3lame");
  EXPECT_EQ(SplitCommandLine(line), expected);
}

}  // namespace
}  // namespace vuvide
