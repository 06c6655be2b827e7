#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vuvide {

QStringList ToQtFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    // Drop the description's own "(pattern)" tail: Qt shows the patterns itself.
    const int paren = description.lastIndexOf('(');
    if (paren > 0 && description.endsWith(')')) description = description.left(paren).trimmed();
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
      if (p == "*.*") p = "*";
    result << description + " (" + patterns.join(' ') + ")";
  }
  return result;
}

MsgResult QtShell::messageBox(const MessageRequest& request) {
  QMessageBox box(request.owner);
  box.setWindowTitle(request.caption);
  // Texts may break lines the Windows way round ("\n\r"); Qt would draw that as two
  // line breaks.
  QString text = request.text;
  text.replace("\n\r", "\n").replace("\r\n", "\n");
  box.setText(text);
  switch (request.icon) {
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  if (request.buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultButton == MsgResult::No ? QMessageBox::No
                                                                : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MsgResult::Ok;
}

namespace {
void SetUp(QFileDialog& dialog, const FileDialogSpec& spec) {
  const QStringList filters = ToQtFilters(spec.filter);
  dialog.setNameFilters(filters);
  if (spec.selectedFilter >= 0 && spec.selectedFilter < filters.size())
    dialog.selectNameFilter(filters[spec.selectedFilter]);
  dialog.setDefaultSuffix(spec.defaultExtension);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setSizeGripEnabled(true);
}
}  // namespace

QStringList QtShell::openFiles(QWidget* owner, const FileDialogSpec& spec) {
  QFileDialog dialog(owner);
  SetUp(dialog, spec);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(spec.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

std::optional<QString> QtShell::saveFile(QWidget* owner, const FileDialogSpec& spec) {
  QFileDialog dialog(owner);
  SetUp(dialog, spec);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> QtShell::browseFolder(QWidget* owner, const QString& text) {
  // The tree starts at the desktop, with nothing chosen in advance.
  QString start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
  const QString folder =
      QFileDialog::getExistingDirectory(owner, text, start, QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

void QtShell::shellOpen(QWidget*, const QString& target) {
  const QUrl url = target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(target);
  QDesktopServices::openUrl(url);
}

void QtShell::powerOff() {
  // The login manager powers off without a password for the user at the seat.
  QProcess::startDetached("systemctl", {"poweroff"});
}

}  // namespace vuvide
