#pragma once
// Everything a test cannot click goes through this one interface: message boxes (the
// program's error box included), file dialogs, the folder browser, opening files,
// folders and web addresses through the desktop, and powering the machine off. The
// program uses QtShell; tests install a scripted double that records every call.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vuvide {

enum class MsgIcon { None, Information, Question, Error };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

struct MessageRequest {
  QWidget* owner = nullptr;
  QString text;
  QString caption;
  MsgIcon icon = MsgIcon::Information;
  MsgButtons buttons = MsgButtons::Ok;
  MsgResult defaultButton = MsgResult::Ok;
};

// A file dialog as the program sets it up. filter has the "description|pattern|..."
// form; selectedFilter counts from 0.
struct FileDialogSpec {
  QString filter;
  int selectedFilter = 0;
  QString defaultExtension;  // without the dot; empty for none
  bool multiSelect = false;
  bool mustExist = false;  // path and file must exist
};

class Shell {
 public:
  virtual ~Shell() = default;

  virtual MsgResult messageBox(const MessageRequest& request) = 0;
  // Chosen files, in the order the dialog gives them; empty when cancelled.
  virtual QStringList openFiles(QWidget* owner, const FileDialogSpec& spec) = 0;
  virtual std::optional<QString> saveFile(QWidget* owner, const FileDialogSpec& spec) = 0;
  // The folder browser: only file-system folders, starting at the top with nothing
  // preselected; text is shown above the folder tree.
  virtual std::optional<QString> browseFolder(QWidget* owner, const QString& text) = 0;
  // Opens a file, a folder or a web address with the desktop's handler. The result
  // does not matter to any caller.
  virtual void shellOpen(QWidget* owner, const QString& target) = 0;
  virtual void powerOff() = 0;
};

// The program's error box: caption ProductName, error icon, OK, and the full-stop
// rule applied to the message.
void ShowErrorBox(Shell& shell, QWidget* owner, const QString& message);

}  // namespace vuvide
