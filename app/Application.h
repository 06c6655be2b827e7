#pragma once
// The application object. Its event dispatch is the one place where a failure that a
// handler does not handle itself is caught: the handler ends there, the failure's
// message goes to the program's error box, and the program goes on.
#include <QApplication>

#include "platform/Shell.h"

namespace vuvide {

class Application : public QApplication {
  Q_OBJECT
 public:
  Application(int& argc, char** argv);

  // The seams the error box goes through; set before the first window exists.
  void setShell(Shell* shell) { shell_ = shell; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Shell* shell_ = nullptr;
};

}  // namespace vuvide
