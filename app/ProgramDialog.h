#pragma once
// Base of the program's dialogs: a top-level window with a fixed client size, created
// hidden at start-up and living until the program ends. Shown, it is centred over the
// main window and disables it; closed by any means, it enables it again. The dialog
// is not modal: nothing waits for it.
//
// The dialog is deliberately not a child of the main window: a disabled parent would
// disable it too.
#include <QWidget>

namespace vuvide {

class TMainForm;

class ProgramDialog : public QWidget {
  Q_OBJECT
 public:
  ProgramDialog(TMainForm& mainForm, const QString& caption, int clientWidth, int clientHeight);

  TMainForm& mainForm() { return main_; }

 protected:
  // Hooks for the dialog's own show and close handling; the base already disables and
  // enables the main window.
  virtual void FormShow() {}
  virtual void FormClose() {}

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TMainForm& main_;
};

}  // namespace vuvide
