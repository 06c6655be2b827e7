// The main window's picture buttons (Start, Stop) and the buttons that choose or open
// the output file and open the help file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/MainForm.h"
#include "app/PathRoutines.h"
#include "app/PictureButton.h"
#include "app/Skin.h"

namespace vuvide {

namespace {
enum PictureState { kNormal = 0, kHover = 1, kPressed = 2 };

// The first line of the job view: title, file, then the two times, right-aligned in
// the panel. The places of the layout suit a narrow 8-point face; with a wider one the
// time captions would run into their values, so the times are placed by the width of
// their texts in the font at hand, and the file name gives up what room they need.
void FitJobViewFirstLine(QWidget* panel, QLabel* file, QLabel* elapsed, QLabel* remaining) {
  auto* elapsedCaption = panel->findChild<QLabel*>("labElapsedCaption");
  auto* remainingCaption = panel->findChild<QLabel*>("labRemainingCaption");
  if (!elapsedCaption || !remainingCaption) return;
  const QFontMetrics metrics(elapsed->font());
  const int valueWidth = metrics.horizontalAdvance("000:00:00") + 2;
  constexpr int kGap = 4, kGroupGap = 10, kRightMargin = 6;
  int right = panel->width() - kRightMargin;
  const auto placeLeftOf = [&right](QLabel* label, int width, int gap) {
    label->setGeometry(right - width, label->y(), width, label->height());
    right -= width + gap;
  };
  placeLeftOf(remaining, valueWidth, kGap);
  remainingCaption->adjustSize();
  placeLeftOf(remainingCaption, remainingCaption->width(), kGroupGap);
  placeLeftOf(elapsed, valueWidth, kGap);
  elapsedCaption->adjustSize();
  placeLeftOf(elapsedCaption, elapsedCaption->width(), kGroupGap);
  file->resize(std::min(file->width(), right - file->x()), file->height());
  // Captions as high as the values and bars beside them, so their texts share a line.
  for (QLabel* caption : {elapsedCaption, remainingCaption})
    caption->resize(caption->width(), elapsed->height());
  for (const char* name : {"labCurrentCaption", "labTotalCaption"})
    if (auto* caption = panel->findChild<QLabel*>(name)) caption->resize(caption->width(), 17);
}

void Draw(PictureButton* button, const std::array<QPixmap, 3>& pictures, int state) {
  button->setPixmap(pictures[static_cast<size_t>(state)]);
  button->setTag(state);
}

}  // namespace

void TMainForm::LoadArtwork() {
  // Toolbar: a navy band with white glyphs over white captions.
  PaintArtworkBehind(panToolbar, "toolbar-back");
  const std::array<std::pair<QToolButton*, const char*>, 5> toolbar{{{tbtnAddFile, "add-files"},
                                                                     {tbtnAddDir, "add-dir"},
                                                                     {tbtnSetting, "settings"},
                                                                     {tbtnAbout, "about"},
                                                                     {tbtnHelp, "help"}}};
  // A 38-pixel button has no room for a legible glyph above its caption: the glyph
  // stands beside it.
  for (const auto& [button, glyph] : toolbar) {
    button->setIcon(ArtworkIcon(glyph));
    button->setIconSize(QSize(22, 22));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
  // List bar under the task list.
  const std::array<std::pair<QToolButton*, const char*>, 4> listBar{
      {{tbtnRemove, "delete"}, {tbtnClear, "clear"}, {tbtnUp, "up"}, {tbtnDown, "down"}}};
  for (const auto& [button, glyph] : listBar) {
    button->setIcon(ArtworkIcon(glyph));
    button->setIconSize(QSize(16, 16));
  }
  // The navy frame around the task list, and the bottom bar.
  PaintArtworkBehind(panLeft, "border-left");
  PaintArtworkBehind(panRight, "border-right");
  PaintArtworkBehind(panBottomCenter, "bottom-setup");
  PaintArtworkBehind(panBottomLeft, "bottom-job");
  FitJobViewFirstLine(panBottomLeft, labConvertingFile, labElapsed, labRemaining);
  // The filler only stretches: its picture must not ask for room of its own.
  imgBottomBack->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  imgBottomBack->setPixmap(RenderArtworkFor(imgBottomBack, "bottom-stretch", QSize(20, 77)));
  Image9->setPixmap(RenderArtworkFor(Image9, "logo-back", Image9->size()));
  // Start and Stop: normal, hover and pressed.
  const QSize buttonSize(133, 65);
  ImageList4 = {RenderArtworkFor(imgStart, "start-normal", buttonSize),
                RenderArtworkFor(imgStart, "start-hover", buttonSize),
                RenderArtworkFor(imgStart, "start-pressed", buttonSize)};
  ImageList5 = {RenderArtworkFor(imgStop, "stop-normal", buttonSize),
                RenderArtworkFor(imgStop, "stop-hover", buttonSize),
                RenderArtworkFor(imgStop, "stop-pressed", buttonSize)};
  Draw(imgStart, ImageList4, imgStart->tag());
  Draw(imgStop, ImageList5, imgStop->tag());
  // The welcome panel covers the list between the two side borders; its picture is
  // opaque, and the illustration sits on its left beside the three steps.
  panltvTask->move(panLeft->width(), 0);
  Image12->setPixmap(RenderArtworkFor(Image12, "welcome-back", Image12->size()));
  Image13->setGeometry(24, 44, 370, 300);
  Image13->setPixmap(RenderArtworkFor(Image13, "welcome-picture", Image13->size()));
  Image12->setAccessibleName("Welcome");
  Image12->setAccessibleDescription(
      "Join several videos into one, in three steps: add your videos, choose the output, "
      "press Start.");
  Image13->setAccessibleName("Three videos joined into one");
  for (QLabel* picture : {Image9, imgBottomBack, Image12, Image13}) KeepPictureColours(picture);
  Image9->setAccessibleName("Image9");
  imgBottomBack->setAccessibleName("imgBottomBack");
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

void TMainForm::imgStartMouseMove() {
  PictureMouseMove(imgStart, ImageList4);
}
void TMainForm::imgStartMouseDown() {
  PictureMouseDown(imgStart, ImageList4);
}
void TMainForm::imgStartMouseUp() {
  PictureMouseUp(imgStart, ImageList4);
}
void TMainForm::imgStopMouseMove() {
  PictureMouseMove(imgStop, ImageList5);
}
void TMainForm::imgStopMouseDown() {
  PictureMouseDown(imgStop, ImageList5);
}
void TMainForm::imgStopMouseUp() {
  PictureMouseUp(imgStop, ImageList5);
}

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

void TMainForm::tbtnHelpClick() {
  shell_.shellOpen(this, QString::fromStdString(HelpFile));
}

}  // namespace vuvide
