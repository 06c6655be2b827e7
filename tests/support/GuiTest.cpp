#include "tests/support/GuiTest.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/Application.h"

namespace vuvide::test {

GuiTest::~GuiTest() {
  if (auto* application = qobject_cast<Application*>(QCoreApplication::instance()))
    application->setShell(nullptr);
}

void GuiTest::Create(const QStringList& arguments) {
  if (auto* application = qobject_cast<Application*>(QCoreApplication::instance()))
    application->setShell(&shell);
  program = std::make_unique<Program>(shell, app.path(), arguments);
}

void GuiTest::Start(const QStringList& arguments) {
  Create(arguments);
  main().show();
  ProcessEvents();
}

void GuiTest::Dispatch(const std::function<void()>& fn) {
  bool ran = false;
  QTimer::singleShot(0, qApp, [&] {
    ran = true;
    fn();
  });
  while (!ran) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  ProcessEvents();
}

void GuiTest::ProcessEvents() {
  QCoreApplication::processEvents();
}

}  // namespace vuvide::test
