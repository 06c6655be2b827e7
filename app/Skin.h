#pragma once
// The program's one built-in skin and its artwork.
//
// The skin is a palette and a style sheet over the Fusion style, applied once to the
// whole application at start-up, so every window and every standard dialog of the
// program is drawn the same way. The flat toolbar and list bar buttons carry the tag
// value 9999 and are left out of it: the style sheet gives them their own flat look.
//
// The artwork lives as SVG files in the program's resources (":/artwork/<name>.svg").
// Pictures are rendered at the screen's device pixel ratio, so they stay crisp on
// high-density screens.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class QApplication;
class QLabel;
class QWidget;

namespace vuvide {

// The tag value of the buttons that the skin leaves alone.
inline constexpr int kUnskinnedTag = 9999;

// Applies the skin (style, palette, fonts, style sheet, window icon) to the application.
void ApplySkin(QApplication& application);

// The skin's style sheet, as applied by ApplySkin.
QString SkinStyleSheet();

// Makes sure the artwork resources are registered (they live in a static library).
void InitArtwork();

// The resource path of an artwork file: ":/artwork/" + name + ".svg".
QString ArtworkPath(const QString& name);

// Every artwork file in the resources, by name without ".svg".
QStringList ArtworkNames();

// The artwork rendered at size (in device-independent pixels) for the given device
// pixel ratio; the picture carries that ratio. Empty when the file cannot be read.
QPixmap RenderArtwork(const QString& name, QSize size, qreal devicePixelRatio);

// The artwork rendered for a widget's screen.
QPixmap RenderArtworkFor(const QWidget* widget, const QString& name, QSize size);

// An icon drawn from the artwork at whatever size and ratio it is asked for.
QIcon ArtworkIcon(const QString& name);

// A decorative picture keeps its colours while its window is disabled (a label would
// otherwise grey its picture out, as it does for a disabled control).
void KeepPictureColours(QLabel* picture);

// Paints the artwork behind the widget's own drawing, stretched to the widget's size,
// on every repaint (so it follows resizing and the screen's pixel ratio).
void PaintArtworkBehind(QWidget* widget, const QString& name);

}  // namespace vuvide
