#include "prefs/SettingForm.h"

namespace vuvide {

TSettingForm::TSettingForm(TMainForm& mainForm) : ProgramDialog(mainForm, "Settings", 391, 380) {
  setObjectName("TSettingForm");
}

}  // namespace vuvide
