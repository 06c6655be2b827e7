#include "engine/JobCommands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "engine/CommandLine.h"
#include "tests/support/TempAppDir.h"

namespace vuvide {
namespace {

TEST(ConversionCommandLine, IsByteExact) {
  EXPECT_EQ(ConversionCommandLine("/home/u/My Clips/a.mp4", "/tmp/vt/0.avi", "640:480"),
            " \"/home/u/My Clips/a.mp4\" -o \"/tmp/vt/0.avi\" -oac mp3lame -ovc lavc -ofps 30 "
            "-vf scale=640:480");
  EXPECT_EQ(IntermediatePath("/tmp/vt/", 0), "/tmp/vt/0.avi");
  EXPECT_EQ(IntermediatePath("/tmp/vt/", 12), "/tmp/vt/12.avi");
}

TEST(ConversionCommandLine, KeepsAnyInputNameIntact) {
  const std::string input = R"(/tmp/"odd" name\ -x ü.avi)";
  EXPECT_EQ(SplitCommandLine(ConversionCommandLine(input, "/t/1.avi", "320:240")),
            (std::vector<std::string>{input, "-o", "/t/1.avi", "-oac", "mp3lame", "-ovc", "lavc",
                                      "-ofps", "30", "-vf", "scale=320:240"}));
}

TEST(JoiningCommandLine, IsByteExactWithTwoBlanksBeforeTheOptions) {
  EXPECT_EQ(
      JoiningCommandLine({"/t/0.avi", "/t/1.avi", "/t/2.avi"}, "/out/my holiday.wmv",
                         " -oac lavc -ovc lavc"),
      " \"/t/0.avi\" \"/t/1.avi\" \"/t/2.avi\" -o \"/out/my holiday.wmv\"  -oac lavc -ovc lavc");
}

TEST(RenamedOutput, PutsUnderscoreOneBeforeTheExtension) {
  EXPECT_EQ(RenamedOutput("/v/holiday.wmv", ".wmv"), "/v/holiday_1.wmv");
  EXPECT_EQ(RenamedOutput("/v/holiday.WMV", ".wmv"), "/v/holiday_1.wmv");
  EXPECT_EQ(RenamedOutput("/v/my.trip.avi", ".avi"), "/v/my.trip_1.avi");
  EXPECT_EQ(RenamedOutput("/v.d/holiday.avi.wmv", ".wmv"), "/v.d/holiday.avi_1.wmv");
}

TEST(WithOutputExtension, AppendsUnlessTheNameEndsInIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"/v/holiday", "/v/holiday.wmv"},     {"/v/holiday.avi", "/v/holiday.avi.wmv"},
      {"/v/holiday.WMV", "/v/holiday.WMV"}, {"/v/holiday.wmv", "/v/holiday.wmv"},
      {"/v.x/holiday", "/v.x/holiday.wmv"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(WithOutputExtension(in, ".wmv"), out) << in;
  EXPECT_EQ(WithOutputExtension("/v/holiday.avi", ""), "/v/holiday.avi");
}

TEST(PrepareTempFolder, CreatesOneLevelOrFallsBack) {
  test::TempAppDir app;
  std::string problem;
  // Without a trailing separator: one is added, the folder made.
  EXPECT_EQ(PrepareTempFolder(app.path() + "work", app.path(), problem), app.path() + "work/");
  EXPECT_TRUE(std::filesystem::is_directory(app.path() + "work"));
  EXPECT_EQ(problem, "");
  // An existing folder with its separator is taken as it is.
  EXPECT_EQ(PrepareTempFolder(app.path() + "work/", app.path(), problem), app.path() + "work/");
  // A parent that does not exist: only one level is made, so the fallback is used.
  EXPECT_EQ(PrepareTempFolder(app.path() + "no/such/dir", app.path(), problem),
            app.path() + "temp/");
  EXPECT_TRUE(std::filesystem::is_directory(app.path() + "temp"));
  EXPECT_FALSE(std::filesystem::exists(app.path() + "no"));
  // A file in the way counts as a folder that cannot be made.
  app.write("afile", "x");
  EXPECT_EQ(PrepareTempFolder(app.path() + "afile", app.path(), problem), app.path() + "temp/");
}

TEST(PrepareTempFolder, ReportsAnEmptySettingAndAnUnusableFallback) {
  test::TempAppDir app;
  std::string problem;
  EXPECT_EQ(PrepareTempFolder("", app.path(), problem), "");
  EXPECT_NE(problem, "");
  // The fallback's place is taken by a file: no folder at all can be had.
  app.write("temp", "not a folder");
  EXPECT_EQ(PrepareTempFolder(app.path() + "no/such", app.path(), problem), "");
  EXPECT_NE(problem.find(app.path() + "no/such/"), std::string::npos) << problem;
  EXPECT_NE(problem.find(app.path() + "temp/"), std::string::npos) << problem;
}

}  // namespace
}  // namespace vuvide
