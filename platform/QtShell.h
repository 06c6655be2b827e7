#pragma once
// The real seams: Qt's dialogs, the desktop's opener and the system's power-off.
#include "platform/Shell.h"

namespace vuvide {

class QtShell final : public Shell {
 public:
  MsgResult messageBox(const MessageRequest& request) override;
  QStringList openFiles(QWidget* owner, const FileDialogSpec& spec) override;
  std::optional<QString> saveFile(QWidget* owner, const FileDialogSpec& spec) override;
  std::optional<QString> browseFolder(QWidget* owner, const QString& text) override;
  void shellOpen(QWidget* owner, const QString& target) override;
  void powerOff() override;
};

// "A|*.a;*.b|B|*.c" in the form Qt's dialogs take: "A (*.a *.b)", "B (*.c)".
// "*.*" becomes "*" so that names without a dot are listed too.
QStringList ToQtFilters(const QString& filter);

}  // namespace vuvide
