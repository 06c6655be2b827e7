#include "prefs/SettingForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/Failure.h"
#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "app/Skin.h"
#include "prefs/Preferences.h"

namespace vuvide {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}
std::string Text(const QString& text) {
  return text.toStdString();
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& accessibleName,
                   QRect geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setAccessibleName(accessibleName);
  edit->setGeometry(geometry);
  return edit;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAccessibleName(text);
  label->setGeometry(geometry);
  label->setBuddy(buddy);
  return label;
}

// A small flat picture button beside an edit box; the mouse uses it, the keyboard
// passes it by.
QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QString& accessibleName,
                            QStyle::StandardPixmap picture, QRect geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setAccessibleName(accessibleName);
  button->setToolTip(accessibleName);
  button->setIcon(parent->style()->standardIcon(picture));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(geometry);
  return button;
}

// Check boxes and radio buttons sit where the layout puts them. Their widths are made
// for the layout's own font; with a wider font a caption gets the room it needs, up to
// the right edge of its parent less the usual margin, rather than being cut off.
void PlaceCaptioned(QAbstractButton* button, QRect geometry) {
  const int room = button->parentWidget()->width() - 8 - geometry.left();
  geometry.setWidth(std::max(geometry.width(), std::min(button->sizeHint().width(), room)));
  button->setGeometry(geometry);
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setAccessibleName(caption.trimmed());
  PlaceCaptioned(box, geometry);
  return box;
}

QRadioButton* NewRadioButton(QWidget* parent, const char* name, const QString& caption,
                             QRect geometry) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(caption);
  PlaceCaptioned(button, geometry);
  return button;
}

// Neither Enter nor Escape presses these buttons; the dialog is a plain window, so
// Escape does not close it either.
QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAccessibleName(QString(caption).remove('&'));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TSettingForm::TSettingForm(TMainForm& mainForm) : ProgramDialog(mainForm, "Settings", 391, 380) {
  setObjectName("TSettingForm");
  setAccessibleName("Settings");
  BuildLayout();
  ConnectHandlers();
  FormCreate();
}

void TSettingForm::BuildLayout() {
  // The layout's fixed positions are made for a narrow 8-point sans font; where the
  // first is missing, fonts of about its width come before the system's default.
  QFont font;
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                    "Nimbus Sans", "Helvetica"});
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);

  panMain = new QFrame(this);
  panMain->setObjectName("panMain");
  panMain->setAccessibleName("panMain");
  panMain->setFrameShape(QFrame::NoFrame);
  panMain->setGeometry(0, 0, width(), 5);

  edtOutputFile = NewEdit(this, "edtOutputFile", "Default Output File", QRect(112, 16, 225, 21));
  labOutputFile =
      NewLabel(this, "labOutputFile", "Default Output File:", QRect(8, 18, 102, 17), edtOutputFile);
  SpeedButton1 = NewSpeedButton(this, "SpeedButton1", "Choose Default Output File",
                                QStyle::SP_DialogSaveButton, QRect(344, 16, 23, 22));
  edtTempDir = NewEdit(this, "edtTempDir", "Temp Folder", QRect(112, 48, 225, 21));
  labTempDir = NewLabel(this, "labTempDir", "Temp Folder:", QRect(8, 50, 102, 17), edtTempDir);
  SpeedButton2 = NewSpeedButton(this, "SpeedButton2", "Choose Temp Folder", QStyle::SP_DirOpenIcon,
                                QRect(344, 48, 23, 22));
  SpeedButton1->setIcon(ArtworkIcon("save"));
  SpeedButton2->setIcon(ArtworkIcon("folder-open"));

  // A sunken line along the bottom of the bevel's area.
  Bevel2 = new QFrame(this);
  Bevel2->setObjectName("Bevel2");
  Bevel2->setAccessibleName("Bevel2");
  Bevel2->setFrameShape(QFrame::NoFrame);
  Bevel2->setGeometry(8, 72, 369, 17);
  auto* line = new QFrame(Bevel2);
  line->setObjectName("Bevel2Line");
  line->setAccessibleName("Bevel2Line");
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(0, Bevel2->height() - 2, Bevel2->width(), 2);

  chkOpenDir =
      NewCheckBox(this, "chkOpenDir", "Open the output directory when the task is completed. ",
                  QRect(24, 104, 281, 17));
  chkExit = NewCheckBox(this, "chkExit", "Exit the program when the task is completed.",
                        QRect(24, 136, 233, 17));
  chkTurnoff = NewCheckBox(this, "chkTurnoff", "Turn off the computer when the task is completed.",
                           QRect(24, 168, 257, 17));

  gpbOverWrite = new QGroupBox("Output File Overwrite", this);
  gpbOverWrite->setObjectName("gpbOverWrite");
  gpbOverWrite->setAccessibleName("Output File Overwrite");
  gpbOverWrite->setGeometry(16, 204, 353, 105);
  rdbAsk = NewRadioButton(gpbOverWrite, "rdbAsk", "Ask me.", QRect(24, 24, 65, 17));
  rdbOverWrite = NewRadioButton(gpbOverWrite, "rdbOverWrite", "Overwrite", QRect(24, 50, 305, 17));
  rdbRename = NewRadioButton(gpbOverWrite, "rdbRename",
                             "Not overwrite (Rename to <Filename> + Index", QRect(24, 75, 305, 17));
  OverwriteGroup = new QButtonGroup(this);
  OverwriteGroup->setObjectName("OverwriteGroup");
  for (QRadioButton* choice : {rdbAsk, rdbOverWrite, rdbRename}) OverwriteGroup->addButton(choice);
  // Exclusive only while a choice is selected: an exclusive group cannot be cleared.
  OverwriteGroup->setExclusive(false);

  btnDefault = NewButton(this, "btnDefault", "&Load Default", QRect(16, 331, 89, 25));
  btnOK = NewButton(this, "btnOK", "&OK", QRect(208, 331, 75, 25));
  btnCancel = NewButton(this, "btnCancel", "&Cancel", QRect(296, 331, 75, 25));

  QWidget* const order[] = {btnOK,      btnCancel, btnDefault, edtOutputFile,
                            chkOpenDir, chkExit,   chkTurnoff, rdbOverWrite,
                            rdbRename,  rdbAsk,    edtTempDir};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
  btnOK->setFocus();
}

void TSettingForm::ConnectHandlers() {
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
  connect(btnDefault, &QPushButton::clicked, this, [this] { btnDefaultClick(); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(OverwriteGroup, &QButtonGroup::buttonToggled, this,
          [this](QAbstractButton* choice, bool selected) {
            OverwriteChoiceToggled(static_cast<QRadioButton*>(choice), selected);
          });
}

void TSettingForm::OverwriteChoiceToggled(QRadioButton* choice, bool selected) {
  if (!selected) return;
  for (QRadioButton* other : {rdbAsk, rdbOverWrite, rdbRename})
    if (other != choice && other->isChecked()) other->setChecked(false);
  OverwriteGroup->setExclusive(true);
}

void TSettingForm::ApplyOverwriteChoice(QRadioButton* choice, bool selected) {
  if (selected) {
    choice->setChecked(true);  // the group clears the other two
  } else if (choice->isChecked()) {
    OverwriteGroup->setExclusive(false);
    choice->setChecked(false);
  }
}

SettingsSnapshot TSettingForm::ShownValues() const {
  SettingsSnapshot values;
  values.OutputFile = Text(edtOutputFile->text());
  values.TempDir = Text(edtTempDir->text());
  values.OpenDir = chkOpenDir->isChecked();
  values.Exit = chkExit->isChecked();
  values.TurnOff = chkTurnoff->isChecked();
  values.Ask = rdbAsk->isChecked();
  values.Overwrite = rdbOverWrite->isChecked();
  values.Rename = rdbRename->isChecked();
  return values;
}

void TSettingForm::ShowValues(const SettingsSnapshot& values, bool withTempDir) {
  edtOutputFile->setText(Text(values.OutputFile));
  if (withTempDir) edtTempDir->setText(Text(values.TempDir));
  chkOpenDir->setChecked(values.OpenDir);
  chkExit->setChecked(values.Exit);
  chkTurnoff->setChecked(values.TurnOff);
  ApplyOverwriteChoice(rdbAsk, values.Ask);
  ApplyOverwriteChoice(rdbOverWrite, values.Overwrite);
  ApplyOverwriteChoice(rdbRename, values.Rename);
}

void TSettingForm::FormCreate() {
  const std::string& appDir = mainForm().AppDir;
  ShowValues(ReadMainSettings(prefs::PreferencesFile(appDir), appDir));
}

void TSettingForm::FormShow() {
  // The base has disabled the main window; it stays so until the dialog closes.
  edtOutputFile->setText(mainForm().edtOutputFile->text());
  Snapshot = ShownValues();
}

void TSettingForm::FormClose() {
  // The base enables the main window again. Nothing else: closing by the title bar
  // neither saves nor puts the snapshot back, so changed values stay in force.
}

void TSettingForm::btnOKClick() {
  mainForm().edtOutputFile->setText(edtOutputFile->text());
  try {
    WriteMainSettings(prefs::PreferencesFile(mainForm().AppDir), ShownValues());
  } catch (const Failure& failure) {
    // The dialog stays open so the user can try again or cancel.
    ShowErrorBox(mainForm().shell(), this, QString::fromUtf8(failure.what()));
    return;
  }
  close();
}

void TSettingForm::btnCancelClick() {
  close();
  ShowValues(Snapshot);
}

void TSettingForm::btnDefaultClick() {
  MessageRequest question;
  question.owner = this;
  question.text = "Are you sure to load the default preferences?";
  question.caption = "Load Default";
  question.icon = MsgIcon::Question;
  question.buttons = MsgButtons::YesNo;
  question.defaultButton = MsgResult::Yes;
  if (mainForm().shell().messageBox(question) != MsgResult::Yes) return;
  ShowValues(
      ReadDefaultSettings(prefs::PreferencesFile(mainForm().AppDir), Text(edtTempDir->text())),
      false);
}

void TSettingForm::SpeedButton1Click() {
  if (const auto chosen = mainForm().shell().saveFile(this, mainForm().SaveDialog1))
    edtOutputFile->setText(*chosen);
}

void TSettingForm::SpeedButton2Click() {
  if (const auto chosen = mainForm().shell().browseFolder(this, "Select the output directory."))
    edtTempDir->setText(Text(AddTrailingBackslash(Text(*chosen))));
}

}  // namespace vuvide
