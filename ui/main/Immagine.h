// A picture scaled into its box that reports a click, like a link.
#pragma once

#include <QLabel>

class Immagine : public QLabel {
  Q_OBJECT

 public:
  explicit Immagine(QWidget* parent = nullptr);

 signals:
  // A press and release of the left button over the picture.
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  bool premuto_ = false;
};
