#include "about/AboutForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "about/ProgramInfo.h"
#include "app/MainForm.h"
#include "app/Skin.h"

namespace vuvide {

namespace {

constexpr int kClientWidth = 476;
constexpr int kClientHeight = 330;
// labProgramName keeps its right edge here whatever the width of its text.
constexpr int kProgramNameRight = 460;
// Link labels keep a small margin inside, so their focus frame does not touch the
// text; they are placed that much up and left, so the text stands where it belongs.
constexpr int kLinkMarginX = 2;
constexpr int kLinkMarginY = 1;
// The least gap between a caption and the link that follows it on the same line.
constexpr int kCaptionGap = 4;

QLabel* NewLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

// Sets a label's text, sizes the label to it and places its text at (left, top).
void Place(QLabel* label, const QString& text, int left, int top) {
  label->setText(text);
  label->setAccessibleName(text);
  label->adjustSize();
  const QMargins margins = label->contentsMargins();
  label->move(left - margins.left(), top - margins.top());
}

// The left edge for a label that the layout puts at `left` on the same line as
// `caption`: moved right when the caption's text is wider than the layout allowed for.
int After(const QLabel* caption, int left) {
  return std::max(left, caption->geometry().right() + 1 + kCaptionGap);
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent, const char* name, bool underlined) : QLabel(parent) {
  setObjectName(name);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setContentsMargins(kLinkMarginX, kLinkMarginY, kLinkMarginX, kLinkMarginY);
  setStyleSheet("color: #1A5FB4;");
  QFont linkFont = font();
  linkFont.setUnderline(underlined);
  setFont(linkFont);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // The focus frame is drawn here rather than by the style, which shows it only after
  // some keyboard use: a link that has the focus must always say so.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x2A, 0x72, 0xBD), 1, Qt::DotLine));
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

TAboutForm::TAboutForm(TMainForm& mainForm)
    : ProgramDialog(mainForm, "About", kClientWidth, kClientHeight) {
  setObjectName("TAboutForm");
  setAccessibleName("About");
  QFont dialogFont("MS Sans Serif");
  dialogFont.setPointSize(8);
  setFont(dialogFont);

  Image1 = NewLabel(this, "Image1");
  Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
  Image1->setPixmap(RenderArtworkFor(this, "about-back", Image1->size()));
  Image1->setAccessibleName("About");

  labProgramName = NewLabel(this, "labProgramName");
  QFont nameFont("Verdana");
  nameFont.setPixelSize(17);
  nameFont.setBold(true);
  nameFont.setItalic(true);
  labProgramName->setFont(nameFont);
  labVersion = NewLabel(this, "labVersion");
  labCopyright = NewLabel(this, "labCopyright");
  labVisitWebsite = NewLabel(this, "labVisitWebsite");
  labWebsite = new LinkLabel(this, "labWebsite", true);
  Label7 = NewLabel(this, "Label7");
  labMore = new LinkLabel(this, "labMore", false);
  Label8 = new LinkLabel(this, "Label8", false);
  Label9 = new LinkLabel(this, "Label9", false);
  Label10 = new LinkLabel(this, "Label10", false);

  btnOK = new QPushButton("&OK", this);
  btnOK->setObjectName("btnOK");
  btnOK->setAccessibleName("OK");
  btnOK->setGeometry(376, 284, 75, 25);
  btnOK->setAutoDefault(true);
  btnOK->setDefault(true);

  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(labWebsite, &LinkLabel::clicked, this, [this] { labWebsiteClick(); });
  connect(labMore, &LinkLabel::clicked, this, [this] { labMoreClick(); });
  connect(Label8, &LinkLabel::clicked, this, [this] { Label8Click(); });
  connect(Label9, &LinkLabel::clicked, this, [this] { Label9Click(); });
  connect(Label10, &LinkLabel::clicked, this, [this] { Label10Click(); });

  FormCreate();

  // Keyboard order: the links from top to bottom, then OK.
  setTabOrder(labWebsite, labMore);
  setTabOrder(labMore, Label8);
  setTabOrder(Label8, Label9);
  setTabOrder(Label9, Label10);
  setTabOrder(Label10, btnOK);
}

void TAboutForm::FormCreate() {
  const ProgramInfo& info = mainForm().Info;
  Place(labProgramName, QString::fromStdString(info.productName), 0, 21);
  labProgramName->move(kProgramNameRight - labProgramName->width(), 21);
  Place(labVersion, QString::fromStdString("Version " + mainForm().VersionText), 400, 48);
  Place(labCopyright, QString::fromStdString(CopyrightText(info)), 112, 112);

  Place(labVisitWebsite, "Visit our website", 40, 166);
  Place(labWebsite, QString::fromStdString(info.webSite), After(labVisitWebsite, 120), 166);
  labWebsite->setAccessibleDescription("Opens our website in your web browser");

  Place(Label7, "More video converting softwares", 38, 195);
  Place(labMore, "(More)", After(Label7, 198), 195);
  labMore->setAccessibleName("More video converting softwares");
  labMore->setAccessibleDescription("Opens our website in your web browser");

  const std::array<LinkLabel*, 3> products{Label8, Label9, Label10};
  const std::array<int, 3> tops{214, 230, 246};
  for (size_t i = 0; i < products.size(); ++i) {
    Place(products[i], QString::fromStdString(info.otherProducts[i].name), 38, tops[i]);
    products[i]->setAccessibleDescription("Opens the product's web page in your web browser");
  }
}

void TAboutForm::FormShow() {
  btnOK->setFocus(Qt::OtherFocusReason);
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  ProgramDialog::keyPressEvent(event);
}

void TAboutForm::btnOKClick() {
  close();
}

void TAboutForm::OpenAddress(const std::string& address) {
  mainForm().shell().shellOpen(this, QString::fromStdString(address));
}

void TAboutForm::labWebsiteClick() {
  OpenAddress(labWebsite->text().toStdString());
}
void TAboutForm::labMoreClick() {
  OpenAddress(mainForm().Info.webSite);
}
void TAboutForm::Label8Click() {
  OpenAddress(mainForm().Info.otherProducts[0].page);
}
void TAboutForm::Label9Click() {
  OpenAddress(mainForm().Info.otherProducts[1].page);
}
void TAboutForm::Label10Click() {
  OpenAddress(mainForm().Info.otherProducts[2].page);
}

}  // namespace vuvide
