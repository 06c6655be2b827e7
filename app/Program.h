#pragma once
// The program's windows, created in start-up order: the main window (its creation
// runs the start-up steps), then the output settings dialog, the Settings dialog and
// the About box, all hidden. Tests make one with a throw-away program folder.
#include <QStringList>
#include <memory>
#include <string>

#include "platform/Shell.h"

namespace vuvide {

class TMainForm;
class TopSettingForm;
class TSettingForm;
class TAboutForm;

struct Program {
  Program(Shell& shell, const std::string& appDir, const QStringList& arguments);
  ~Program();

  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TopSettingForm> OpSettingForm;
  std::unique_ptr<TSettingForm> SettingForm;
  std::unique_ptr<TAboutForm> AboutForm;
};

// Starts the program: creates the windows, shows the main window and runs the
// message loop until it closes. Returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace vuvide
