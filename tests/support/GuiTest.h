#pragma once
// GUI tests: the whole program (its four windows) on a throw-away program folder,
// offscreen, with the scripted seam double answering every dialog.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <memory>

#include "app/MainForm.h"
#include "app/Program.h"
#include "tests/support/ScriptedShell.h"
#include "tests/support/TempAppDir.h"

namespace vuvide::test {

class GuiTest : public ::testing::Test {
 protected:
  ~GuiTest() override;

  // Creates the program's windows with these command-line parameters and shows the
  // main window (which restores the profile and the output file).
  void Start(const QStringList& arguments = {});
  // Creates the windows without showing the main window.
  void Create(const QStringList& arguments = {});
  TMainForm& main() { return *program->MainForm; }

  // Runs fn through the application's event dispatch, as a click's handler runs:
  // a failure it does not handle ends it and shows the error box.
  void Dispatch(const std::function<void()>& fn);
  // Lets pending events run.
  static void ProcessEvents();

  ScriptedShell shell;
  TempAppDir app;
  std::unique_ptr<Program> program;
};

}  // namespace vuvide::test
