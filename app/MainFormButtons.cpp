// The main window's picture buttons (Start, Stop) and the buttons that choose or open
// the output file and open the help file.
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "app/PictureButton.h"

namespace vuvide {

namespace {
enum PictureState { kNormal = 0, kHover = 1, kPressed = 2 };

void Draw(PictureButton* button, const std::array<QPixmap, 3>& pictures, int state) {
  button->setPixmap(pictures[static_cast<size_t>(state)]);
  button->setTag(state);
}

// Plain looks used until the artwork is loaded.
QPixmap PlainLook(const QString& text, QColor colour) {
  QPixmap pixmap(133, 65);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(colour);
  painter.setPen(colour.darker(140));
  painter.drawRoundedRect(QRectF(4, 6, 125, 53), 12, 12);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPixelSize(20);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
  return pixmap;
}
}  // namespace

void TMainForm::LoadArtwork() {
  const QColor start(46, 139, 87), stop(196, 58, 48);
  ImageList4 = {PlainLook("Start", start), PlainLook("Start", start.lighter(120)),
                PlainLook("Start", start.darker(120))};
  ImageList5 = {PlainLook("Stop", stop), PlainLook("Stop", stop.lighter(120)),
                PlainLook("Stop", stop.darker(120))};
  Draw(imgStart, ImageList4, kNormal);
  Draw(imgStop, ImageList5, kNormal);
}

void TMainForm::ConnectButtons() {
  LoadArtwork();
  connect(imgStart, &PictureButton::mouseMoved, this, [this] { imgStartMouseMove(); });
  connect(imgStart, &PictureButton::mousePressed, this, [this] { imgStartMouseDown(); });
  connect(imgStart, &PictureButton::clicked, this, [this] { imgStartClick(); });
  connect(imgStart, &PictureButton::mouseReleased, this, [this] { imgStartMouseUp(); });
  connect(imgStop, &PictureButton::mouseMoved, this, [this] { imgStopMouseMove(); });
  connect(imgStop, &PictureButton::mousePressed, this, [this] { imgStopMouseDown(); });
  connect(imgStop, &PictureButton::clicked, this, [this] { imgStopClick(); });
  connect(imgStop, &PictureButton::mouseReleased, this, [this] { imgStopMouseUp(); });
  connect(bbtnBrowser, &QPushButton::clicked, this, [this] { bbtnBrowserClick(); });
  connect(bbtnOpen, &QPushButton::clicked, this, [this] { bbtnOpenClick(); });
  connect(tbtnHelp, &QToolButton::clicked, this, [this] { tbtnHelpClick(); });
}

void TMainForm::PictureMouseMove(PictureButton* button, const std::array<QPixmap, 3>& pictures) {
  if (button->tag() == kNormal) Draw(button, pictures, kHover);
}

void TMainForm::PictureMouseDown(PictureButton* button, const std::array<QPixmap, 3>& pictures) {
  if (button->tag() != kPressed) Draw(button, pictures, kPressed);
}

void TMainForm::PictureMouseUp(PictureButton* button, const std::array<QPixmap, 3>& pictures) {
  if (button->tag() == kPressed) Draw(button, pictures, kHover);
}

void TMainForm::imgStartMouseMove() { PictureMouseMove(imgStart, ImageList4); }
void TMainForm::imgStartMouseDown() { PictureMouseDown(imgStart, ImageList4); }
void TMainForm::imgStartMouseUp() { PictureMouseUp(imgStart, ImageList4); }
void TMainForm::imgStopMouseMove() { PictureMouseMove(imgStop, ImageList5); }
void TMainForm::imgStopMouseDown() { PictureMouseDown(imgStop, ImageList5); }
void TMainForm::imgStopMouseUp() { PictureMouseUp(imgStop, ImageList5); }

void TMainForm::Image1MouseMove() {
  if (imgStart->isVisible() && imgStart->tag() != kNormal) Draw(imgStart, ImageList4, kNormal);
  if (imgStop->isVisible() && imgStop->tag() != kNormal) Draw(imgStop, ImageList5, kNormal);
}

void TMainForm::bbtnBrowserClick() {
  if (const auto chosen = shell_.saveFile(this, SaveDialog1)) edtOutputFile->setText(*chosen);
}

void TMainForm::bbtnOpenClick() {
  const std::string name = edtOutputFile->text().toStdString();
  if (FileExists(name)) {
    shell_.shellOpen(this, QString::fromStdString(name));
  } else if (const std::string folder = ExtractFilePath(name); DirectoryExists(folder)) {
    shell_.shellOpen(this, QString::fromStdString(folder));
  }
}

void TMainForm::tbtnHelpClick() { shell_.shellOpen(this, QString::fromStdString(HelpFile)); }

}  // namespace vuvide
