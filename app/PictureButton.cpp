#include "app/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vuvide {

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);  // reachable from the keyboard: Space or Enter clicks
  setCursor(Qt::PointingHandCursor);
  setTag(0);
}

int PictureButton::tag() const {
  return property("tag").toInt();
}
void PictureButton::setTag(int tag) {
  setProperty("tag", tag);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  QLabel::mouseMoveEvent(event);
}

// Any mouse button changes the picture; only the left one clicks.
void PictureButton::mousePressEvent(QMouseEvent* event) {
  emit mousePressed();
  event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  emit mouseReleased();
  event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace vuvide
