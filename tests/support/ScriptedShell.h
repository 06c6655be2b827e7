#pragma once
// The seam double for tests: records every call and answers from scripted queues.
// An empty queue answers "cancel" for dialogs and the button's default for message
// boxes (Ok, or the default button of a question).
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/Shell.h"

namespace vuvide::test {

struct RecordedMessage {
  QWidget* owner = nullptr;
  QString text;
  QString caption;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  MsgResult defaultButton = MsgResult::Ok;
};

class ScriptedShell final : public Shell {
 public:
  MsgResult messageBox(const MessageRequest& request) override;
  QStringList openFiles(QWidget* owner, const FileDialogSpec& spec) override;
  std::optional<QString> saveFile(QWidget* owner, const FileDialogSpec& spec) override;
  std::optional<QString> browseFolder(QWidget* owner, const QString& text) override;
  void shellOpen(QWidget* owner, const QString& target) override;
  void powerOff() override;

  // Scripted answers, taken in order.
  std::deque<MsgResult> messageAnswers;
  std::deque<QStringList> openFilesAnswers;
  std::deque<std::optional<QString>> saveFileAnswers;
  std::deque<std::optional<QString>> browseFolderAnswers;

  // Recorded calls.
  std::vector<RecordedMessage> messages;
  std::vector<FileDialogSpec> openFilesCalls;
  std::vector<FileDialogSpec> saveFileCalls;
  std::vector<QString> browseFolderTexts;
  std::vector<QString> opened;
  int powerOffCalls = 0;
};

}  // namespace vuvide::test
