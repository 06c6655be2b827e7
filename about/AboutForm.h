#pragma once
// The About box: product name, version, copyright and the maker's links.
#include "app/ProgramDialog.h"

namespace vuvide {

class TAboutForm : public ProgramDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(TMainForm& mainForm);
};

}  // namespace vuvide
