// The Settings dialog on a throw-away program folder: what it reads at start-up,
// shows, saves, cancels and loads as defaults, and its layout.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "prefs/IniFile.h"
#include "prefs/SettingForm.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

class SettingFormTest : public GuiTest {
 protected:
  TSettingForm& form() { return *program->SettingForm; }

  // Opens the dialog as the toolbar button does.
  void Open() {
    main().tbtnSetting->click();
    ProcessEvents();
    ASSERT_TRUE(form().isVisible());
  }

  std::string FileText() const {
    std::ifstream in(app.preferences(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string Stored(const char* key) const {
    return ReadIniString(app.preferences(), "Main", key, "<missing>");
  }

  // Which overwrite choice is shown: "Ask", "Overwrite", "Rename", "" for none, or
  // "several" when the group is broken.
  std::string Choice() {
    std::string shown;
    int count = 0;
    for (auto [button, name] : {std::pair{form().rdbAsk, "Ask"},
                                {form().rdbOverWrite, "Overwrite"},
                                {form().rdbRename, "Rename"}})
      if (button->isChecked()) {
        shown = name;
        ++count;
      }
    return count > 1 ? "several" : shown;
  }

  // Changes every value of the dialog.
  void ChangeEverything() {
    form().edtOutputFile->setText("/videos/changed.mp4");
    form().edtTempDir->setText("/scratch/tmp/");
    form().chkOpenDir->setChecked(false);
    form().chkExit->setChecked(true);
    form().chkTurnoff->setChecked(true);
    form().rdbRename->click();
  }

  void ExpectEverythingChanged() {
    EXPECT_EQ(form().edtOutputFile->text(), "/videos/changed.mp4");
    EXPECT_EQ(form().edtTempDir->text(), "/scratch/tmp/");
    EXPECT_FALSE(form().chkOpenDir->isChecked());
    EXPECT_TRUE(form().chkExit->isChecked());
    EXPECT_TRUE(form().chkTurnoff->isChecked());
    EXPECT_EQ(Choice(), "Rename");
  }

  void ExpectFactoryValues(const std::string& outputFile) {
    EXPECT_EQ(form().edtOutputFile->text().toStdString(), outputFile);
    EXPECT_EQ(form().edtTempDir->text().toStdString(), app.path() + "temp/");
    EXPECT_TRUE(form().chkOpenDir->isChecked());
    EXPECT_FALSE(form().chkExit->isChecked());
    EXPECT_FALSE(form().chkTurnoff->isChecked());
    EXPECT_EQ(Choice(), "Ask");
  }

  void ExpectClosed() {
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(main().isEnabled());
  }
};

TEST_F(SettingFormTest, LayoutNamesCaptionsPositionsAndTabOrder) {
  Start();
  TSettingForm& f = form();
  EXPECT_EQ(f.windowTitle(), "Settings");
  EXPECT_EQ(f.size(), QSize(391, 380));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  EXPECT_EQ(f.panMain->geometry(), QRect(0, 0, 391, 5));

  const struct {
    QWidget* widget;
    const char* name;
    QString caption;
    QRect geometry;
  } controls[] = {
      {f.edtOutputFile, "edtOutputFile", "", {112, 16, 225, 21}},
      {f.SpeedButton1, "SpeedButton1", "", {344, 16, 23, 22}},
      {f.edtTempDir, "edtTempDir", "", {112, 48, 225, 21}},
      {f.SpeedButton2, "SpeedButton2", "", {344, 48, 23, 22}},
      {f.Bevel2, "Bevel2", "", {8, 72, 369, 17}},
      {f.chkOpenDir,
       "chkOpenDir",
       "Open the output directory when the task is completed. ",
       {24, 104, 281, 17}},
      {f.chkExit, "chkExit", "Exit the program when the task is completed.", {24, 136, 233, 17}},
      {f.chkTurnoff,
       "chkTurnoff",
       "Turn off the computer when the task is completed.",
       {24, 168, 257, 17}},
      {f.gpbOverWrite, "gpbOverWrite", "Output File Overwrite", {16, 204, 353, 105}},
      {f.rdbAsk, "rdbAsk", "Ask me.", {24, 24, 65, 17}},
      {f.rdbOverWrite, "rdbOverWrite", "Overwrite", {24, 50, 305, 17}},
      {f.rdbRename, "rdbRename", "Not overwrite (Rename to <Filename> + Index", {24, 75, 305, 17}},
      {f.btnDefault, "btnDefault", "&Load Default", {16, 331, 89, 25}},
      {f.btnOK, "btnOK", "&OK", {208, 331, 75, 25}},
      {f.btnCancel, "btnCancel", "&Cancel", {296, 331, 75, 25}},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.widget->objectName(), c.name);
    EXPECT_FALSE(c.widget->accessibleName().isEmpty());
    // A check box or radio button may be wider than laid out when the font needs
    // more room for its caption (never past its parent's margin), never narrower.
    QRect expected = c.geometry;
    if (qobject_cast<QCheckBox*>(c.widget) || qobject_cast<QRadioButton*>(c.widget)) {
      const int room = c.widget->parentWidget()->width() - 8 - expected.left();
      expected.setWidth(std::max(expected.width(), std::min(c.widget->sizeHint().width(), room)));
    }
    EXPECT_EQ(c.widget->geometry(), expected);
    if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) {
      EXPECT_EQ(button->text(), c.caption);
    }
    if (auto* group = qobject_cast<QGroupBox*>(c.widget)) {
      EXPECT_EQ(group->title(), c.caption);
    }
  }
  for (QRadioButton* r : {f.rdbAsk, f.rdbOverWrite, f.rdbRename})
    EXPECT_EQ(r->parentWidget(), f.gpbOverWrite);
  EXPECT_EQ(f.labOutputFile->text(), "Default Output File:");
  EXPECT_EQ(f.labOutputFile->buddy(), f.edtOutputFile);
  EXPECT_EQ(f.labTempDir->text(), "Temp Folder:");
  EXPECT_EQ(f.labTempDir->buddy(), f.edtTempDir);

  // The small picture buttons take no focus but are named for assistive tools.
  EXPECT_EQ(f.SpeedButton1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(f.SpeedButton2->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(f.SpeedButton1->accessibleName(), "Choose Default Output File");
  EXPECT_EQ(f.SpeedButton2->accessibleName(), "Choose Temp Folder");
  EXPECT_FALSE(f.SpeedButton1->icon().isNull());
  EXPECT_FALSE(f.SpeedButton2->icon().isNull());

  // Tab order: each control's next focusable control in the chain.
  QWidget* const order[] = {f.btnOK,      f.btnCancel, f.btnDefault, f.edtOutputFile,
                            f.chkOpenDir, f.chkExit,   f.chkTurnoff, f.rdbOverWrite,
                            f.rdbRename,  f.rdbAsk,    f.edtTempDir};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget* next = order[i]->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
    EXPECT_EQ(next, order[i + 1]) << order[i]->objectName().toStdString();
  }
}

TEST_F(SettingFormTest, EnterAndEscapeNeitherPressAButtonNorCloseTheDialog) {
  Start();
  Open();
  for (QPushButton* b : {form().btnOK, form().btnCancel, form().btnDefault}) {
    EXPECT_FALSE(b->autoDefault());
    EXPECT_FALSE(b->isDefault());
  }
  form().edtOutputFile->setText("/videos/typed.avi");
  for (QWidget* target :
       {static_cast<QWidget*>(form().edtOutputFile), static_cast<QWidget*>(form().btnOK),
        static_cast<QWidget*>(form().btnCancel)})
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(target, key);
  ProcessEvents();
  EXPECT_TRUE(form().isVisible());
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(form().edtOutputFile->text(), "/videos/typed.avi");
  EXPECT_FALSE(std::filesystem::exists(app.preferences()));
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(SettingFormTest, WithoutPreferencesTheDialogShowsTheDefaults) {
  Start();
  ExpectFactoryValues("");
}

TEST_F(SettingFormTest, ShowingCopiesTheMainOutputFileAndDisablesTheMainWindow) {
  app.write("Preferences.ini", "[Main]\nOutput File=/stored/old.avi\n");
  Start();
  EXPECT_EQ(form().edtOutputFile->text(), "/stored/old.avi");
  main().edtOutputFile->setText("/videos/main.avi");
  Open();
  EXPECT_FALSE(main().isEnabled());
  EXPECT_EQ(form().edtOutputFile->text(), "/videos/main.avi");
  EXPECT_EQ(form().Snapshot.OutputFile, "/videos/main.avi");
}

TEST_F(SettingFormTest, CancelChangesNothing) {
  Start();
  main().edtOutputFile->setText("/videos/main.avi");
  Open();
  ChangeEverything();
  form().btnCancel->click();
  ProcessEvents();
  ExpectClosed();
  ExpectFactoryValues("/videos/main.avi");
  EXPECT_EQ(main().edtOutputFile->text(), "/videos/main.avi");
  EXPECT_FALSE(std::filesystem::exists(app.preferences()));
}

TEST_F(SettingFormTest, OkWritesTheEightKeysInOrderAndTheMainOutputFile) {
  app.write("Preferences.ini", "[Main]\nVersion=1.5\n");
  Start();
  Open();
  ChangeEverything();
  form().btnOK->click();
  ProcessEvents();
  ExpectClosed();
  EXPECT_EQ(main().edtOutputFile->text(), "/videos/changed.mp4");
  EXPECT_EQ(FileText(),
            "[Main]\nVersion=1.5\nOutput File=/videos/changed.mp4\nTemp Dir=/scratch/tmp/\n"
            "Auto Open Dir=0\nAuto Exit=1\nAuto Turn Off=1\nAsk=0\nOverwrite=0\nRename=1\n");
  EXPECT_TRUE(shell.messages.empty());
  // The values stay in the dialog for the engine.
  ExpectEverythingChanged();
}

TEST_F(SettingFormTest, CloseBoxKeepsValuesInForceButNotInTheFile) {
  Start();
  Open();
  ChangeEverything();
  form().close();
  ProcessEvents();
  ExpectClosed();
  ExpectEverythingChanged();
  EXPECT_FALSE(std::filesystem::exists(app.preferences()));
  // The main window's box keeps its text; the next opening copies it in again.
  EXPECT_EQ(main().edtOutputFile->text(), "");

  Open();
  form().edtOutputFile->setText("/videos/changed.mp4");
  form().chkExit->setChecked(false);
  form().rdbAsk->click();
  form().btnCancel->click();
  ProcessEvents();
  // Back to the values of this opening (the output file comes from the main window).
  EXPECT_EQ(form().edtOutputFile->text(), "");
  EXPECT_EQ(form().edtTempDir->text(), "/scratch/tmp/");
  EXPECT_TRUE(form().chkExit->isChecked());
  EXPECT_EQ(Choice(), "Rename");
}

TEST_F(SettingFormTest, LoadDefaultAnsweredNoChangesNothing) {
  app.write("Preferences.ini", "[Default]\nOutput File=/factory/out.avi\nAuto Exit=1\n");
  Start();
  Open();
  ChangeEverything();
  shell.messageAnswers.push_back(MsgResult::No);
  form().btnDefault->click();
  ASSERT_EQ(shell.messages.size(), 1u);
  const RecordedMessage& q = shell.messages[0];
  EXPECT_EQ(q.owner, &form());
  EXPECT_EQ(q.text, "Are you sure to load the default preferences?");
  EXPECT_EQ(q.caption, "Load Default");
  EXPECT_EQ(q.icon, MsgIcon::Question);
  EXPECT_EQ(q.buttons, MsgButtons::YesNo);
  ExpectEverythingChanged();
  EXPECT_TRUE(form().isVisible());
}

TEST_F(SettingFormTest, LoadDefaultAnsweredYesShowsTheFactoryValuesAndCancelReturns) {
  app.write("Preferences.ini",
            "[Main]\nOutput File=/stored/main.avi\nTemp Dir=/stored/tmp/\nAsk=0\nOverwrite=1\n"
            "[default]\nOUTPUT FILE=/factory/out.avi\nAuto Exit=1\nAuto Turn Off=0\nAsk=1\n"
            "Overwrite=0\nRename=1\n");
  Start();
  Open();
  const std::string before = FileText();
  shell.messageAnswers.push_back(MsgResult::Yes);
  form().btnDefault->click();
  EXPECT_EQ(form().edtOutputFile->text(), "/factory/out.avi");
  EXPECT_EQ(form().edtTempDir->text(), "/stored/tmp/");  // no temp folder among the defaults
  EXPECT_FALSE(form().chkOpenDir->isChecked());          // missing here reads false
  EXPECT_TRUE(form().chkExit->isChecked());
  EXPECT_FALSE(form().chkTurnoff->isChecked());
  EXPECT_EQ(Choice(), "Rename");
  EXPECT_EQ(FileText(), before);  // nothing is saved

  form().btnCancel->click();
  ProcessEvents();
  EXPECT_EQ(form().edtOutputFile->text(), "/stored/main.avi");
  EXPECT_EQ(form().edtTempDir->text(), "/stored/tmp/");
  EXPECT_TRUE(form().chkOpenDir->isChecked());
  EXPECT_FALSE(form().chkExit->isChecked());
  EXPECT_EQ(Choice(), "Overwrite");
  EXPECT_EQ(Stored("Output File"), "/stored/main.avi");
  EXPECT_EQ(Stored("Rename"), "<missing>");
}

TEST_F(SettingFormTest, LoadDefaultWithoutADefaultSection) {
  app.write("Preferences.ini",
            "[Main]\nOutput File=/stored/main.avi\nTemp Dir=/stored/tmp/\nAuto Open Dir=1\n"
            "Auto Exit=1\nAuto Turn Off=1\nAsk=0\nRename=1\n");
  Start();
  Open();
  shell.messageAnswers.push_back(MsgResult::Yes);
  form().btnDefault->click();
  EXPECT_EQ(form().edtOutputFile->text(), "");
  EXPECT_EQ(form().edtTempDir->text(), "/stored/tmp/");
  EXPECT_FALSE(form().chkOpenDir->isChecked());
  EXPECT_FALSE(form().chkExit->isChecked());
  EXPECT_FALSE(form().chkTurnoff->isChecked());
  EXPECT_EQ(Choice(), "Ask");
  // A following OK empties the main window's box and the stored output file.
  form().btnOK->click();
  ProcessEvents();
  EXPECT_EQ(main().edtOutputFile->text(), "");
  EXPECT_EQ(Stored("Output File"), "");
  EXPECT_EQ(Stored("Temp Dir"), "/stored/tmp/");
}

TEST_F(SettingFormTest, OverwriteKeysLastTrueWinsAndNoneSelectsNothing) {
  const struct {
    const char* keys;
    const char* shown;
    const char* written;  // Ask, Overwrite, Rename after OK
  } cases[] = {
      {"", "Ask", "100"},
      {"Ask=0\nOverwrite=0\nRename=0\n", "", "000"},
      {"Ask=1\nOverwrite=1\n", "Overwrite", "010"},
      {"Ask=1\nOverwrite=1\nRename=1\n", "Rename", "001"},
      {"Ask=0\nRename=1\n", "Rename", "001"},
      {"Ask=0\n", "", "000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    TempAppDir dir;
    dir.write("Preferences.ini", std::string("[Main]\n") + c.keys);
    Program p(shell, dir.path(), {});
    TSettingForm& f = *p.SettingForm;
    p.MainForm->show();
    f.show();
    ProcessEvents();
    const std::string shown = f.rdbAsk->isChecked()         ? "Ask"
                              : f.rdbOverWrite->isChecked() ? "Overwrite"
                              : f.rdbRename->isChecked()    ? "Rename"
                                                            : "";
    EXPECT_EQ(shown, c.shown);
    EXPECT_LE(int(f.rdbAsk->isChecked()) + int(f.rdbOverWrite->isChecked()) +
                  int(f.rdbRename->isChecked()),
              1);
    f.btnOK->click();
    ProcessEvents();
    std::string written;
    for (const char* key : {"Ask", "Overwrite", "Rename"})
      written += ReadIniString(dir.preferences(), "Main", key, "?");
    EXPECT_EQ(written, c.written);
    p.MainForm->hide();
  }
}

TEST_F(SettingFormTest, OverwriteChoiceIsOneGroupThatCanHoldNoSelection) {
  app.write("Preferences.ini", "[Main]\nAsk=0\n");
  Start();
  Open();
  TSettingForm& f = form();
  EXPECT_EQ(Choice(), "");
  // The user picks one: the others clear, and clicking it again keeps it.
  f.rdbOverWrite->click();
  EXPECT_EQ(Choice(), "Overwrite");
  f.rdbAsk->click();
  EXPECT_EQ(Choice(), "Ask");
  f.rdbAsk->click();
  EXPECT_EQ(Choice(), "Ask");
  // Setting a choice false selects nothing else.
  f.ApplyOverwriteChoice(f.rdbAsk, false);
  EXPECT_EQ(Choice(), "");
  f.ApplyOverwriteChoice(f.rdbRename, false);
  EXPECT_EQ(Choice(), "");
  f.ApplyOverwriteChoice(f.rdbRename, true);
  EXPECT_EQ(Choice(), "Rename");
  f.ApplyOverwriteChoice(f.rdbOverWrite, false);  // not the selected one: no change
  EXPECT_EQ(Choice(), "Rename");
  // Keyboard: Space on a focused choice selects it and clears the others.
  QTest::keyClick(f.rdbAsk, Qt::Key_Space);
  EXPECT_EQ(Choice(), "Ask");
  // None selected when the dialog was shown: Cancel brings that back.
  f.btnCancel->click();
  ProcessEvents();
  EXPECT_EQ(Choice(), "");
}

TEST_F(SettingFormTest, AutoExitReadsWholeNumbersOnlyAndIsWrittenBackAsOneOrZero) {
  const struct {
    const char* value;
    bool ticked;
    const char* written;
  } cases[] = {{"yes", false, "0"}, {"0x1", true, "1"}, {"2", true, "1"}, {"$0", false, "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    TempAppDir dir;
    dir.write("Preferences.ini", std::string("[Main]\nAuto Exit=") + c.value + "\n");
    Program p(shell, dir.path(), {});
    EXPECT_EQ(p.SettingForm->chkExit->isChecked(), c.ticked);
    p.MainForm->show();
    p.SettingForm->show();
    p.SettingForm->btnOK->click();
    ProcessEvents();
    EXPECT_EQ(ReadIniString(dir.preferences(), "Main", "Auto Exit", "?"), c.written);
    p.MainForm->hide();
  }
}

TEST_F(SettingFormTest, AnUnwritableFileShowsTheErrorBoxAndKeepsTheDialogOpen) {
  Start();
  std::filesystem::create_directory(app.preferences());  // cannot be replaced by a file
  Open();
  form().edtOutputFile->setText("/videos/new.avi");
  form().btnOK->click();
  ProcessEvents();
  ASSERT_EQ(shell.messages.size(), 1u);
  const RecordedMessage& box = shell.messages[0];
  EXPECT_EQ(box.text.toStdString(), "Unable to write to " + app.preferences() + ".");
  EXPECT_EQ(box.caption, "Kestova VID Uzaru Vuvide");
  EXPECT_EQ(box.icon, MsgIcon::Error);
  EXPECT_EQ(box.owner, &form());
  EXPECT_TRUE(form().isVisible());
  EXPECT_FALSE(main().isEnabled());
  // The main window's box took the new text before the write.
  EXPECT_EQ(main().edtOutputFile->text(), "/videos/new.avi");
  // Cancel still works and closes.
  form().btnCancel->click();
  ProcessEvents();
  ExpectClosed();
}

TEST_F(SettingFormTest, SpeedButton1UsesTheMainSaveDialog) {
  Start();
  Open();
  form().edtOutputFile->setText("/videos/before.avi");
  shell.saveFileAnswers.push_back(std::nullopt);
  shell.saveFileAnswers.push_back(QString("/videos/out file.wmv"));
  form().SpeedButton1->click();
  EXPECT_EQ(form().edtOutputFile->text(), "/videos/before.avi");
  form().SpeedButton1->click();
  EXPECT_EQ(form().edtOutputFile->text(), "/videos/out file.wmv");
  ASSERT_EQ(shell.saveFileCalls.size(), 2u);
  EXPECT_EQ(shell.saveFileCalls[0].filter, main().SaveDialog1.filter);
  EXPECT_EQ(shell.saveFileCalls[0].defaultExtension, main().SaveDialog1.defaultExtension);
}

TEST_F(SettingFormTest, SpeedButton2AddsTheSeparatorOnlyWhenMissing) {
  Start();
  Open();
  const std::pair<std::optional<QString>, QString> cases[] = {
      {std::nullopt, "/before/"},  // cancelled: unchanged
      {"/scratch/tmp", "/scratch/tmp/"},
      {"/", "/"},  // a root folder already ends in the separator
      {"/mnt/disk/", "/mnt/disk/"},
  };
  for (const auto& [answer, expected] : cases) {
    form().edtTempDir->setText("/before/");
    shell.browseFolderAnswers.push_back(answer);
    form().SpeedButton2->click();
    EXPECT_EQ(form().edtTempDir->text(), expected);
  }
  ASSERT_EQ(shell.browseFolderTexts.size(), std::size(cases));
  EXPECT_EQ(shell.browseFolderTexts[0], "Select the output directory.");
}

}  // namespace
}  // namespace vuvide::test
