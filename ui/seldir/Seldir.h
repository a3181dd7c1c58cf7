// The directory chooser: a drive list, a directory list and two buttons. It
// is opened over the main window, which is disabled meanwhile; "&Ok" hands
// the directory list's current path to whoever opened it, and every way out
// gives the main window back. Each opening is a new window (it deletes
// itself on closing), starting at the working directory.
#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "ListaCartelle.h"

class Seldir : public QWidget {
  Q_OBJECT

 public:
  // `principale` is the main window, enabled again on every way out.
  explicit Seldir(QWidget* principale);

  QComboBox* Drive1 = nullptr;
  ListaCartelle* Dir1 = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Annulla = nullptr;

 signals:
  // "&Ok": the folder chosen, as this platform writes it; sent after the
  // main window is enabled again and before the chooser closes.
  void Scelta(const QString& cartella);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Disponi();
  void ElencaUnita();
  // Selects in Drive1, without running its handler, the drive that holds
  // `path`.
  void MostraUnita(const QString& path);

  void Drive1_Change(int indice);
  void OK_Click();
  void Annulla_Click();
  void Illeggibile(const QString& testo);

  QWidget* principale_;
};
