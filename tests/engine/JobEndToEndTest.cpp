// A whole job with the real encoder program and MEncoder, on clips made at test time:
// Start, both passes, and a joined output that decodes and lasts as long as its inputs.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>

#include "engine/JobCommands.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"
#include "tests/support/Clips.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {
namespace fs = std::filesystem;

double Duration(const std::string& path) {
  return std::atof(
      RunCommand("ffprobe -v error -show_entries format=duration -of csv=p=0 " + ShellQuote(path))
          .c_str());
}

struct Case {
  const char* profile;
  const char* extension;
};

class JobEndToEndTest : public GuiTest, public ::testing::WithParamInterface<Case> {};

TEST_P(JobEndToEndTest, JoinsThreeDifferentClipsIntoOnePlayableFile) {
  app.copyShippedProfiles();
  app.linkEncoder();
  const std::string in = app.path() + "in put/";
  fs::create_directories(in);
  ClipSpec first{2.0, 320, 240, 25, true, 44100, 2, ""};
  ClipSpec second{1.5, 480, 360, 30, false, 44100, 2, ""};
  ClipSpec third{2.5, 640, 480, 24, true, 48000, 1, ""};
  const std::vector<std::string> clips = {MakeClip(in + "first clip.mp4", first),
                                          MakeClip(in + "second.avi", second),
                                          MakeClip(in + "third.mkv", third)};
  Start();
  for (const auto& clip : clips) main().AddFile(clip);
  ASSERT_EQ(main().ltvTask->topLevelItemCount(), 3);
  main().cmbProfile->setCurrentIndex(main().cmbProfile->findText(GetParam().profile));
  ASSERT_GE(main().cmbProfile->currentIndex(), 0);
  main().cmbProfileChange();
  const std::string temp = app.path() + "work/";
  main().SettingForm->edtTempDir->setText(QString::fromStdString(temp));
  main().SettingForm->rdbOverWrite->setChecked(true);
  main().SettingForm->chkExit->setChecked(false);
  main().SettingForm->chkTurnoff->setChecked(false);
  main().SettingForm->chkOpenDir->setChecked(true);
  const std::string folder = app.path() + "out put/";
  fs::create_directories(folder);
  main().edtOutputFile->setText(QString::fromStdString(folder + "joined"));

  Dispatch([this] { main().imgStartClick(); });

  const std::string output = folder + "joined" + GetParam().extension;
  EXPECT_EQ(main().edtOutputFile->text().toStdString(), output);
  ASSERT_EQ(shell.messages.size(), 1u) << shell.messages[0].text.toStdString();
  EXPECT_EQ(shell.messages[0].text, "The joining is completed successfully.");
  EXPECT_EQ(shell.messages[0].caption, "Complete");
  EXPECT_EQ(shell.opened, std::vector<QString>{QString::fromStdString(folder)});
  for (int row = 0; row < 3; ++row) {
    ltvItemData record;
    main().ReadRow(row, kStatusItem, record);
    EXPECT_EQ(record.StatusText(), "Complete") << row;
    EXPECT_FALSE(fs::exists(IntermediatePath(temp, row))) << row;
  }
  EXPECT_EQ(main().JobState, jsIdle);
  EXPECT_EQ(main().labTotalProgress->text(), "100%");

  ASSERT_TRUE(fs::exists(output));
  EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i " + ShellQuote(output) + " -f null - 2>&1"),
            "");
  EXPECT_NEAR(Duration(output), 6.0, 0.3);
}

INSTANTIATE_TEST_SUITE_P(Containers, JobEndToEndTest,
                         ::testing::Values(Case{"MP4 - MPEG-4 + AAC", ".mp4"},
                                           Case{"WMV - Windows Media 8", ".wmv"}),
                         [](const ::testing::TestParamInfo<Case>& param) {
                           return std::string(param.param.extension + 1);
                         });

}  // namespace
}  // namespace vuvide::test
