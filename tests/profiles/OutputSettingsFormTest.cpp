// The output settings dialog, offscreen, with the scripted shell answering its messages.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "profiles/OutputSettingsForm.h"
#include "tests/profiles/ExampleProfile.h"
#include "tests/support/GuiTest.h"

namespace vuvide::test {
namespace {

// A second profile for profile changes: its MP3 mode starts at abr.
const std::string kOtherProfile = R"([Main]
Type=mp4
[Video Codec]
Items=2
Caption0=MPEG-4
value0=mpeg4
Caption1=Other
value1=msmpeg4v2
Index=1
[Video Bitrate]
Items=1
Caption0=1500
Index=0
[Audio Codec]
Items=2
Caption0=AAC
value0=aac
Caption1=MP3
Index=0
Description=Other audio help
[MP3 Encode]
Items=2
Caption0=vbr
value0=vbr
Caption1=abr
value1=abr
Index=1
Description=Other encode help
)";

class OutputSettingsTest : public GuiTest {
 protected:
  // Starts the program with the extended example as its first profile.
  void StartWithExample() {
    app.write("Profiles/A Example.bpf", ExtendedProfile());
    app.write("Profiles/B Other.bpf", kOtherProfile);
    Start();
  }
  TopSettingForm& form() { return *program->OpSettingForm; }
  std::string ProfilePath(const std::string& name) { return app.profiles() + name + ".bpf"; }

  void Open() {
    Dispatch([this] { main().bbtnSettingClick(); });
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  void ChooseProfile(int index) {
    main().cmbProfile->setCurrentIndex(index);
    Dispatch([this, index] { emit main().cmbProfile->activated(index); });
  }
  // A pick from the list, as the user makes it.
  void Pick(QComboBox* chooser, int index) {
    chooser->setCurrentIndex(index);
    Dispatch([chooser, index] { emit chooser->activated(index); });
  }
  void Retype(QComboBox* chooser, const QString& text) {
    chooser->lineEdit()->clear();
    QTest::keyClicks(chooser->lineEdit(), text);
  }
  void Click(QPushButton* button) {
    Dispatch([button] { button->click(); });
  }
  QString Memo() { return form().memDescription->toPlainText(); }
};

TEST_F(OutputSettingsTest, WindowAndControlsAsCreated) {
  Create();
  TopSettingForm& f = form();
  EXPECT_EQ(f.windowTitle(), "Output Settings");
  EXPECT_EQ(f.minimumSize(), QSize(413, 473));
  EXPECT_EQ(f.maximumSize(), QSize(413, 473));
  EXPECT_FALSE(f.isVisible());
  // Each chooser is bound to its section, which is kept as a hint that is not shown.
  const std::pair<QComboBox*, const char*> choosers[] = {
      {f.cmbVcodec, "Video Codec"},     {f.cmbVideoSize, "Video Size"},
      {f.cmbVbitrate, "Video Bitrate"}, {f.cmbAspect, "Aspect"},
      {f.cmbAcodec, "Audio Codec"},     {f.cmbEncodeTo, "MP3 Encode"},
      {f.cmbQuality, "VBR Quality"},    {f.cmbBitrate, "ABR CBR Bitrate"},
      {f.cmbAbitrate, "Audio Bitrate"}, {f.cmbSrate, "Sample Rate"},
      {f.cmbChannels, "Channels"}};
  for (const auto& [chooser, section] : choosers) {
    SCOPED_TRACE(section);
    EXPECT_EQ(chooser->property("hint").toString(), section);
    EXPECT_TRUE(chooser->toolTip().isEmpty());
    EXPECT_EQ(chooser->isEditable(), chooser == f.cmbVbitrate || chooser == f.cmbBitrate ||
                                         chooser == f.cmbAbitrate || chooser == f.cmbSrate);
    EXPECT_EQ(chooser->count(), 0);
    EXPECT_EQ(chooser->currentIndex(), -1);
    EXPECT_EQ(chooser->currentText(), "");
    EXPECT_FALSE(chooser->accessibleName().isEmpty());
  }
  QStringList labels;
  for (QLabel* label : f.findChildren<QLabel*>()) labels << label->text();
  for (const char* text : {"Video Codec: ", "Video Bitrate:", "kbit",
                           "Aspect:", "Width:", "Height:", "Audio Codec:", "Audio Bitrate:", "Kbps",
                           "Encode To:", "Quality:", "Bitrate:", "Channels:", "Sample Rate:", "HZ"})
    EXPECT_TRUE(labels.contains(text)) << text;
  EXPECT_EQ(f.gpbOutputSize->title(), "Output Size");
  EXPECT_EQ(f.gpbDecription->title(), "Decription");
  EXPECT_EQ(f.rdbSelectSize->text(), "");
  EXPECT_EQ(f.rdbManualSize->text(), "Manual");
  EXPECT_TRUE(f.rdbSelectSize->isChecked());
  EXPECT_FALSE(f.rdbManualSize->isChecked());
  EXPECT_TRUE(f.memDescription->isReadOnly());
  EXPECT_EQ(f.btnOK->text(), "OK");
  EXPECT_EQ(f.btnCancel->text(), "Cancel");
  // The ABR/CBR row takes the quality row's place; both panels cover the same area.
  EXPECT_EQ(f.labBitrate->y(), f.labQuality->y());
  EXPECT_EQ(f.cmbBitrate->geometry(), f.cmbQuality->geometry());
  EXPECT_EQ(f.panLavc->geometry(), f.panMP3->geometry());
  EXPECT_EQ(f.panLavc->width(), 377);
  EXPECT_FALSE(f.panLavc->isHidden());
  EXPECT_FALSE(f.panMP3->isHidden());
  EXPECT_FALSE(f.cmbQuality->isHidden());
  EXPECT_TRUE(f.cmbBitrate->isHidden());
  EXPECT_TRUE(f.labBitrate->isHidden());
  // Tab order runs down the rows.
  const std::vector<QWidget*> order{
      f.cmbVcodec,  f.cmbVbitrate, f.cmbAspect, f.rdbSelectSize, f.cmbVideoSize, f.rdbManualSize,
      f.edtWidth,   f.edtHeight,   f.cmbAcodec, f.cmbAbitrate,   f.cmbEncodeTo,  f.cmbQuality,
      f.cmbBitrate, f.cmbChannels, f.cmbSrate,  f.btnOK,         f.btnCancel};
  QWidget* w = f.cmbVcodec;
  for (std::size_t i = 1; i < order.size(); ++i) {
    do w = w->nextInFocusChain();
    while (std::find(order.begin(), order.end(), w) == order.end() && w != f.cmbVcodec);
    EXPECT_EQ(w, order[i]) << "after " << order[i - 1]->objectName().toStdString();
  }
}

TEST_F(OutputSettingsTest, LoadFillsTheChoosersAndAppliesTheRules) {
  StartWithExample();
  TopSettingForm& f = form();
  EXPECT_EQ(f.ProfileFile, ProfilePath("A Example"));
  EXPECT_EQ(f.OutputExtension, ".avi");
  EXPECT_EQ(f.cmbVcodec->itemText(0), "mpeg4");
  EXPECT_EQ(f.cmbAspect->count(), 2);
  EXPECT_EQ(f.cmbAspect->currentText(), "autoaspect");
  EXPECT_EQ(f.cmbAcodec->count(), 5);
  EXPECT_EQ(f.cmbAcodec->currentText(), "MP3");
  EXPECT_EQ(f.cmbVbitrate->currentText(), "800");
  EXPECT_EQ(f.cmbBitrate->currentIndex(), 1);
  EXPECT_EQ(f.cmbBitrate->currentText(), "224");
  EXPECT_EQ(f.cmbSrate->currentText(), "44100");
  EXPECT_FALSE(f.panMP3->isHidden());
  EXPECT_TRUE(f.panLavc->isHidden());
  EXPECT_FALSE(f.cmbQuality->isHidden());
  EXPECT_TRUE(f.cmbBitrate->isHidden());
  EXPECT_EQ(Memo(), "Encode help\nCurrent Value: vbr");
  EXPECT_EQ(f.GetFrameSize(f.ProfileFile), "640:480");
  EXPECT_EQ(
      f.BuildJoinOptions(f.ProfileFile),
      " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=800:mbd=2:autoaspect -oac mp3lame -lameopts "
      "vbr=2:q=6 -channels 2 -vf scale=640:480 -srate 44100");
}

TEST_F(OutputSettingsTest, ChangeHandlingRunsAfterAudioCodecAndAfterMp3Encode) {
  StartWithExample();
  TopSettingForm& f = form();
  // Record the memo and the MP3 mode each time the load changes the display.
  std::vector<std::pair<QString, QString>> seen;
  QObject::connect(f.memDescription, &QPlainTextEdit::textChanged, &f, [&] {
    seen.emplace_back(f.memDescription->toPlainText(), f.cmbEncodeTo->currentText());
  });
  ChooseProfile(1);
  ASSERT_EQ(seen.size(), 2u);
  // At the audio codec's turn the MP3 mode is still the previous profile's.
  EXPECT_EQ(seen[0].first, "Other audio help\nCurrent Value: AAC");
  EXPECT_EQ(seen[0].second, "vbr");
  EXPECT_EQ(seen[1].first, "Other encode help\nCurrent Value: abr");
  EXPECT_EQ(seen[1].second, "abr");
  EXPECT_TRUE(f.panMP3->isHidden());
  EXPECT_FALSE(f.panLavc->isHidden());
  EXPECT_TRUE(f.cmbQuality->isHidden());
  EXPECT_FALSE(f.cmbBitrate->isHidden());
  EXPECT_EQ(f.OutputExtension, ".mp4");
}

TEST_F(OutputSettingsTest, ProfileChangeReplacesChoicesButKeepsSizeMode) {
  StartWithExample();
  TopSettingForm& f = form();
  Open();
  Retype(f.cmbVbitrate, "999");
  f.rdbManualSize->click();
  f.edtWidth->setText("320");
  f.edtHeight->setText("200");
  f.close();
  ChooseProfile(1);
  EXPECT_EQ(f.cmbVbitrate->currentText(), "1500");
  EXPECT_EQ(f.cmbVcodec->count(), 2);
  EXPECT_EQ(f.cmbVcodec->currentText(), "Other");
  // Sections the profile lacks come out empty.
  EXPECT_EQ(f.cmbAspect->count(), 0);
  EXPECT_EQ(f.cmbSrate->currentText(), "");
  EXPECT_TRUE(f.rdbManualSize->isChecked());
  EXPECT_EQ(f.edtWidth->text(), "320");
  EXPECT_EQ(f.edtHeight->text(), "200");
  EXPECT_EQ(f.GetFrameSize(f.ProfileFile), "320:200");
  // A profile file that has gone changes nothing.
  std::filesystem::remove(ProfilePath("A Example"));
  ChooseProfile(0);
  EXPECT_EQ(f.ProfileFile, ProfilePath("B Other"));
  EXPECT_EQ(f.OutputExtension, ".mp4");
  EXPECT_EQ(f.cmbVbitrate->currentText(), "1500");
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(OutputSettingsTest, CapitalExtensionAndOtherLetterCaseLoad) {
  app.write("Profiles/Upper.BPF",
            "[MAIN]\nTYPE=flv\n[video codec]\nITEMS=1\ncaption0=Flash\nVALUE0=flv\nINDEX=0\n"
            "[AUDIO CODEC]\nitems=1\nCAPTION0=MP3\nindex=0\ndescription=Sound\n");
  Start();
  TopSettingForm& f = form();
  ASSERT_EQ(main().cmbProfile->count(), 1);
  EXPECT_EQ(main().cmbProfile->currentText(), "Upper");
  EXPECT_EQ(f.OutputExtension, ".flv");
  EXPECT_EQ(f.cmbVcodec->currentText(), "Flash");
  EXPECT_FALSE(f.panMP3->isHidden());
  EXPECT_EQ(f.BuildJoinOptions(main().ProfilePath()).substr(0, 35),
            " -ovc lavc -lavcopts vcodec=flv:vbi");
}

TEST_F(OutputSettingsTest, RulesFollowTheUsersPicksOnly) {
  StartWithExample();
  TopSettingForm& f = form();
  Open();
  // A selection set by the program is no change.
  f.cmbAcodec->setCurrentIndex(1);
  EXPECT_FALSE(f.panMP3->isHidden());
  f.cmbAcodec->setCurrentIndex(0);
  Pick(f.cmbAcodec, 1);
  EXPECT_TRUE(f.panMP3->isHidden());
  EXPECT_FALSE(f.panLavc->isHidden());
  EXPECT_EQ(Memo(), "Audio codec help\nCurrent Value: ac3");
  // The keyboard picks too.
  f.cmbAcodec->setFocus();
  QTest::keyClick(f.cmbAcodec, Qt::Key_Up);
  EXPECT_EQ(f.cmbAcodec->currentText(), "MP3");
  EXPECT_FALSE(f.panMP3->isHidden());
  EXPECT_TRUE(f.panLavc->isHidden());
  // "mp2" is not "MP3" and not "MP2".
  Pick(f.cmbAcodec, 4);
  EXPECT_TRUE(f.panMP3->isHidden());

  Pick(f.cmbEncodeTo, 2);
  EXPECT_TRUE(f.cmbQuality->isHidden());
  EXPECT_TRUE(f.labQuality->isHidden());
  EXPECT_FALSE(f.cmbBitrate->isHidden());
  EXPECT_FALSE(f.labBitrate->isHidden());
  EXPECT_EQ(Memo(), "Encode help\nCurrent Value: cbr");
  Pick(f.cmbEncodeTo, 0);
  EXPECT_FALSE(f.cmbQuality->isHidden());
  EXPECT_TRUE(f.cmbBitrate->isHidden());
  Pick(f.cmbChannels, 0);
  EXPECT_EQ(Memo(), "Channels help\nCurrent Value: 2");
}

TEST_F(OutputSettingsTest, DescriptionFollowsFocusAndEveryKeystroke) {
  StartWithExample();
  TopSettingForm& f = form();
  Open();
  f.cmbVbitrate->setFocus();
  EXPECT_EQ(Memo(), "Video bitrate help\nCurrent Value: 800");
  f.cmbAspect->setFocus();
  EXPECT_EQ(Memo(), "Aspect help\nCurrent Value: autoaspect");
  f.cmbSrate->setFocus();
  f.cmbSrate->lineEdit()->clear();
  QTest::keyClick(f.cmbSrate->lineEdit(), '4');
  EXPECT_EQ(Memo(), "Sample rate help\nCurrent Value: 4");
  QTest::keyClick(f.cmbSrate->lineEdit(), '8');
  EXPECT_EQ(Memo(), "Sample rate help\nCurrent Value: 48");
  QTest::keyClick(f.cmbSrate->lineEdit(), Qt::Key_Backspace);
  EXPECT_EQ(Memo(), "Sample rate help\nCurrent Value: 4");
  // Typed text is not completed from the choices and never added to them.
  Retype(f.cmbAbitrate, "1");
  QTest::keyClick(f.cmbAbitrate->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(f.cmbAbitrate->currentText(), "1");
  EXPECT_EQ(f.cmbAbitrate->count(), 2);
  // A section without a description gives an empty first line.
  app.write("Profiles/A Example.bpf", "[Main]\nType=avi\n");
  f.cmbVcodec->setFocus();
  EXPECT_EQ(Memo(), "\nCurrent Value: mpeg4");
}

struct OkCase {
  const char* name;
  std::function<void(TopSettingForm&)> change;
  const char* text;
  const char* caption;
  std::function<QWidget*(TopSettingForm&)> focus;
};

TEST_F(OutputSettingsTest, OkTestsInOrder) {
  using F = TopSettingForm;
  const OkCase cases[] = {
      {"empty video bitrate", [](F& f) { f.cmbVbitrate->setEditText(""); },
       "The video bitrate is invalid.", "Invalid Video Bitrate",
       [](F& f) -> QWidget* { return f.cmbVbitrate; }},
      {"video bitrate beyond 32 bits", [](F& f) { f.cmbVbitrate->setEditText("2147483648"); },
       "The video bitrate is invalid.", "Invalid Video Bitrate",
       [](F& f) -> QWidget* { return f.cmbVbitrate; }},
      {"manual width",
       [](F& f) {
         f.rdbManualSize->setChecked(true);
         f.edtWidth->setText("wide");
         f.cmbSrate->setEditText("x");
       },
       "The output width is invalid.", "Invalid Width",
       [](F& f) -> QWidget* { return f.edtWidth; }},
      {"manual height",
       [](F& f) {
         f.rdbManualSize->setChecked(true);
         f.edtWidth->setText("320");
         f.edtHeight->setText("");
       },
       "The output height is invalid.", "Invalid Height",
       [](F& f) -> QWidget* { return f.edtHeight; }},
      {"sample rate", [](F& f) { f.cmbSrate->setEditText("44.1"); }, "The sample rate is invalid.",
       "Invalid Sample Rate", [](F& f) -> QWidget* { return f.cmbSrate; }},
      {"hidden audio bitrate with MP3", [](F& f) { f.cmbAbitrate->setEditText(""); },
       "The Audio bitrate is invalid.", "Invalid Audio Bitrate",
       [](F& f) -> QWidget* { return f.cmbVbitrate; }},
      {"MP2 above 128",
       [](F& f) {
         f.cmbAcodec->setCurrentIndex(3);
         f.cmbAbitrate->setEditText("192");
       },
       "The maximum value of audio bitrate for MP2 codec is 128", "Invalid Audio Bitrate",
       [](F& f) -> QWidget* { return f.cmbAbitrate; }},
  };
  StartWithExample();
  TopSettingForm& f = form();
  for (const OkCase& c : cases) {
    SCOPED_TRACE(c.name);
    ChooseProfile(0);  // the example as loaded passes every test
    f.rdbSelectSize->setChecked(true);
    Open();
    c.change(f);
    f.btnCancel->setFocus();
    shell.messages.clear();
    Click(f.btnOK);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, c.text);
    EXPECT_EQ(shell.messages[0].caption, c.caption);
    EXPECT_EQ(shell.messages[0].owner, &f);
    EXPECT_EQ(shell.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(shell.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(main().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), c.focus(f));
    f.close();
  }
}

TEST_F(OutputSettingsTest, OkPassesAndCloses) {
  StartWithExample();
  TopSettingForm& f = form();
  const std::vector<std::function<void()>> passing{
      [] {},
      [&] { f.cmbVbitrate->setEditText("0"); },
      [&] { f.cmbVbitrate->setEditText("-5"); },
      // Width and height are only checked in manual mode.
      [&] { f.edtWidth->setText("wide"); },
      [&] {
        f.rdbManualSize->setChecked(true);
        f.edtWidth->setText("320");
        f.edtHeight->setText("240");
      },
      [&] {
        Pick(f.cmbAcodec, 1);
        f.cmbAbitrate->setEditText("192");
      },
      [&] {
        Pick(f.cmbAcodec, 3);
        f.cmbAbitrate->setEditText("128");
      },
  };
  for (std::size_t i = 0; i < passing.size(); ++i) {
    SCOPED_TRACE(i);
    ChooseProfile(0);
    f.rdbSelectSize->setChecked(true);
    Open();
    passing[i]();
    Click(f.btnOK);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(main().isEnabled());
  }
}

TEST_F(OutputSettingsTest, Mp2LimitSetsTheBitrateAndSecondOkCloses) {
  StartWithExample();
  TopSettingForm& f = form();
  Open();
  Pick(f.cmbAcodec, 3);
  Retype(f.cmbAbitrate, "192");
  Click(f.btnOK);
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(f.cmbAbitrate->currentText(), "128");
  EXPECT_TRUE(f.cmbAbitrate->hasFocus());
  EXPECT_TRUE(f.isVisible());
  Click(f.btnOK);
  EXPECT_EQ(shell.messages.size(), 1u);
  EXPECT_FALSE(f.isVisible());
}

TEST_F(OutputSettingsTest, BeforeAnyProfileOkReportsTheVideoBitrate) {
  Start();
  Open();
  Click(form().btnOK);
  ASSERT_EQ(shell.messages.size(), 1u);
  EXPECT_EQ(shell.messages[0].text, "The video bitrate is invalid.");
  EXPECT_TRUE(form().isVisible());
}

TEST_F(OutputSettingsTest, CancelPutsBackWhatTheDialogOpenedWith) {
  StartWithExample();
  TopSettingForm& f = form();
  f.edtWidth->setText("100");
  f.edtHeight->setText("50");
  const OutputSelection before = f.Selection();
  const std::string optionsBefore = f.BuildJoinOptions(f.ProfileFile);
  Open();
  EXPECT_FALSE(main().isEnabled());
  f.rdbManualSize->click();
  f.edtWidth->setText("320");
  f.edtHeight->setText("240");
  Pick(f.cmbAspect, 1);
  Retype(f.cmbVbitrate, "1200");
  Pick(f.cmbAcodec, 1);
  Retype(f.cmbAbitrate, "64");
  Pick(f.cmbEncodeTo, 1);
  // The ABR/CBR pick is put back with its text, since the options read the pick.
  Pick(f.cmbBitrate, 0);
  Retype(f.cmbBitrate, "500");
  Retype(f.cmbSrate, "22050");
  EXPECT_TRUE(f.panMP3->isHidden());
  Click(f.btnCancel);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main().isEnabled());
  const OutputSelection after = f.Selection();
  EXPECT_EQ(after.choosers, before.choosers);
  EXPECT_FALSE(after.manualSize);
  EXPECT_TRUE(f.rdbSelectSize->isChecked());
  EXPECT_EQ(after.widthText, "100");
  EXPECT_EQ(after.heightText, "50");
  EXPECT_EQ(f.BuildJoinOptions(f.ProfileFile), optionsBefore);
  // The MP3 panel shows again, with the quality row.
  EXPECT_FALSE(f.panMP3->isHidden());
  EXPECT_TRUE(f.panLavc->isHidden());
  EXPECT_FALSE(f.cmbQuality->isHidden());
  EXPECT_TRUE(f.cmbBitrate->isHidden());
  EXPECT_EQ(Memo(), "Encode help\nCurrent Value: vbr");
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(OutputSettingsTest, CancelRestoresAMp3ModeOtherThanVbr) {
  StartWithExample();
  TopSettingForm& f = form();
  ChooseProfile(1);  // MP3 mode abr, audio codec AAC
  Open();
  Pick(f.cmbAcodec, 1);
  Pick(f.cmbEncodeTo, 0);
  EXPECT_FALSE(f.panMP3->isHidden());
  f.btnCancel->setFocus();
  QTest::keyClick(&f, Qt::Key_Escape);  // Escape answers as Cancel
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.cmbAcodec->currentText(), "AAC");
  EXPECT_TRUE(f.panMP3->isHidden());
  EXPECT_EQ(f.cmbEncodeTo->currentText(), "abr");
  EXPECT_FALSE(f.cmbBitrate->isHidden());
  EXPECT_TRUE(f.cmbQuality->isHidden());
}

TEST_F(OutputSettingsTest, CloseBoxKeepsEveryChange) {
  StartWithExample();
  TopSettingForm& f = form();
  Open();
  f.rdbManualSize->click();
  f.edtWidth->setText("abc");
  Retype(f.cmbVbitrate, "fast");
  Pick(f.cmbAcodec, 3);
  Retype(f.cmbAbitrate, "192");
  f.close();
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main().isEnabled());
  EXPECT_TRUE(shell.messages.empty());
  EXPECT_TRUE(f.rdbManualSize->isChecked());
  EXPECT_EQ(f.edtWidth->text(), "abc");
  EXPECT_EQ(f.cmbVbitrate->currentText(), "fast");
  EXPECT_EQ(f.cmbAcodec->currentText(), "MP2");
  EXPECT_FALSE(f.panLavc->isHidden());
  EXPECT_EQ(f.GetFrameSize(f.ProfileFile), "abc:");
  EXPECT_EQ(f.BuildJoinOptions(f.ProfileFile),
            " -ovc lavc -lavcopts vcodec=mpeg4:vbitrate=fast:mbd=2:autoaspect -oac lavc -lavcopts "
            "acodec=mp2:abitrate=128 -channels 2 -vf scale=abc: -srate 44100");
  // Opening again takes a new snapshot: Cancel now goes back to these values.
  Open();
  Retype(f.cmbVbitrate, "800");
  Click(f.btnCancel);
  EXPECT_EQ(f.cmbVbitrate->currentText(), "fast");
}

}  // namespace
}  // namespace vuvide::test
