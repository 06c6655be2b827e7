#pragma once
// The About box: product name, version, copyright and the maker's links.
#include <QLabel>

#include "app/ProgramDialog.h"

class QPushButton;

namespace vuvide {

// A label that acts as a web link: blue, a pointing hand under the mouse, reachable
// with Tab and opened by a click, Enter or Space.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(QWidget* parent, const char* name, bool underlined);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

class TAboutForm : public ProgramDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(TMainForm& mainForm);

  QLabel* Image1 = nullptr;
  QLabel* labProgramName = nullptr;
  QLabel* labVersion = nullptr;
  QLabel* labCopyright = nullptr;
  QLabel* labVisitWebsite = nullptr;
  LinkLabel* labWebsite = nullptr;
  QLabel* Label7 = nullptr;
  LinkLabel* labMore = nullptr;
  LinkLabel* Label8 = nullptr;
  LinkLabel* Label9 = nullptr;
  LinkLabel* Label10 = nullptr;
  QPushButton* btnOK = nullptr;

  // Fills the labels from the product identity and the version, once.
  void FormCreate();
  void btnOKClick();
  void labWebsiteClick();
  void labMoreClick();
  void Label8Click();
  void Label9Click();
  void Label10Click();

 protected:
  void FormShow() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OpenAddress(const std::string& address);
};

}  // namespace vuvide
