#include "platform/Shell.h"

#include "about/ProgramInfo.h"
#include "app/Failure.h"

namespace vuvide {

void ShowErrorBox(Shell& shell, QWidget* owner, const QString& message) {
  MessageRequest request;
  request.owner = owner;
  request.text = QString::fromStdString(WithFullStop(message.toStdString()));
  request.caption = QString::fromUtf8(kProductName);
  request.icon = MsgIcon::Error;
  shell.messageBox(request);
}

}  // namespace vuvide
