#pragma once
// The Settings dialog: default output file, temp folder, completion actions and the
// overwrite choice. Its controls hold these values while the program runs.
#include "app/ProgramDialog.h"

namespace vuvide {

class TSettingForm : public ProgramDialog {
  Q_OBJECT
 public:
  explicit TSettingForm(TMainForm& mainForm);
};

}  // namespace vuvide
