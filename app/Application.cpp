#include "app/Application.h"

#include <cstdio>

#include "about/ProgramInfo.h"

namespace vuvide {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromUtf8(kProductName));
  // No display name: Qt would append it to every window title and message-box caption.
  setOrganizationName("Vantorel Software");
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    if (shell_) {
      QWidget* owner = activeWindow();
      ShowErrorBox(*shell_, owner, QString::fromStdString(failure.what()));
    } else {
      std::fprintf(stderr, "%s\n", failure.what());
    }
  }
  return true;
}

}  // namespace vuvide
