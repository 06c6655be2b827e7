// Reading profile files: the sections, their defaults and the letter case of names.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/Extensions.h"
#include "prefs/IniFile.h"
#include "profiles/Profile.h"
#include "tests/profiles/ExampleProfile.h"
#include "tests/support/TempAppDir.h"

namespace vuvide::test {
namespace {

using Choices = std::vector<std::string>;

TEST(ProfileTest, ExampleProfileReadsAsLoaded) {
  TempAppDir app;
  const std::string path = app.write("Profiles/Example.bpf", kExampleProfile);
  EXPECT_EQ(ReadProfileExtension(path), ".avi");
  EXPECT_EQ(ReadProfileSetting(path, Setting::Aspect),
            (ChooserState{{"autoaspect", "16:9"}, 0, "autoaspect"}));
  EXPECT_EQ(ReadProfileSetting(path, Setting::AudioCodec),
            (ChooserState{{"MP3", "ac3", "PCM"}, 0, "MP3"}));
  EXPECT_EQ(ReadProfileSetting(path, Setting::AbrCbrBitrate),
            (ChooserState{{"128", "224"}, 1, "224"}));
  EXPECT_EQ(ReadSettingDescription(path, Setting::SampleRate), "Sample rate help");
  EXPECT_EQ(ReadSettingToken(path, Setting::AbrCbrBitrate, 0), "128");
}

TEST(ProfileTest, SectionEdgeCases) {
  struct Case {
    const char* name;
    std::string text;
    ChooserState expected;
  };
  const Case cases[] = {
      {"three items, one caption",
       "[Channels]\nItems=3\nCaption0=2\nIndex=0\n",
       {{"2", "", ""}, 0, "2"}},
      {"index out of range",
       "[Channels]\nItems=3\nCaption0=a\nCaption1=b\nCaption2=c\nIndex=5\n",
       {{"a", "b", "c"}, -1, ""}},
      {"index -1", "[Channels]\nItems=1\nCaption0=a\nIndex=-1\n", {{"a"}, -1, ""}},
      {"no index", "[Channels]\nItems=1\nCaption0=a\n", {{"a"}, -1, ""}},
      {"malformed items", "[Channels]\nItems=two\nCaption0=a\nIndex=0\n", {{}, -1, ""}},
      {"negative items", "[Channels]\nItems=-2\nCaption0=a\nIndex=0\n", {{}, -1, ""}},
      {"malformed index",
       "[Channels]\nItems=2\nCaption0=a\nCaption1=b\nIndex=1x\n",
       {{"a", "b"}, -1, ""}},
      {"empty caption selected", "[Channels]\nItems=2\nCaption1=b\nIndex=0\n", {{"", "b"}, 0, ""}},
      {"other letter case",
       "[cHANNELS]\nITEMS=2\ncaption0=Mono\nCAPTION1=Stereo\nindex=1\n",
       {{"Mono", "Stereo"}, 1, "Stereo"}},
      {"blanks around values",
       "[Channels]\nItems = 2\nCaption0 =  a b  \nCaption1=c\nIndex= 0\n",
       {{"a b", "c"}, 0, "a b"}},
      {"missing section", "[Main]\nType=mpg\n", {{}, -1, ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempAppDir app;
    const std::string path = app.write("Profiles/P.bpf", c.text);
    EXPECT_EQ(ReadProfileSetting(path, Setting::Channels), c.expected);
  }
}

TEST(ProfileTest, ExtensionAndLookupsWithoutRegardToCase) {
  TempAppDir app;
  const std::string noMain = app.write("Profiles/NoMain.bpf", "[Channels]\nItems=0\n");
  const std::string upper = app.write(
      "Profiles/Upper.BPF",
      "[MAIN]\nTYPE=wmv\n[aspect]\nVALUE1=4/3\nDESCRIPTION=Shape\n[Video Codec]\nValue0=wmv2\n");
  EXPECT_EQ(ReadProfileExtension(noMain), ".avi");
  EXPECT_EQ(ReadProfileExtension(upper), ".wmv");
  EXPECT_EQ(ReadProfileExtension(app.path() + "Profiles/Missing.bpf"), ".avi");
  EXPECT_EQ(ReadSettingDescription(upper, Setting::Aspect), "Shape");
  EXPECT_EQ(ReadSettingToken(upper, Setting::Aspect, 1), "4/3");
  EXPECT_EQ(ReadSettingToken(upper, Setting::VideoCodec, 0), "wmv2");
  EXPECT_EQ(ReadSettingDescription(noMain, Setting::Aspect), "");
}

TEST(ProfileTest, TokenDefaultsThroughValueMinusOne) {
  TempAppDir app;
  // A profile that holds "value-1" shows that nothing selected reads that very key.
  const std::string path = app.write("Profiles/P.bpf", "[Channels]\nvalue-1=6\nvalue0=1\n");
  EXPECT_EQ(ReadSettingToken(path, Setting::Channels, -1), "6");
  EXPECT_EQ(ReadSettingToken(path, Setting::Channels, 0), "1");
  const std::string missing = app.path() + "Profiles/Missing.bpf";
  const std::pair<Setting, const char*> defaults[] = {
      {Setting::VideoCodec, "mpeg4"},  {Setting::Aspect, "16:9"},      {Setting::AudioCodec, "ac3"},
      {Setting::Channels, "2"},        {Setting::Mp3Encode, "vbr"},    {Setting::VbrQuality, "6"},
      {Setting::AbrCbrBitrate, "224"}, {Setting::VideoSize, "640:480"}};
  for (const auto& [setting, token] : defaults) {
    SCOPED_TRACE(InfoOf(setting).section);
    EXPECT_EQ(ReadSettingToken(missing, setting, -1), token);
    EXPECT_EQ(ReadSettingToken(missing, setting, 3), token);
  }
}

TEST(ProfileTest, SettingsInLoadOrder) {
  const char* sections[] = {"Video Codec",   "Video Size",  "Video Bitrate", "Aspect",
                            "Audio Codec",   "MP3 Encode",  "VBR Quality",   "ABR CBR Bitrate",
                            "Audio Bitrate", "Sample Rate", "Channels"};
  ASSERT_EQ(Settings().size(), std::size(sections));
  for (std::size_t i = 0; i < Settings().size(); ++i) {
    EXPECT_STREQ(Settings()[i].section, sections[i]);
    EXPECT_EQ(static_cast<std::size_t>(Settings()[i].setting), i);
  }
}

TEST(ProfileTest, WholeNumbers) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"800", 800},
                                                              {"0", 0},
                                                              {"-5", -5},
                                                              {"+7", 7},
                                                              {"2147483647", 2147483647},
                                                              {"-2147483648", -2147483647 - 1},
                                                              {"2147483648", std::nullopt},
                                                              {"", std::nullopt},
                                                              {"-", std::nullopt},
                                                              {" 800", std::nullopt},
                                                              {"800 ", std::nullopt},
                                                              {"8e2", std::nullopt},
                                                              {"0x10", std::nullopt},
                                                              {"$10", std::nullopt},
                                                              {"12.5", std::nullopt},
                                                              {"--1", std::nullopt}};
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseWholeNumberText(text), expected);
  }
}

// Every shipped profile follows the format completely: a user never meets an empty
// chooser, a missing description or a choice without its token.
TEST(ShippedProfiles, AreCompleteAndCoverEveryOutputType) {
  namespace fs = std::filesystem;
  std::set<std::string> types;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(SourceDir()) / "profiles" / "shipped")) {
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    ++count;
    EXPECT_EQ(entry.path().extension(), ".bpf");
    types.insert(ReadProfileExtension(path));
    for (const SettingInfo& info : Settings()) {
      SCOPED_TRACE(info.section);
      const ChooserState state = ReadProfileSetting(path, info.setting);
      EXPECT_FALSE(state.choices.empty());
      EXPECT_GE(state.selected, 0);
      EXPECT_FALSE(ReadSettingDescription(path, info.setting).empty());
      for (std::size_t i = 0; i < state.choices.size(); ++i) {
        const std::string& caption = state.choices[i];
        EXPECT_FALSE(caption.empty());
        const std::string key = "value" + std::to_string(i);
        const std::string token = ReadIniString(path, info.section, key, "");
        const bool tokenless =
            !info.tokenDefault || (info.setting == Setting::Aspect && i == 0) ||
            (info.setting == Setting::AudioCodec && (caption == "MP3" || caption == "PCM"));
        if (tokenless) continue;
        EXPECT_FALSE(token.empty()) << key;
        // Tokens sit inside ":"-separated option lists; only the frame size has a ":".
        if (info.setting != Setting::VideoSize) {
          EXPECT_EQ(token.find(':'), std::string::npos) << key;
        }
        if (info.setting == Setting::Mp3Encode) {
          EXPECT_EQ(token == "vbr", i == 0) << key;
        }
      }
      if (info.freeText) {
        for (const auto& caption : state.choices)
          EXPECT_TRUE(ParseWholeNumberText(caption).has_value()) << caption;
      }
    }
  }
  EXPECT_GE(count, 8);
  const auto& wanted = OutputTypeExtensions();
  EXPECT_EQ(types, std::set<std::string>(wanted.begin(), wanted.end()));
}

}  // namespace
}  // namespace vuvide::test
