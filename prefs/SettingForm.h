#pragma once
// The Settings dialog: default output file, temp folder, completion actions and the
// overwrite choice. Its controls hold these values while the program runs.
#include "app/ProgramDialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace vuvide {

class TSettingForm : public ProgramDialog {
  Q_OBJECT
 public:
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
};

}  // namespace vuvide
