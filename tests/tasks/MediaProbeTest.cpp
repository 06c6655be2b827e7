// The media probe against the real libmediainfo, on clips made at test time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/Failure.h"
#include "tasks/MediaProbe.h"
#include "tasks/TimeText.h"
#include "tests/support/Clips.h"

namespace vuvide {
namespace {
namespace fs = std::filesystem;
using test::ClipSpec;
using test::MakeClip;
using test::RunCommand;
using test::ShellQuote;

class MediaProbeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder =
        new std::string(fs::temp_directory_path() / ("vuvide-probe-" + std::to_string(getpid())));
    fs::create_directories(*folder);
    ClipSpec withAudio;
    withAudio.seconds = 2;
    MakeClip(Path("av.avi"), withAudio);
    ClipSpec silent;
    silent.seconds = 3;
    silent.width = 176;
    silent.height = 144;
    silent.audio = false;
    MakeClip(Path("silent.mp4"), silent);
    RunCommand("ffmpeg -nostdin -v error -y -f lavfi -i sine=duration=3 " +
               ShellQuote(Path("tone.mp3")) + " 2>&1");
    std::ofstream(Path("notes.avi")) << "just some text\n";
    std::ofstream(Path("empty.avi"));
  }
  static void TearDownTestSuite() {
    fs::remove_all(*folder);
    delete folder;
  }
  static std::string Path(const std::string& name) { return *folder + "/" + name; }

  // The play time as the library's command-line tool reports it, as a length text.
  static std::string ExpectedLength(const std::string& path) {
    std::string ms = RunCommand("mediainfo --Inform='General;%Duration%' " + ShellQuote(path));
    while (!ms.empty() && (ms.back() == '\n' || ms.back() == '\r')) ms.pop_back();
    return FormatTimeText(std::stod(ms) / 1000);
  }

  static void ExpectFailure(const std::string& path, const std::string& message) {
    try {
      ProbeMediaFile(path);
      ADD_FAILURE() << path << " was probed without a failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.what(), message) << path;
    }
  }

  static std::string* folder;
};
std::string* MediaProbeTest::folder = nullptr;

TEST_F(MediaProbeTest, ReportsLengthAndSize) {
  const struct {
    const char* name;
    const char* size;
    double seconds;
  } cases[] = {
      {"av.avi", "320x240", 2},      // video with audio
      {"silent.mp4", "176x144", 3},  // video without audio
      {"tone.mp3", "x", 3},          // no video stream at all
  };
  for (const auto& c : cases) {
    const MediaProbeResult result = ProbeMediaFile(Path(c.name));
    EXPECT_EQ(result.SizeText, c.size) << c.name;
    EXPECT_EQ(result.LengthText, ExpectedLength(Path(c.name))) << c.name;
    EXPECT_NEAR(ParseTimeText(result.LengthText), c.seconds, 0.15) << c.name;
  }
}

TEST_F(MediaProbeTest, FilesWithoutPlayTimeFailWithTheConversionMessage) {
  for (const char* name : {"notes.avi", "empty.avi", "missing.avi", ""})
    ExpectFailure(name[0] ? Path(name) : std::string(), "'' is not a valid floating point value");
}

TEST_F(MediaProbeTest, UnreadableFileFails) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string copy = Path("locked.avi");
  fs::copy_file(Path("av.avi"), copy, fs::copy_options::overwrite_existing);
  fs::permissions(copy, fs::perms::none);
  ExpectFailure(copy, "'' is not a valid floating point value");
  fs::permissions(copy, fs::perms::owner_all);
}

TEST_F(MediaProbeTest, NamesAreTakenAsTheyStandWhateverTheLocale) {
  // The test binary runs under the "C" locale; names reach the library intact anyway.
  const MediaProbeResult original = ProbeMediaFile(Path("av.avi"));
  for (const std::string& name : std::vector<std::string>{
           "clip é ü 日本 😀.avi", "with \"quotes\" and 'apostrophes'.avi", "back\\slash\\name.avi",
           " leading and trailing blanks .avi", "-dash.avi", std::string(246, 'n') + ".avi"}) {
    fs::copy_file(Path("av.avi"), Path(name), fs::copy_options::overwrite_existing);
    const MediaProbeResult result = ProbeMediaFile(Path(name));
    EXPECT_EQ(result.LengthText, original.LengthText) << name;
    EXPECT_EQ(result.SizeText, original.SizeText) << name;
  }
}

TEST(MediaProbe, PlayTimeTextsBecomeLengthTexts) {
  const char* cases[][2] = {{"1250", "00:00:01.2"}, {"0", "00:00:00"},
                            {"4049", "00:00:04"},   {"3934.000000", "00:00:03.9"},
                            {"59960", "00:01:00"},  {"360000000", "100:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(LengthTextOfPlayTime(c[0]), c[1]) << c[0];
  EXPECT_DOUBLE_EQ(ParseTimeText(LengthTextOfPlayTime("1250")), 1.2);
}

TEST(MediaProbe, PlayTimeTextsThatAreNotNumbersFail) {
  for (const std::string text : {"", "abc", "12a", "-5", "nan", "inf", " 12", "1,5"}) {
    try {
      LengthTextOfPlayTime(text);
      ADD_FAILURE() << "'" << text << "' was taken";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.what(), "'" + text + "' is not a valid floating point value");
    }
  }
}

TEST(MediaProbe, WideTextsRoundTrip) {
  for (const std::string text : {"", "plain", "é ü ß", "日本語", "😀 emoji", "a\\b\"c"})
    EXPECT_EQ(Utf8FromWide(WideFromUtf8(text).c_str()), text);
  EXPECT_EQ(WideFromUtf8("é日😀").size(), sizeof(wchar_t) == 4 ? 3u : 4u);
  // Malformed sequences turn into the replacement character, not into lost bytes.
  EXPECT_EQ(Utf8FromWide(WideFromUtf8("a\xC3").c_str()), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromWide(WideFromUtf8("\xFF"
                                      "b")
                             .c_str()),
            "\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Utf8FromWide(nullptr), "");
}

}  // namespace
}  // namespace vuvide
