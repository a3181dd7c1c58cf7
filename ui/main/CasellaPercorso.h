// A read-only box that shows a chosen file's path and takes a file dropped
// from the file manager: one local file, as a copy or a link, never a
// folder, several files or a remote address, and nothing while the box is
// disabled. A drop never writes the box itself; it is handed to the tab,
// which chooses the file as its dialog would.
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;

class CasellaPercorso : public QLineEdit {
  Q_OBJECT

 public:
  explicit CasellaPercorso(QWidget* parent = nullptr);

 signals:
  // A file was dropped on the box.
  void FileLasciato(const QString& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dragMoveEvent(QDragMoveEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;

 private:
  // The one local file that `dati` carries, or nothing.
  static std::optional<QString> FileSolo(const QMimeData* dati);
  // Accepts `evento` when the box takes what it carries, else ignores it.
  bool Prende(QDropEvent* evento) const;
};

// How a tab's file is chosen: by the file dialog, nothing on Cancel, or by a
// drop. Whatever chooses it, the handler goes the same way from there.
using SceltaFile = std::function<std::optional<QString>()>;
