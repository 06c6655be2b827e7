// Start-up and close of the main window on a throw-away program folder.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "about/AboutForm.h"
#include "app/Failure.h"
#include "app/PictureButton.h"
#include "prefs/IniFile.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

class StartupTest : public GuiTest {
 protected:
  void WriteProfile(const std::string& fileName, const std::string& type) {
    app.write("Profiles/" + fileName, "[Main]\nType=" + type + "\n");
  }
  std::string Stored(const char* key) {
    return ReadIniString(app.preferences(), "Main", key, "<missing>");
  }
};

TEST_F(StartupTest, WithoutPreferencesTheWindowStartsWithDefaults) {
  WriteProfile("AVI.bpf", "avi");
  WriteProfile("MP4.bpf", "mp4");
  Start();
  TMainForm& m = main();
  EXPECT_EQ(m.windowTitle(), "Kestova VID Uzaru Vuvide V1.5");
  EXPECT_EQ(m.labProgramName->text(), "VID Uzaru Vuvide");
  EXPECT_EQ(m.AppDir, app.path());
  EXPECT_EQ(m.EncoderPath, app.path() + "asapi.dll");
  EXPECT_EQ(m.HelpFile, app.path() + "Vantorel.chm");
  EXPECT_EQ(m.edtOutputFile->text(), "");
  // The first profile in name order is selected and loaded.
  EXPECT_EQ(m.cmbProfile->currentIndex(), 0);
  EXPECT_EQ(m.cmbProfile->currentText(), "AVI");
  EXPECT_EQ(program->OpSettingForm->OutputExtension, ".avi");
  // Setup view, welcome panel, Start shown, clock off, list bar buttons enabled.
  EXPECT_TRUE(m.panltvTask->isVisible());
  EXPECT_TRUE(m.panBottomCenter->isVisible());
  EXPECT_FALSE(m.panBottomLeft->isVisible());
  EXPECT_TRUE(m.imgStart->isVisible());
  EXPECT_FALSE(m.imgStop->isVisible());
  EXPECT_FALSE(m.timerTime->isActive());
  EXPECT_EQ(m.timerTime->interval(), 1000);
  for (QToolButton* b : {m.tbtnRemove, m.tbtnClear, m.tbtnUp, m.tbtnDown}) {
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(b->property("tag").toInt(), 9999);
  }
  EXPECT_EQ(m.ltvTask->topLevelItemCount(), 0);
  // Columns as the user first sees them.
  const int widths[] = {350, 90, 80, 150};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(m.ltvTask->columnWidth(i), widths[i]);
  EXPECT_EQ(m.ltvTask->headerItem()->text(0), "Input File");
  EXPECT_EQ(m.ltvTask->headerItem()->text(3), "Status");
  // Dialogs exist, hidden.
  EXPECT_FALSE(program->OpSettingForm->isVisible());
  EXPECT_FALSE(program->SettingForm->isVisible());
  EXPECT_FALSE(program->AboutForm->isVisible());
  EXPECT_EQ(program->OpSettingForm->windowTitle(), "Output Settings");
  EXPECT_EQ(program->SettingForm->windowTitle(), "Settings");
  EXPECT_EQ(program->AboutForm->windowTitle(), "About");
  EXPECT_TRUE(m.acceptDrops());
  // A drop on the output box reaches the window's drop handling too.
  EXPECT_FALSE(m.edtOutputFile->acceptDrops());
}

TEST_F(StartupTest, VersionAndStoredValuesComeFromThePreferences) {
  WriteProfile("A.bpf", "avi");
  WriteProfile("B.bpf", "wmv");
  app.write("Preferences.ini",
            "[main]\nversion=2.0 beta\nPROFILE=1\nOutput File=  /tmp/out.wmv  \n");
  Start();
  EXPECT_EQ(main().windowTitle(), "Kestova VID Uzaru Vuvide V2.0 beta");
  EXPECT_EQ(main().VersionText, "2.0 beta");
  EXPECT_EQ(main().cmbProfile->currentText(), "B");
  EXPECT_EQ(program->OpSettingForm->OutputExtension, ".wmv");
  EXPECT_EQ(main().edtOutputFile->text(), "/tmp/out.wmv");
}

TEST_F(StartupTest, FactoryPreferencesStartWithTheFirstShippedProfile) {
  app.copyShippedProfiles();
  std::filesystem::copy_file(SourceDir() + "/app/Preferences.ini", app.preferences());
  Start();
  EXPECT_EQ(main().windowTitle(), "Kestova VID Uzaru Vuvide V1.5");
  EXPECT_EQ(main().cmbProfile->currentIndex(), 0);
  EXPECT_EQ(program->OpSettingForm->ProfileFile, main().ProfilePath());
  EXPECT_FALSE(program->OpSettingForm->OutputExtension.empty());
}

TEST_F(StartupTest, ProfilesAreListedByNameIgnoringCase) {
  WriteProfile("b.bpf", "avi");
  WriteProfile("A.BPF", "mpg");
  app.write("Profiles/c.txt", "");
  app.write("Profiles/.hidden.bpf", "");
  Start();
  ASSERT_EQ(main().cmbProfile->count(), 2);
  EXPECT_EQ(main().cmbProfile->itemText(0), "A");
  EXPECT_EQ(main().cmbProfile->itemText(1), "b");
  // A.BPF loads like a profile with a lower-case extension.
  EXPECT_EQ(main().cmbProfile->currentIndex(), 0);
  EXPECT_EQ(main().ProfilePath(), app.profiles() + "A.BPF");
  EXPECT_EQ(program->OpSettingForm->OutputExtension, ".mpg");
}

TEST_F(StartupTest, EmptyProfilesFolderStillRestoresTheOutputFile) {
  app.write("Preferences.ini", "[Main]\nOutput File=/tmp/joined.avi\nProfile=0\n");
  Start();
  EXPECT_EQ(main().cmbProfile->count(), 0);
  EXPECT_EQ(main().cmbProfile->currentIndex(), -1);
  EXPECT_EQ(program->OpSettingForm->OutputExtension, "");
  EXPECT_EQ(main().edtOutputFile->text(), "/tmp/joined.avi");
}

TEST_F(StartupTest, StoredPositionOutOfRangeSelectsNothingAndClosingStoresMinusOne) {
  for (const char* name : {"a.bpf", "b.bpf", "c.bpf"}) WriteProfile(name, "avi");
  app.write("Preferences.ini", "[Main]\nProfile=5\n");
  Start();
  EXPECT_EQ(main().cmbProfile->currentIndex(), -1);
  EXPECT_EQ(program->OpSettingForm->ProfileFile, "");
  main().edtOutputFile->setText("/tmp/new name.avi");
  main().close();
  EXPECT_EQ(Stored("Profile"), "-1");
  EXPECT_EQ(Stored("Output File"), "/tmp/new name.avi");

  // The next start selects nothing, and keeps the other keys of the file.
  program.reset();
  Start();
  EXPECT_EQ(main().cmbProfile->currentIndex(), -1);
  EXPECT_EQ(main().edtOutputFile->text(), "/tmp/new name.avi");
}

TEST_F(StartupTest, ClosingStoresTheChosenProfilePosition) {
  WriteProfile("a.bpf", "avi");
  WriteProfile("b.bpf", "mp4");
  app.write("Preferences.ini", "; kept comment\n[Default]\nAsk=1\n");
  Start();
  main().cmbProfile->setCurrentIndex(1);
  main().close();
  EXPECT_EQ(Stored("Profile"), "1");
  EXPECT_EQ(Stored("Output File"), "");
  EXPECT_EQ(ReadIniString(app.preferences(), "Default", "Ask", ""), "1");
}

TEST_F(StartupTest, UnwritablePreferencesShowTheErrorBoxAndTheWindowStillCloses) {
  // A folder in the file's place cannot be written, even by root.
  std::filesystem::create_directories(app.preferences());
  Start();
  main().close();
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text,
            QString::fromStdString("Unable to write to " + app.preferences() + "."));
  EXPECT_EQ(shell.messages[0].caption, "Kestova VID Uzaru Vuvide");
  EXPECT_EQ(shell.messages[0].icon, MsgIcon::Error);
  EXPECT_FALSE(main().isVisible());
}

TEST_F(StartupTest, FailuresInHandlersReachTheErrorBoxOnce) {
  Start();
  Dispatch([] { throw Failure("'abc' is not a valid floating point value"); });
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, "'abc' is not a valid floating point value.");
  EXPECT_EQ(shell.messages[0].caption, "Kestova VID Uzaru Vuvide");
  EXPECT_TRUE(main().isVisible());
}

TEST_F(StartupTest, FileDialogsAreSetUp) {
  Start();
  EXPECT_TRUE(main().OpenDialog1.multiSelect);
  EXPECT_TRUE(main().OpenDialog1.mustExist);
  EXPECT_EQ(main().OpenDialog1.selectedFilter, 0);
  EXPECT_TRUE(main().OpenDialog1.defaultExtension.isEmpty());
  EXPECT_TRUE(main().OpenDialog1.filter.startsWith("All Support Files(*.avi;"));
  EXPECT_EQ(main().SaveDialog1.defaultExtension, "avi");
  EXPECT_TRUE(main().SaveDialog1.filter.endsWith("FLV Files (*.flv)|*.flv|All Files (*.*)|*.*"));
}

TEST_F(StartupTest, EveryControlHasAnAccessibleName) {
  Start();
  const auto widgets = main().findChildren<QWidget*>();
  int checked = 0;
  for (QWidget* w : widgets) {
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QLineEdit*>(w) || qobject_cast<QTreeWidget*>(w) ||
                         qobject_cast<QProgressBar*>(w) || qobject_cast<PictureButton*>(w);
    if (!control || w->parent() == nullptr || qobject_cast<QLineEdit*>(w->parentWidget())) continue;
    if (qobject_cast<QComboBox*>(w->parentWidget())) continue;  // the chooser's own parts
    EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    ++checked;
  }
  EXPECT_GT(checked, 15);
  EXPECT_EQ(main().imgStart->accessibleName(), "Start");
  EXPECT_EQ(main().imgStop->accessibleName(), "Stop");
  EXPECT_EQ(main().ltvTask->accessibleName(), "Task List");
}

}  // namespace
}  // namespace vuvide::test
