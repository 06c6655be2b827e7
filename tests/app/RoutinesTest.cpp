// Shared path routines, extension lists, dialog filters, product identity texts and
// the error box's full-stop rule.
#include <gtest/gtest.h>

#include <filesystem>

#include "about/ProgramInfo.h"
#include "app/Extensions.h"
#include "app/Failure.h"
#include "app/PathRoutines.h"
#include "tests/support/TempAppDir.h"

namespace vuvide {
namespace {

TEST(PathRoutines, AddTrailingBackslash) {
  EXPECT_EQ(AddTrailingBackslash("/videos"), "/videos/");
  EXPECT_EQ(AddTrailingBackslash("/videos/"), "/videos/");
  EXPECT_EQ(AddTrailingBackslash("/"), "/");
  EXPECT_EQ(AddTrailingBackslash(""), "");
}

TEST(PathRoutines, NameWithoutExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.b.bpf", "a.b"}, {"AVI.bpf", "AVI"}, {"noext", "noext"}, {".bpf", ""}, {"x.", "x"}};
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(NameWithoutExtension(name), expected) << name;
}

TEST(PathRoutines, ListFilesWithExtensionSortsIgnoringCaseAndSkipsHiddenAndFolders) {
  test::TempAppDir dir;
  for (const char* name : {"b.bpf", "A.BPF", "c.txt", ".hidden.bpf", "sub.bpf/x.bpf", "a.b.Bpf"})
    dir.write(std::string("list/") + name, "[Main]\n");
  EXPECT_EQ(ListFilesWithExtension(dir.path() + "list/", ".bpf"),
            (std::vector<std::string>{"a.b.Bpf", "A.BPF", "b.bpf"}));
  EXPECT_TRUE(ListFilesWithExtension(dir.path() + "missing/", ".bpf").empty());
}

TEST(PathRoutines, FileAndFolderParts) {
  EXPECT_EQ(ExtractFileName("/v/holiday.avi"), "holiday.avi");
  EXPECT_EQ(ExtractFilePath("/v/holiday.avi"), "/v/");
  EXPECT_EQ(ExtractFilePath("holiday.avi"), "");
  EXPECT_EQ(ExtractFileExt("/v.d/holiday"), "");
  EXPECT_EQ(ExtractFileExt("/v/holiday.avi.WMV"), ".WMV");
}

TEST(Extensions, ListsAndMask) {
  EXPECT_EQ(OutputTypeExtensions(), (std::vector<std::string>{".avi", ".mpg", ".mp4", ".wmv",
                                                              ".mov", ".vob", ".asf", ".flv"}));
  EXPECT_EQ(InputMask(), "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;");
}

TEST(Extensions, DialogFilters) {
  EXPECT_EQ(OpenDialogFilter(),
            "All Support Files(*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;)|"
            "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;|"
            "AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MPEG Files (*.mpeg)|*.mpeg|"
            "MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|"
            "VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|All Files (*.*)|*.*");
  EXPECT_EQ(SaveDialogFilter(),
            "AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MP4 Files (*.mp4)|*.mp4|"
            "WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|VOB Files (*.vob)|*.vob|"
            "ASF Files (*.asf)|*.asf|FLV Files (*.flv)|*.flv|All Files (*.*)|*.*");
}

TEST(ProgramInfo, TitleLogoAndHelpFile) {
  const ProgramInfo info = MakeProgramInfo("/opt/vuvide/");
  EXPECT_EQ(info.productName, "Kestova VID Uzaru Vuvide");
  EXPECT_EQ(info.helpFile, "/opt/vuvide/Vantorel.chm");
  EXPECT_EQ(info.copyrightYear, "2008");
  EXPECT_NE(info.webSite.find(".example/"), std::string::npos);
  EXPECT_EQ(MainWindowTitle(info.productName, "1.5"), "Kestova VID Uzaru Vuvide V1.5");
  EXPECT_EQ(MainWindowTitle(info.productName, "2.0 beta"), "Kestova VID Uzaru Vuvide V2.0 beta");
  EXPECT_EQ(LogoText(info.productName), "VID Uzaru Vuvide");
  EXPECT_EQ(LogoText("Single"), "Single");
}

TEST(ErrorBox, FullStopRule) {
  const std::pair<const char*, const char*> cases[] = {
      {"Unable to write to /x/Preferences.ini", "Unable to write to /x/Preferences.ini."},
      {"'' is not a valid floating point value", "'' is not a valid floating point value."},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"(note)", "(note)"},
      {"trailing blank ", "trailing blank "},
      {"a-", "a-"},
      {"version 2", "version 2."},
      {"", "."}};
  for (const auto& [message, expected] : cases) EXPECT_EQ(WithFullStop(message), expected);
}

}  // namespace
}  // namespace vuvide
