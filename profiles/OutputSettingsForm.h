#pragma once
// The output settings dialog: shows and edits the current output selection, which a
// profile fills when it is chosen in the main window.
#include <string>

#include "app/ProgramDialog.h"

namespace vuvide {

class TopSettingForm : public ProgramDialog {
  Q_OBJECT
 public:
  explicit TopSettingForm(TMainForm& mainForm);

  // Loads the profile file at path into the choosers and sets OutputExtension; a
  // missing file changes nothing.
  void LoadProfile(const std::string& path);

  // The frame size and the joining options of the current selection, with the option
  // tokens read afresh from the profile file at profilePath.
  std::string GetFrameSize(const std::string& profilePath) const;
  std::string BuildJoinOptions(const std::string& profilePath) const;

  std::string ProfileFile;      // the last profile loaded; descriptions are read from it
  std::string OutputExtension;  // "." + the last loaded profile's type; empty before
};

}  // namespace vuvide
