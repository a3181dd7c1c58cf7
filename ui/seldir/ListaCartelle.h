// A directory list: the folders of the current path from the root down, each
// a way back up, then the current folder's subfolders. A double click (or
// Return) opens the folder under it and makes it the current path; a single
// click only highlights it.
#pragma once

#include <QListWidget>
#include <QString>

class ListaCartelle : public QListWidget {
  Q_OBJECT

 public:
  // What each row holds besides its caption: the folder's full path.
  static constexpr int RuoloPath = Qt::UserRole;

  explicit ListaCartelle(QWidget* parent = nullptr);

  // The folder opened last, absolute, with "/" between names.
  QString Path() const { return path_; }
  // Lists `cartella` and makes it the current path; a folder that cannot be
  // listed leaves everything as it was and gives false.
  bool setPath(const QString& cartella);

 signals:
  void PathCambiato(const QString& path);
  // A folder chosen in the list that cannot be read.
  void Illeggibile(const QString& cartella);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void Apri(const QListWidgetItem* riga);

  QString path_;
};
