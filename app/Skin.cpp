#include "app/Skin.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QFont>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QWidget>
#include <memory>

// Registers the compiled resource file. Q_INIT_RESOURCE must stand outside any
// namespace; the resources sit in a static library, whose unreferenced objects the
// linker would otherwise drop.
static void RegisterArtworkResources() {
  Q_INIT_RESOURCE(artwork);
}

namespace vuvide {

namespace {

// The skin's colours: a navy frame, white and light-blue working areas.
constexpr const char* kStyleSheet = R"(
QToolTip {
  color: #FFFFFF; background: #12335B; border: 1px solid #0C2441; padding: 3px;
}

/* Push buttons: light, with a blue edge. */
QPushButton {
  color: #12335B;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #DAE6F3);
  border: 1px solid #7F9DC0; border-radius: 4px; padding: 2px 10px; min-height: 17px;
}
QPushButton:hover {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #CBE0F7);
  border-color: #3A8FDB;
}
QPushButton:pressed, QPushButton:checked {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #C3D8EF, stop:1 #E2ECF7);
  border-color: #2A72BD;
}
QPushButton:focus { border: 1px solid #2A72BD; }
QPushButton:default { border: 2px solid #2A72BD; }
QPushButton:disabled { color: #93A5B8; background: #EEF2F6; border-color: #C4D0DC; }

/* Edit boxes, choosers and number boxes. */
QLineEdit, QComboBox, QSpinBox, QDoubleSpinBox {
  color: #14243A; background: #FFFFFF;
  border: 1px solid #8FAACB; border-radius: 3px;
  selection-background-color: #2A72BD; selection-color: #FFFFFF;
}
QLineEdit, QSpinBox, QDoubleSpinBox { padding: 1px 4px; }
QComboBox { padding: 1px 22px 1px 5px; }
QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QDoubleSpinBox:focus { border-color: #2A72BD; }
QLineEdit:disabled, QComboBox:disabled, QSpinBox:disabled, QDoubleSpinBox:disabled {
  color: #8797A8; background: #F1F4F7; border-color: #C4D0DC;
}
QLineEdit[readOnly="true"] { background: #F4F7FB; }
QComboBox:!editable:hover { border-color: #3A8FDB; }
QComboBox::drop-down {
  subcontrol-origin: padding; subcontrol-position: center right; width: 18px;
  border-left: 1px solid #C8D7E8; border-top-right-radius: 3px; border-bottom-right-radius: 3px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #E3ECF6);
}
QComboBox::down-arrow { image: url(:/artwork/combo-arrow.svg); width: 10px; height: 6px; }
QComboBox::down-arrow:disabled { image: url(:/artwork/combo-arrow-disabled.svg); }
QComboBox QAbstractItemView {
  background: #FFFFFF; border: 1px solid #7F9DC0; outline: 0;
  selection-background-color: #2A72BD; selection-color: #FFFFFF;
}

/* Group boxes: a blue outline with a navy title. */
QGroupBox {
  border: 1px solid #A9C1DD; border-radius: 5px; margin-top: 8px; padding-top: 4px;
}
QGroupBox::title {
  subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px;
  color: #1D4A7C; font-weight: bold;
}

/* Progress bars: a light track with a green fill, like the Start button. */
QProgressBar {
  border: 1px solid #0C2441; border-radius: 3px; background: #E6EEF7;
  color: #12335B; text-align: center;
}
QProgressBar::chunk {
  border-radius: 2px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5FD892, stop:0.5 #2FA863, stop:1 #1F8A4E);
}

/* The task list sits in the navy frame; no frame of its own. */
QTreeView#ltvTask {
  border: 0; qproperty-alternatingRowColors: true; alternate-background-color: #F3F8FD;
}
QTreeView#ltvTask::item { padding: 3px 2px; }
QHeaderView::section {
  color: #12335B; padding: 3px 3px;
  border: 0; border-right: 1px solid #D3DDE8; border-bottom: 1px solid #C3D1E0;
}

QMenu { background: #FFFFFF; border: 1px solid #7F9DC0; padding: 3px; }
QMenu::item { padding: 4px 22px 4px 18px; border-radius: 3px; color: #14243A; }
QMenu::item:selected { background: #2A72BD; color: #FFFFFF; }
QMenu::item:disabled { color: #A0AEBD; }
QMenu::separator { height: 1px; background: #D3DDE8; margin: 3px 6px; }

/* The product name on the welcome panel and in the About box. */
QLabel#labProgramName { color: #12335B; }

/* The bottom bar of the main window is navy: its labels are white. */
#panBottomCenter QLabel, #panBottomLeft QLabel { color: #FFFFFF; }

/* The strip across the top of the Settings dialog carries the frame's navy. */
#TSettingForm > QFrame#panMain {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1D4A7C, stop:1 #12335B);
  border-bottom: 1px solid #3A8FDB;
}

/* The list bar under the task list. */
#Panel2 {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #F6F9FD, stop:1 #DCE8F5);
  border-top: 1px solid #B4CCE6;
}

/* Flat buttons of the toolbar and the list bar (tag 9999): left out of the skin's
   button look, drawn flat. */
QToolButton[tag="9999"] {
  background: transparent; border: 1px solid transparent; border-radius: 4px;
  padding: 0 3px;
}
#panToolbar QToolButton[tag="9999"] { color: #FFFFFF; }
#panToolbar QToolButton[tag="9999"]:hover {
  background: rgba(255, 255, 255, 36); border-color: rgba(255, 255, 255, 70);
}
#panToolbar QToolButton[tag="9999"]:pressed {
  background: rgba(0, 0, 0, 60); border-color: rgba(255, 255, 255, 50);
}
#panToolbar QToolButton[tag="9999"]:focus { border-color: #7FC0FF; }
#panToolbar QToolButton[tag="9999"]:disabled { color: rgba(255, 255, 255, 110); }
#Panel2 QToolButton[tag="9999"] { color: #12335B; }
#Panel2 QToolButton[tag="9999"]:hover {
  background: rgba(42, 114, 189, 30); border-color: #9DBDE2;
}
#Panel2 QToolButton[tag="9999"]:pressed { background: rgba(42, 114, 189, 60); }
#Panel2 QToolButton[tag="9999"]:focus { border-color: #2A72BD; }
#Panel2 QToolButton[tag="9999"]:disabled { color: #9AAABB; }
)";

QPalette SkinPalette() {
  QPalette palette;
  const QColor window(0xEE, 0xF3, 0xF9);
  const QColor text(0x14, 0x24, 0x3A);
  const QColor navy(0x12, 0x33, 0x5B);
  const QColor highlight(0x2A, 0x72, 0xBD);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(0xF3, 0xF8, 0xFD));
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x9B, 0xAE));
  palette.setColor(QPalette::Button, QColor(0xE6, 0xEE, 0xF7));
  palette.setColor(QPalette::ButtonText, navy);
  palette.setColor(QPalette::BrightText, Qt::white);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, navy);
  palette.setColor(QPalette::ToolTipText, Qt::white);
  palette.setColor(QPalette::Link, QColor(0x1A, 0x5F, 0xB4));
  palette.setColor(QPalette::LinkVisited, QColor(0x5B, 0x3E, 0x9E));
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(0xDA, 0xE5, 0xF1));
  palette.setColor(QPalette::Mid, QColor(0xA9, 0xBD, 0xD3));
  palette.setColor(QPalette::Dark, QColor(0x7F, 0x9D, 0xC0));
  palette.setColor(QPalette::Shadow, QColor(0x0C, 0x24, 0x41));
  const QColor disabledText(0x93, 0xA5, 0xB8);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, disabledText);
  palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xA9, 0xBD, 0xD3));
  return palette;
}

// Paints an SVG behind a widget's own drawing, keeping one rendered picture for the
// widget's current size and pixel ratio.
class ArtworkBackground : public QObject {
 public:
  ArtworkBackground(QWidget* widget, const QString& name)
      : QObject(widget), widget_(widget), name_(name) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) {
      const qreal ratio = widget_->devicePixelRatioF();
      if (cache_.isNull() || cache_.deviceIndependentSize().toSize() != widget_->size() ||
          cache_.devicePixelRatio() != ratio)
        cache_ = RenderArtwork(name_, widget_->size(), ratio);
      QPainter painter(widget_);
      painter.drawPixmap(0, 0, cache_);
    }
    return false;
  }

 private:
  QWidget* widget_;
  QString name_;
  QPixmap cache_;
};

// Draws an artwork glyph at any size and pixel ratio; a disabled control shows it
// faded rather than grey, so it keeps the program's colours.
class ArtworkIconEngine : public QIconEngine {
 public:
  explicit ArtworkIconEngine(const QString& name) : name_(name) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    QSvgRenderer renderer(ArtworkPath(name_));
    if (mode != QIcon::Disabled) {
      painter->save();
      painter->setRenderHint(QPainter::Antialiasing);
      renderer.render(painter, QRectF(rect));
      painter->restore();
      return;
    }
    // Faded as a whole: overlapping shapes must not add up to a stronger colour.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage glyph(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
      QPainter glyphPainter(&glyph);
      glyphPainter.setRenderHint(QPainter::Antialiasing);
      renderer.render(&glyphPainter, QRectF(QPointF(), QSizeF(glyph.size())));
    }
    glyph.setDevicePixelRatio(ratio);
    painter->save();
    painter->setOpacity(0.4);
    painter->drawImage(rect, glyph);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(), pixmap.size()), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new ArtworkIconEngine(name_); }
  QString key() const override { return "vuvide-artwork"; }

 private:
  QString name_;
};

// Fusion, with the program's own message box signs and plain dialog buttons: the
// style's stock pictures would look foreign beside the artwork.
class SkinStyle : public QProxyStyle {
 public:
  SkinStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    switch (icon) {
      case SP_MessageBoxInformation:
        return ArtworkIcon("msg-information");
      case SP_MessageBoxQuestion:
        return ArtworkIcon("msg-question");
      case SP_MessageBoxWarning:
        return ArtworkIcon("msg-warning");
      case SP_MessageBoxCritical:
        return ArtworkIcon("msg-error");
      default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// Draws a label's picture itself, the same whether the label is enabled or not.
class UndimmedPicture : public QObject {
 public:
  explicit UndimmedPicture(QLabel* label) : QObject(label), label_(label) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != label_ || event->type() != QEvent::Paint) return false;
    const QPixmap picture = label_->pixmap();
    if (picture.isNull()) return false;
    QPainter painter(label_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (label_->hasScaledContents())
      painter.drawPixmap(label_->contentsRect(), picture);
    else
      painter.drawPixmap(label_->contentsRect().topLeft(), picture);
    return true;
  }

 private:
  QLabel* label_;
};

}  // namespace

void InitArtwork() {
  static const bool registered = [] {
    RegisterArtworkResources();
    return true;
  }();
  (void)registered;
}

QString SkinStyleSheet() {
  return QString::fromUtf8(kStyleSheet);
}

void ApplySkin(QApplication& application) {
  InitArtwork();
  QApplication::setStyle(new SkinStyle);
  QApplication::setPalette(SkinPalette());
  // The windows are laid out for an 8-point "MS Sans Serif"; where that font is not
  // installed, the closest sans-serif face that is stands in for it.
  QFont::insertSubstitutions("MS Sans Serif",
                             {"Microsoft Sans Serif", "Tahoma", "DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Bitstream Vera Sans"});
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
  application.setStyleSheet(SkinStyleSheet());
  QApplication::setWindowIcon(ArtworkIcon("vuvide"));
  QGuiApplication::setDesktopFileName("vuvide");
}

QString ArtworkPath(const QString& name) {
  return ":/artwork/" + name + ".svg";
}

QStringList ArtworkNames() {
  InitArtwork();
  QStringList names;
  QDirIterator files(":/artwork", {"*.svg"}, QDir::Files);
  while (files.hasNext()) names << files.nextFileInfo().completeBaseName();
  names.sort();
  return names;
}

QPixmap RenderArtwork(const QString& name, QSize size, qreal devicePixelRatio) {
  InitArtwork();
  QSvgRenderer renderer(ArtworkPath(name));
  if (!renderer.isValid() || size.isEmpty()) return {};
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

QPixmap RenderArtworkFor(const QWidget* widget, const QString& name, QSize size) {
  return RenderArtwork(name, size, widget ? widget->devicePixelRatioF() : qApp->devicePixelRatio());
}

QIcon ArtworkIcon(const QString& name) {
  InitArtwork();
  return QIcon(new ArtworkIconEngine(name));
}

void KeepPictureColours(QLabel* picture) {
  picture->installEventFilter(new UndimmedPicture(picture));
}

void PaintArtworkBehind(QWidget* widget, const QString& name) {
  widget->installEventFilter(new ArtworkBackground(widget, name));
}

}  // namespace vuvide
