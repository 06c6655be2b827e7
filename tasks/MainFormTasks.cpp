// The task list of the main window: adding, removing, ordering and opening rows.
#include "app/MainForm.h"

namespace vuvide {

void TMainForm::ConnectTaskList() {}
void TMainForm::TakeCommandLine(const QStringList&) {}
void TMainForm::WMDropFiles(const QStringList&) {}
bool TMainForm::ltvTaskKeyDown(int) { return false; }
void TMainForm::ltvTaskResize() {}

}  // namespace vuvide
