// Preferences files: private-profile semantics of reads and writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Failure.h"
#include "prefs/IniFile.h"
#include "tests/support/TempAppDir.h"

namespace vuvide {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class IniFileTest : public ::testing::Test {
 protected:
  test::TempAppDir dir;
  std::string file = dir.write("Preferences.ini",
                               "; a comment that stays\n"
                               "[Main]\n"
                               "Output File =   /v/out file.avi   \n"
                               "Auto Exit=yes\n"
                               "Auto Turn Off=0x1\n"
                               "Ask=$10\n"
                               "Overwrite=2\n"
                               "Rename=-3\n"
                               "Profile= 7 \n"
                               "Big=99999999999\n"
                               "Hex=0xFFFFFFFF\n"
                               "Empty=\n"
                               "[Default]\n"
                               "Auto Open Dir=0\n"
                               "Other=keep me\n");
};

TEST_F(IniFileTest, ReadsTextsWithoutRegardToCase) {
  EXPECT_EQ(ReadIniString(file, "main", "OUTPUT FILE", "x"), "/v/out file.avi");
  EXPECT_EQ(ReadIniString(file, "MAIN", "empty", "x"), "");
  EXPECT_EQ(ReadIniString(file, "Main", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ReadIniString(file, "Nope", "Output File", "dflt"), "dflt");
  EXPECT_EQ(ReadIniString(dir.path() + "none.ini", "Main", "Output File", "dflt"), "dflt");
}

TEST_F(IniFileTest, ReadsWholeNumbersAndBooleans) {
  struct Case {
    const char* section;
    const char* key;
    int defaultValue;
    int expected;
  } cases[] = {
      {"Main", "Auto Exit", 0, 0},      // "yes" is not a whole number
      {"Main", "Auto Exit", 1, 1},      //   ... so the default applies
      {"Main", "Auto Turn Off", 0, 1},  // hexadecimal with 0x
      {"Main", "Ask", 0, 16},           // hexadecimal with $
      {"Main", "Overwrite", 0, 2},      // any number but 0 is true
      {"Main", "Rename", 0, -3},        // negative
      {"Main", "Profile", 0, 7},        // blanks around the value are trimmed
      {"Main", "Big", 5, 5},            // does not fit 32 bits
      {"Main", "Hex", 0, -1},           // the whole 32-bit pattern
      {"Main", "Empty", 4, 4},          // empty is not a number
      {"Main", "Missing", -1, -1},      // missing key
      {"Default", "Auto Open Dir", 1, 0},
      {"Default", "Missing", 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadIniInteger(file, c.section, c.key, c.defaultValue), c.expected) << c.key;
  EXPECT_FALSE(ReadIniBool(file, "Main", "Auto Exit", false));
  EXPECT_TRUE(ReadIniBool(file, "Main", "Auto Turn Off", false));
  EXPECT_TRUE(ReadIniBool(file, "Main", "Overwrite", false));
  // The same missing key has different defaults in the two sections.
  EXPECT_TRUE(ReadIniBool(file, "Main", "Auto Open Dir", true));
  EXPECT_FALSE(ReadIniBool(file, "Default", "Auto Open Dir", false));
}

TEST(WholeNumber, Parsing) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"0", 0},
                                                              {"-5", -5},
                                                              {"+5", 5},
                                                              {"0x1", 1},
                                                              {"0X1f", 31},
                                                              {"$ff", 255},
                                                              {"2147483647", INT32_MAX},
                                                              {"-2147483648", INT32_MIN},
                                                              {"2147483648", std::nullopt},
                                                              {"12abc", std::nullopt},
                                                              {"yes", std::nullopt},
                                                              {"", std::nullopt},
                                                              {"0x", std::nullopt},
                                                              {"$", std::nullopt},
                                                              {"--1", std::nullopt},
                                                              {"1.5", std::nullopt},
                                                              {" 1", std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseWholeNumber(text), expected) << text;
}

TEST_F(IniFileTest, WritesKeepTheRestOfTheFileAndTheKeysOwnSpelling) {
  WriteIniString(file, "MAIN", "output file", "/new/out.wmv");
  WriteIniBool(file, "Main", "Auto Exit", true);
  WriteIniInteger(file, "Main", "Profile", -1);
  WriteIniString(file, "New Section", "Key", "value");
  EXPECT_EQ(ReadIniString(file, "Main", "Output File", ""), "/new/out.wmv");
  EXPECT_EQ(ReadIniString(file, "Main", "Auto Exit", ""), "1");
  EXPECT_EQ(ReadIniInteger(file, "Main", "Profile", 0), -1);
  EXPECT_EQ(ReadIniString(file, "Default", "Other", ""), "keep me");
  EXPECT_EQ(ReadIniString(file, "New Section", "Key", ""), "value");
  const std::string text = Slurp(file);
  EXPECT_NE(text.find("; a comment that stays"), std::string::npos);
  EXPECT_NE(text.find("Output File"), std::string::npos);
  EXPECT_EQ(text.find("output file"), std::string::npos);
  // Nothing is left beside the file by the atomic replacement.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2);  // Preferences.ini and Profiles/
}

TEST_F(IniFileTest, AValueWithLineBreaksNeverMakesAnotherKey) {
  WriteIniString(file, "Main", "Output File", "/v/a.avi\nProfile=3\r\n[Evil]\nX=1");
  EXPECT_EQ(ReadIniInteger(file, "Main", "Profile", 0), 7);
  EXPECT_EQ(ReadIniString(file, "Evil", "X", "none"), "none");
  EXPECT_EQ(ReadIniString(file, "Main", "Output File", ""), "/v/a.avi Profile=3  [Evil] X=1");
}

TEST_F(IniFileTest, QuotesAndDuplicateKeysReadAsThePlatformReadsThem) {
  const std::string quoted = dir.write("q.ini",
                                       "[Main]\n"
                                       "A=\"quoted text\"\n"
                                       "B='single'\n"
                                       "C=\"unbalanced\n"
                                       "D=\"5\"\n"
                                       "Dup=first\n"
                                       "Dup=second\n");
  EXPECT_EQ(ReadIniString(quoted, "Main", "A", ""), "quoted text");
  EXPECT_EQ(ReadIniString(quoted, "Main", "B", ""), "single");
  EXPECT_EQ(ReadIniString(quoted, "Main", "C", ""), "\"unbalanced");
  EXPECT_EQ(ReadIniInteger(quoted, "Main", "D", 0), 5);
  EXPECT_EQ(ReadIniString(quoted, "Main", "Dup", ""), "first");
  WriteIniString(quoted, "Main", "Dup", "third");
  EXPECT_EQ(ReadIniString(quoted, "Main", "Dup", ""), "third");
}

TEST_F(IniFileTest, LongValuesAreReadUpTo2047Characters) {
  WriteIniString(file, "Main", "Output File", std::string(3000, 'a'));
  EXPECT_EQ(ReadIniString(file, "Main", "Output File", "").size(), 2047u);
}

TEST_F(IniFileTest, AWriteThatFailsNamesTheFile) {
  const std::string blocked = dir.path() + "blocked.ini";
  std::filesystem::create_directories(blocked);
  try {
    WriteIniString(blocked, "Main", "Profile", "1");
    FAIL() << "the write should fail";
  } catch (const Failure& failure) {
    EXPECT_EQ(std::string(failure.what()), "Unable to write to " + blocked);
  }
  EXPECT_THROW(WriteIniString(dir.path() + "no/such/folder/x.ini", "Main", "K", "v"), Failure);
}

TEST_F(IniFileTest, MissingFileIsCreatedByTheFirstWrite) {
  const std::string fresh = dir.path() + "fresh.ini";
  WriteIniBool(fresh, "Main", "Ask", false);
  EXPECT_EQ(Slurp(fresh).find("Ask=0") != std::string::npos, true);
}

}  // namespace
}  // namespace vuvide
