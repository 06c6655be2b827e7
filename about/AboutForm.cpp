#include "about/AboutForm.h"

namespace vuvide {

TAboutForm::TAboutForm(TMainForm& mainForm) : ProgramDialog(mainForm, "About", 476, 330) {
  setObjectName("TAboutForm");
}

}  // namespace vuvide
