// The clickable picture.
#include "Immagine.h"

#include <QMouseEvent>

Immagine::Immagine(QWidget* parent) : QLabel(parent) {
  setScaledContents(true);
}

void Immagine::mousePressEvent(QMouseEvent* evento) {
  premuto_ = evento->button() == Qt::LeftButton;
  evento->accept();
}

void Immagine::mouseReleaseEvent(QMouseEvent* evento) {
  // Releasing outside the picture takes the click back.
  const bool click = premuto_ && evento->button() == Qt::LeftButton &&
                     rect().contains(evento->position().toPoint());
  premuto_ = false;
  evento->accept();
  if (click) emit Click();
}
