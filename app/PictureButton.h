#pragma once
// A picture that acts as a button: it reports mouse moves, presses and releases, and
// raises its click when the mouse button comes up over it. Its picture state (0
// normal, 1 hover, 2 pressed) is kept in the "tag" property.
#include <QLabel>

namespace vuvide {

class PictureButton : public QLabel {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr);

  int tag() const;
  void setTag(int tag);

 signals:
  void mouseMoved();
  void mousePressed();
  // Emitted on release over the button, before mouseReleased.
  void clicked();
  void mouseReleased();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vuvide
