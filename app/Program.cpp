#include "app/Program.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <clocale>

#include "about/AboutForm.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "app/Skin.h"
#include "platform/QtShell.h"
#include "prefs/SettingForm.h"
#include "profiles/OutputSettingsForm.h"

namespace vuvide {

Program::Program(Shell& shell, const std::string& appDir, const QStringList& arguments)
    : MainForm(std::make_unique<TMainForm>(shell, appDir, arguments)),
      OpSettingForm(std::make_unique<TopSettingForm>(*MainForm)),
      SettingForm(std::make_unique<TSettingForm>(*MainForm)),
      AboutForm(std::make_unique<TAboutForm>(*MainForm)) {
  MainForm->AttachDialogs(OpSettingForm.get(), SettingForm.get(), AboutForm.get());
}

Program::~Program() = default;

int RunProgram(int argc, char** argv) {
  // File names reach the media library as wide texts; that needs the user's locale.
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  Application app(argc, argv);
  ApplySkin(app);
  QtShell shell;
  app.setShell(&shell);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  Program program(shell, AddTrailingBackslash(QCoreApplication::applicationDirPath().toStdString()),
                  arguments);
  // The main window opens centred on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    program.MainForm->move(area.center() - program.MainForm->rect().center());
  }
  program.MainForm->show();
  return Application::exec();
}

}  // namespace vuvide
