#include "tests/support/ScriptedShell.h"

namespace vuvide::test {

MsgResult ScriptedShell::messageBox(const MessageRequest& request) {
  messages.push_back({request.owner, request.text, request.caption, request.icon, request.buttons,
                      request.defaultButton});
  if (!messageAnswers.empty()) {
    const MsgResult answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
  }
  if (request.buttons == MsgButtons::YesNo) return request.defaultButton;
  return MsgResult::Ok;
}

QStringList ScriptedShell::openFiles(QWidget*, const FileDialogSpec& spec) {
  openFilesCalls.push_back(spec);
  if (openFilesAnswers.empty()) return {};
  QStringList answer = openFilesAnswers.front();
  openFilesAnswers.pop_front();
  return answer;
}

std::optional<QString> ScriptedShell::saveFile(QWidget*, const FileDialogSpec& spec) {
  saveFileCalls.push_back(spec);
  if (saveFileAnswers.empty()) return std::nullopt;
  auto answer = saveFileAnswers.front();
  saveFileAnswers.pop_front();
  return answer;
}

std::optional<QString> ScriptedShell::browseFolder(QWidget*, const QString& text) {
  browseFolderTexts.push_back(text);
  if (browseFolderAnswers.empty()) return std::nullopt;
  auto answer = browseFolderAnswers.front();
  browseFolderAnswers.pop_front();
  return answer;
}

void ScriptedShell::shellOpen(QWidget*, const QString& target) {
  opened.push_back(target);
}

void ScriptedShell::powerOff() {
  ++powerOffCalls;
}

}  // namespace vuvide::test
