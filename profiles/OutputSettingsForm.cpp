#include "profiles/OutputSettingsForm.h"

#include "app/PathRoutines.h"
#include "prefs/IniFile.h"

namespace vuvide {

TopSettingForm::TopSettingForm(TMainForm& mainForm)
    : ProgramDialog(mainForm, "Output Settings", 413, 473) {
  setObjectName("TopSettingForm");
}

void TopSettingForm::LoadProfile(const std::string& path) {
  if (!FileExists(path)) return;
  ProfileFile = path;
  OutputExtension = "." + ReadIniString(path, "Main", "Type", "avi");
}

}  // namespace vuvide
