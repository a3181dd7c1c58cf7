// The main window by keyboard alone: Ctrl+Tab and Ctrl+Shift+Tab turn the
// tabs from wherever the focus is, the focus then going to the new page's
// first control; and while the unseen exit button holds the focus, the
// status line says what Enter does there.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QPushButton;
class QTabWidget;
class RigaStato;

class Tastiera : public QObject {
  Q_OBJECT

 public:
  // Lives as long as `finestra`, its parent.
  Tastiera(QWidget* finestra, QTabWidget* schede, QPushButton* esci, RigaStato* stato);

  // Makes the tab `passo` places on (negative: back, round the end)
  // current and gives the focus to its page.
  void Gira(int passo);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  QWidget* PrimoControllo() const;
  void Ritorna();

  QWidget* finestra_;
  QTabWidget* schede_;
  QPushButton* esci_;
  RigaStato* stato_;
  QPointer<QWidget> ultimo_;  // the last control of the window with the focus
};
