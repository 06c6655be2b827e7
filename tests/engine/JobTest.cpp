// Start, Stop and the two passes, with the scripted fake encoder in place of the real
// one, so that every timing path (Stop during a run, a failing start) is exact.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "app/PictureButton.h"
#include "engine/CommandLine.h"
#include "engine/JobCommands.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"
#include "tests/engine/FakeEncoderScript.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {
namespace fs = std::filesystem;

const char* const kProfile = "WMV - Windows Media 8";
const QString kReinstall = "Error. Please re-install Kestova VID Uzaru Vuvide";

// A run that reports its way through the clip and writes its output.
std::string FinishingRun() {
  return FakeBanner() + "chunk Pos:   5.0s  1f\\r\nchunk Pos:  10.0s  2f\\r\noutput\n";
}

class JobTest : public GuiTest {
 protected:
  void SetUp() override {
    app.copyShippedProfiles();
    Start();
    InstallFakeEncoder(app);
    main().cmbProfile->setCurrentIndex(main().cmbProfile->findText(kProfile));
    main().cmbProfileChange();
    ASSERT_EQ(main().OpSettingForm->OutputExtension, ".wmv");
    temp = app.path() + "work/";
    outFolder = app.path() + "out/";
    fs::create_directories(outFolder);
    main().SettingForm->edtTempDir->setText(QString::fromStdString(temp));
    main().SettingForm->rdbOverWrite->setChecked(true);
    main().SettingForm->chkOpenDir->setChecked(false);
    main().SettingForm->chkExit->setChecked(false);
    main().SettingForm->chkTurnoff->setChecked(false);
    SetOutput(outFolder + "holiday.wmv");
    WriteFakeScript(app, FinishingRun());
  }

  void SetOutput(const std::string& text) {
    main().edtOutputFile->setText(QString::fromStdString(text));
  }
  std::string Output() const { return program->MainForm->edtOutputFile->text().toStdString(); }

  // Rows as the task list holds them; the fake encoder never reads the inputs.
  void AddRows(int count, const std::string& length = "00:00:10") {
    for (int i = 0; i < count; ++i) {
      new QTreeWidgetItem(main().ltvTask);
      ltvItemData record;
      record.Path = app.path() + "in/clip " + std::to_string(i) + ".mp4";
      record.LengthText() = length;
      record.SizeText() = "320x240";
      record.StatusText() = "OK";
      record.BaseName() = "clip " + std::to_string(i);
      main().WriteRow(main().ltvTask->topLevelItemCount() - 1, kPartWholeRow, record);
    }
  }
  std::vector<std::string> Statuses() {
    std::vector<std::string> statuses;
    for (int row = 0; row < main().ltvTask->topLevelItemCount(); ++row) {
      ltvItemData record;
      main().ReadRow(row, kStatusItem, record);
      statuses.push_back(record.StatusText());
    }
    return statuses;
  }
  std::vector<QString> MessageTexts() const {
    std::vector<QString> texts;
    for (const auto& message : shell.messages) texts.push_back(message.text);
    return texts;
  }
  bool IntermediatesLeft() const {
    for (int i = 0; i < 10; ++i)
      if (fs::exists(IntermediatePath(temp, i))) return true;
    return false;
  }

  void ClickStart() {
    Dispatch([this] { main().imgStartClick(); });
  }

  // Calls action (once) as soon as the marker file appears, while a run waits.
  void When(const std::string& marker, std::function<void()> action) {
    auto* timer = new QTimer(&main());
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, marker, action] {
      if (!fs::exists(app.path() + marker)) return;
      timer->stop();
      timer->deleteLater();
      action();
    });
    timer->start();
  }

  void ExpectIdleWindow(int state) {
    EXPECT_EQ(main().JobState, state);
    EXPECT_FALSE(main().JobInProgress);
    EXPECT_FALSE(main().timerTime->isActive());
    EXPECT_TRUE(main().panBottomLeft->isHidden());
    EXPECT_FALSE(main().panBottomCenter->isHidden());
    EXPECT_FALSE(main().imgStart->isHidden());
    EXPECT_TRUE(main().imgStop->isHidden());
    for (QWidget* control : std::initializer_list<QWidget*>{
             main().tbtnAddFile, main().tbtnAddDir, main().tbtnUp, main().tbtnDown,
             main().tbtnRemove, main().tbtnClear, main().tbtnSetting, main().ltvTask})
      EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
  }

  std::string temp;
  std::string outFolder;
};

TEST_F(JobTest, ConvertsEveryRowThenJoinsAndReportsSuccess) {
  AddRows(3);
  main().SettingForm->chkOpenDir->setChecked(true);
  fs::create_directories(temp);
  ClickStart();

  ASSERT_EQ(FakeRunCount(app), 4);
  for (int row = 0; row < 3; ++row) {
    ltvItemData record;
    main().ReadRow(row, kPartWholeRow, record);
    EXPECT_EQ(FakeRunArguments(app, row),
              SplitCommandLine(
                  ConversionCommandLine(record.Path, IntermediatePath(temp, row), "640:480")));
  }
  const std::string options = main().OpSettingForm->BuildJoinOptions(main().ProfilePath());
  EXPECT_EQ(FakeRunArguments(app, 3),
            SplitCommandLine(JoiningCommandLine({temp + "0.avi", temp + "1.avi", temp + "2.avi"},
                                                outFolder + "holiday.wmv", options)));
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Complete", "Complete", "Complete"}));
  EXPECT_FALSE(IntermediatesLeft());
  EXPECT_TRUE(fs::is_directory(temp));
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, "The joining is completed successfully.");
  EXPECT_EQ(shell.messages[0].caption, "Complete");
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(shell.opened, std::vector<QString>{QString::fromStdString(outFolder)});
  EXPECT_EQ(main().pgbCurrent->value(), 100);
  EXPECT_EQ(main().pgbTotal->value(), 100);
  EXPECT_EQ(main().labTotalProgress->text(), "100%");
  EXPECT_EQ(main().labProcessTitle->text(), "Final Step: Joining all files...");
  EXPECT_EQ(shell.powerOffCalls, 0);
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, ShowsTheJobWhileItRuns) {
  AddRows(2);
  WriteFakeScript(
      app, FakeBanner() + "chunk Pos:   5.0s\\r\ntouch half-1\nwaitfile seen-1\noutput\n", 1);
  When("half-1", [this] {
    EXPECT_EQ(main().labProcessTitle->text(), "Prepare (Converting):");
    EXPECT_EQ(main().labConvertingFile->text(), "clip 1.mp4");
    EXPECT_FALSE(main().labConvertingFile->isHidden());
    EXPECT_FALSE(main().panBottomLeft->isHidden());
    EXPECT_TRUE(main().panBottomCenter->isHidden());
    EXPECT_EQ(main().labCurProgress->text(), "50%");    // 5 of 10 s
    EXPECT_EQ(main().labTotalProgress->text(), "38%");  // (10 + 5) / 20 / 2 = 37.5
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Waiting for joining", "Converting"}));
    EXPECT_TRUE(main().timerTime->isActive());
    EXPECT_TRUE(main().imgStart->isHidden());
    EXPECT_FALSE(main().imgStop->isHidden());
    EXPECT_FALSE(main().ltvTask->isEnabled());
    EXPECT_FALSE(main().tbtnSetting->isEnabled());
    EXPECT_TRUE(main().tbtnAbout->isEnabled());
    EXPECT_TRUE(main().tbtnHelp->isEnabled());
    app.write("seen-1", "x");
  });
  WriteFakeScript(app,
                  FakeBanner() +
                      "chunk Pos:  15.0s\\r\nchunk Pos:  12.0s\\r\ntouch half-2\n"
                      "waitfile seen-2\noutput\n",
                  2);
  When("half-2", [this] {
    EXPECT_TRUE(main().labConvertingFile->isHidden());
    // The join's position never goes down: 15 of 20 s.
    EXPECT_EQ(main().labCurProgress->text(), "75%");
    EXPECT_EQ(main().labTotalProgress->text(), "88%");  // 37.5 goes to 38, plus 50
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Joining", "Joining"}));
    app.write("seen-2", "x");
  });
  ClickStart();
  EXPECT_TRUE(fs::exists(app.path() + "seen-1"));
  EXPECT_TRUE(fs::exists(app.path() + "seen-2"));
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Complete", "Complete"}));
}

TEST_F(JobTest, StopDuringTheSecondOfThreeRowsCancelsTheConversion) {
  AddRows(3);
  WriteFakeScript(app, FakeBanner() + "output\nchunk Pos:   1.0s\\r\ntouch running-1\nhang\n", 1);
  When("running-1", [this] {
    main().imgStopClick();
    EXPECT_EQ(main().JobState, jsStopped);
    EXPECT_FALSE(main().imgStart->isHidden());
    main().imgStopClick();   // the second click finds jsStopped and does nothing
    main().imgStartClick();  // nor does a Start before the first has returned
  });
  ClickStart();

  EXPECT_EQ(FakeRunCount(app), 2);  // no further row, and no join
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Waiting for joining", "Stop", "OK"}));
  EXPECT_FALSE(IntermediatesLeft());
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, "The Coversion is canceled.");
  EXPECT_EQ(shell.messages[0].caption, "Cancel");
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::Information);
  EXPECT_FALSE(fs::exists(outFolder + "holiday.wmv"));
  ExpectIdleWindow(jsStopped);

  // A later Start begins afresh: jsStopped means idle between jobs.
  fs::remove(app.path() + "fake-run-1.txt");
  for (int i = 0; i < 2; ++i) fs::remove(app.path() + "fake-args-" + std::to_string(i));
  ClickStart();
  EXPECT_EQ(FakeRunCount(app), 4);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Complete", "Complete", "Complete"}));
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, StopDuringTheJoinCancelsItAndLeavesNothingBehind) {
  AddRows(2);
  WriteFakeScript(app, FakeBanner() + "output\nchunk Pos:   3.0s\\r\ntouch joining\nhang\n", 2);
  When("joining", [this] { main().imgStopClick(); });
  main().SettingForm->chkOpenDir->setChecked(true);
  main().SettingForm->chkExit->setChecked(true);
  ClickStart();

  EXPECT_EQ(FakeRunCount(app), 3);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Stop", "Stop"}));
  EXPECT_FALSE(IntermediatesLeft());
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"The Joining is canceled."});
  EXPECT_EQ(shell.messages[0].caption, "Cancel");
  // The unfinished output the stopped run wrote is removed; no completion action ran.
  EXPECT_FALSE(fs::exists(outFolder + "holiday.wmv"));
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(main().isVisible());
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, StopOutsideARunningJobDoesNothing) {
  AddRows(2);
  main().imgStopClick();
  EXPECT_EQ(main().JobState, jsIdle);
  EXPECT_TRUE(main().imgStop->isHidden());
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(JobTest, AMissingEncoderEndsTheConversionWithTheReinstallMessage) {
  AddRows(2);
  fs::remove(app.path() + "asapi.dll");
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, kReinstall);
  EXPECT_EQ(shell.messages[0].caption, "Kestova VID Uzaru Vuvide");
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(shell.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Converting", "OK"}));
  ExpectIdleWindow(jsStopped);
}

TEST_F(JobTest, AnEncoderThatCannotStartForTheJoinEndsTheJob) {
  AddRows(2);
  // The last conversion takes the encoder away.
  WriteFakeScript(app, FinishingRun() + "remove asapi.dll\n", 1);
  ClickStart();
  EXPECT_EQ(FakeRunCount(app), 2);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kReinstall});
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::None);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Joining", "Joining"}));
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, AnOutputTheEncoderDidNotWriteIsAFailureNotASuccess) {
  AddRows(2);
  WriteFakeScript(app, FakeBanner() + "chunk Pos:  20.0s\\r\n", 2);  // writes nothing
  main().SettingForm->chkExit->setChecked(true);
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_NE(shell.messages[0].text.indexOf(QString::fromStdString(outFolder + "holiday.wmv")), -1);
  EXPECT_EQ(shell.messages[0].text.indexOf("success"), -1);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Failed", "Failed"}));
  EXPECT_FALSE(IntermediatesLeft());
  EXPECT_TRUE(main().isVisible());  // no completion action on a failed output
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, AnOldOutputLeftAsItWasIsNoSuccessEither) {
  AddRows(2);
  app.write("out/holiday.wmv", "an older video");
  WriteFakeScript(app, FakeBanner() + "chunk Pos:  20.0s\\r\n", 2);
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::Error);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Failed", "Failed"}));
}

TEST_F(JobTest, RenameChoiceWritesUnderscoreOneBesideAnExistingOutput) {
  AddRows(2);
  main().SettingForm->rdbRename->setChecked(true);
  app.write("out/holiday.wmv", "the user's video");
  app.write("out/holiday_1.wmv", "an earlier renamed output");
  ClickStart();
  const auto join = FakeRunArguments(app, 2);
  ASSERT_GE(join.size(), 4u);
  EXPECT_EQ(join[2], "-o");
  EXPECT_EQ(join[3], outFolder + "holiday_1.wmv");
  EXPECT_EQ(Output(), outFolder + "holiday.wmv");
  std::ifstream kept(outFolder + "holiday.wmv");
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "the user's video");
  EXPECT_EQ(fs::file_size(outFolder + "holiday_1.wmv"),
            std::string("fake encoder output\n").size());
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"The joining is completed successfully."});
}

TEST_F(JobTest, RenameChoiceWithoutAnExistingOutputWritesTheNameItself) {
  AddRows(2);
  main().SettingForm->rdbRename->setChecked(true);
  SetOutput(outFolder + "my trip");
  ClickStart();
  const auto join = FakeRunArguments(app, 2);
  ASSERT_GE(join.size(), 4u);
  EXPECT_EQ(join[3], outFolder + "my trip.wmv");
}

TEST_F(JobTest, TurnOffAndExitTogetherOnlyPowerOffWithoutAMessage) {
  AddRows(2);
  main().SettingForm->chkTurnoff->setChecked(true);
  main().SettingForm->chkExit->setChecked(true);
  main().SettingForm->chkOpenDir->setChecked(true);
  ClickStart();
  EXPECT_EQ(shell.powerOffCalls, 1);
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_FALSE(main().isVisible());
  EXPECT_EQ(main().JobState, jsRunning);
  EXPECT_FALSE(IntermediatesLeft());
}

TEST_F(JobTest, ExitAloneClosesTheWindowWithoutAMessage) {
  AddRows(2);
  main().SettingForm->chkExit->setChecked(true);
  ClickStart();
  EXPECT_EQ(shell.powerOffCalls, 0);
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_FALSE(main().isVisible());
}

TEST_F(JobTest, ClosingTheWindowDuringAJobStopsItFirst) {
  AddRows(2);
  WriteFakeScript(app, FakeBanner() + "output\ntouch running-0\nhang\n", 0);
  When("running-0", [this] {
    main().close();
    EXPECT_TRUE(main().isVisible());  // it closes once the job has ended
  });
  ClickStart();
  EXPECT_EQ(FakeRunCount(app), 1);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"The Coversion is canceled."});
  EXPECT_FALSE(IntermediatesLeft());
  EXPECT_FALSE(main().isVisible());
}

TEST_F(JobTest, StartChecksInOrder) {
  const struct {
    int rows;
    std::string output;
    QString text;
    QString caption;
    QWidget* focus;
  } cases[] = {
      {1, outFolder + "holiday", "Please add at least 2 videos to the task for joining.",
       "Add More Videos", nullptr},
      {0, outFolder + "holiday", "Please add at least 2 videos to the task for joining.",
       "Add More Videos", nullptr},
      {2, "holiday.wmv", "The output path does not exist. Please specify another one.",
       "Output path does not exist", main().edtOutputFile},
      {2, app.path() + "nowhere/holiday.wmv",
       "The output path does not exist. Please specify another one.", "Output path does not exist",
       main().edtOutputFile},
      {2, "", "The output path does not exist. Please specify another one.",
       "Output path does not exist", main().edtOutputFile},
      {2, outFolder, "Please specify the output file.", "Icorrect Filename", main().edtOutputFile},
  };
  for (const auto& c : cases) {
    main().ltvTask->clear();
    AddRows(c.rows);
    SetOutput(c.output);
    shell.messages.clear();
    ClickStart();
    ASSERT_EQ(shell.messages.size(), 1u) << c.caption.toStdString();
    EXPECT_EQ(shell.messages[0].text, c.text);
    EXPECT_EQ(shell.messages[0].caption, c.caption);
    EXPECT_EQ(shell.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(shell.messages[0].buttons, MsgButtons::Ok);
    if (c.focus) {
      EXPECT_EQ(main().focusWidget(), c.focus) << c.caption.toStdString();
    }
    EXPECT_EQ(Output(), c.output);
    EXPECT_EQ(FakeRunCount(app), 0);
    ExpectIdleWindow(jsIdle);
  }
}

TEST_F(JobTest, AppendsTheOutputTypeUnlessTheNameEndsInIt) {
  AddRows(2);
  const std::pair<std::string, std::string> cases[] = {
      {"holiday", "holiday.wmv"},
      {"holiday.avi", "holiday.avi.wmv"},
      {"holiday.WMV", "holiday.WMV"},
  };
  int runs = 0;
  for (const auto& [typed, expected] : cases) {
    SetOutput(outFolder + typed);
    ClickStart();
    runs += 3;
    EXPECT_EQ(Output(), outFolder + expected);
    ASSERT_EQ(FakeRunCount(app), runs);
    EXPECT_EQ(FakeRunArguments(app, runs - 1)[3], outFolder + expected);
  }
}

TEST_F(JobTest, AskMeAnsweredNoStartsNothingAndKeepsTheExtension) {
  AddRows(2);
  main().SettingForm->rdbAsk->setChecked(true);
  app.write("out/holiday.wmv", "the user's video");
  SetOutput(outFolder + "holiday");
  shell.messageAnswers.push_back(MsgResult::No);
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text,
            "The output file is existent. Do you want to continue and overwrite it? \n\r"
            "Click \"No\" to specify another output filename.");
  EXPECT_EQ(shell.messages[0].caption, "File Exists");
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(shell.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(FakeRunCount(app), 0);
  EXPECT_EQ(Output(), outFolder + "holiday.wmv");
  EXPECT_EQ(main().focusWidget(), main().edtOutputFile);
  ExpectIdleWindow(jsIdle);
}

TEST_F(JobTest, AskMeAnsweredYesOverwrites) {
  AddRows(2);
  main().SettingForm->rdbAsk->setChecked(true);
  app.write("out/holiday.wmv", "the user's video");
  shell.messageAnswers.push_back(MsgResult::Yes);
  ClickStart();
  EXPECT_EQ(MessageTexts().size(), 2u);
  EXPECT_EQ(MessageTexts().back(), "The joining is completed successfully.");
  EXPECT_EQ(FakeRunArguments(app, 2)[3], outFolder + "holiday.wmv");
  EXPECT_EQ(fs::file_size(outFolder + "holiday.wmv"), std::string("fake encoder output\n").size());
}

TEST_F(JobTest, OverwriteChoiceAsksNobody) {
  AddRows(2);
  app.write("out/holiday.wmv", "the user's video");
  ClickStart();
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"The joining is completed successfully."});
}

TEST_F(JobTest, TempDirWithoutSeparatorOrWithAMissingParent) {
  AddRows(2);
  main().SettingForm->edtTempDir->setText(QString::fromStdString(app.path() + "scratch"));
  ClickStart();
  EXPECT_EQ(FakeRunArguments(app, 0)[2], app.path() + "scratch/0.avi");

  main().SettingForm->edtTempDir->setText(QString::fromStdString(app.path() + "no/such"));
  ClickStart();
  EXPECT_EQ(FakeRunArguments(app, 3)[2], app.path() + "temp/0.avi");
  EXPECT_EQ(FakeRunArguments(app, 4)[2], app.path() + "temp/1.avi");
  EXPECT_FALSE(fs::exists(app.path() + "temp/0.avi"));
}

TEST_F(JobTest, NoUsableTempFolderEndsTheJobWithAMessage) {
  AddRows(2);
  main().SettingForm->edtTempDir->setText("");
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].caption, "Kestova VID Uzaru Vuvide");
  EXPECT_EQ(FakeRunCount(app), 0);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"OK", "OK"}));
  ExpectIdleWindow(jsStopped);

  app.write("temp", "a file where the fallback folder would go");
  main().SettingForm->edtTempDir->setText(QString::fromStdString(app.path() + "no/such"));
  shell.messages.clear();
  ClickStart();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_NE(shell.messages[0].text.indexOf(QString::fromStdString(app.path() + "no/such/")), -1);
  EXPECT_EQ(FakeRunCount(app), 0);
  ExpectIdleWindow(jsStopped);
}

TEST_F(JobTest, RowsWithoutPlayTimeLeaveTheBarsWhereTheyAre) {
  AddRows(2, "00:00:00");
  WriteFakeScript(app, FakeBanner() + "chunk Pos:   4.0s\\r\ntouch seen\nwaitfile go\noutput\n", 0);
  When("seen", [this] {
    EXPECT_EQ(main().labCurProgress->text(), "0%");
    EXPECT_EQ(main().labTotalProgress->text(), "0%");
    app.write("go", "x");
  });
  ClickStart();
  EXPECT_EQ(main().labTotalProgress->text(), "100%");
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Complete", "Complete"}));
}

}  // namespace
}  // namespace vuvide::test
