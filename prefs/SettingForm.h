#pragma once
// The Settings dialog: default output file, temp folder, completion actions and the
// overwrite choice. Its controls hold these values while the program runs; they
// reach "Preferences.ini" only through OK.
#include "app/ProgramDialog.h"
#include "prefs/SettingsFile.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vuvide {

class TSettingForm : public ProgramDialog {
  Q_OBJECT
 public:
  // Builds the dialog, hidden, and reads the "Main" preferences into it (FormCreate).
  explicit TSettingForm(TMainForm& mainForm);

  // The controls hold the live values; the joining engine reads them at the moment
  // of use.
  QLineEdit* edtOutputFile = nullptr;
  QLineEdit* edtTempDir = nullptr;
  QCheckBox* chkOpenDir = nullptr;
  QCheckBox* chkExit = nullptr;
  QCheckBox* chkTurnoff = nullptr;
  QRadioButton* rdbAsk = nullptr;
  QRadioButton* rdbOverWrite = nullptr;
  QRadioButton* rdbRename = nullptr;

  // The rest of the dialog.
  QFrame* panMain = nullptr;
  QLabel* labOutputFile = nullptr;
  QLabel* labTempDir = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QFrame* Bevel2 = nullptr;
  QGroupBox* gpbOverWrite = nullptr;
  QPushButton* btnDefault = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

  // The values of the moment the dialog was last shown; Cancel puts them back.
  SettingsSnapshot Snapshot;

  // ---- handlers ----
  void FormCreate();
  void btnOKClick();
  void btnCancelClick();
  void btnDefaultClick();
  void SpeedButton1Click();
  void SpeedButton2Click();

  // The values the controls show now.
  SettingsSnapshot ShownValues() const;
  // Puts values into the controls in the record's order (the temp folder only when
  // withTempDir), the overwrite choices one by one as ApplyOverwriteChoice does.
  void ShowValues(const SettingsSnapshot& values, bool withTempDir = true);
  // Sets one overwrite choice as a radio button of the group is set: selected, it
  // clears the other two; cleared, it selects nothing else, so the group can end up
  // with no selection.
  void ApplyOverwriteChoice(QRadioButton* choice, bool selected);

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void BuildLayout();
  void ConnectHandlers();
  void OverwriteChoiceToggled(QRadioButton* choice, bool selected);

  QButtonGroup* OverwriteGroup = nullptr;
};

}  // namespace vuvide
