#include "app/ProgramDialog.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "app/MainForm.h"

namespace vuvide {

ProgramDialog::ProgramDialog(TMainForm& mainForm, const QString& caption, int clientWidth,
                             int clientHeight)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      main_(mainForm) {
  setWindowTitle(caption);
  setFixedSize(clientWidth, clientHeight);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAttribute(Qt::WA_QuitOnClose, false);
}

void ProgramDialog::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  const QRect owner = main_.frameGeometry();
  move(owner.center() - QPoint(width() / 2, height() / 2));
  main_.setEnabled(false);
  FormShow();
}

void ProgramDialog::closeEvent(QCloseEvent* event) {
  main_.setEnabled(true);
  FormClose();
  event->accept();
}

}  // namespace vuvide
