// Encoder runs, the job clock, the two passes and the job control of the main window.
#include "app/MainForm.h"

namespace vuvide {

void TMainForm::ConnectEngine() {}
void TMainForm::imgStartClick() {}
void TMainForm::imgStopClick() {}

}  // namespace vuvide
