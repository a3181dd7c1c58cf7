// The path box that takes a dropped file.
#include "CasellaPercorso.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

CasellaPercorso::CasellaPercorso(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setAcceptDrops(true);
}

std::optional<QString> CasellaPercorso::FileSolo(const QMimeData* dati) {
  if (!dati || !dati->hasUrls()) return std::nullopt;
  const QList<QUrl> indirizzi = dati->urls();
  if (indirizzi.size() != 1 || !indirizzi.first().isLocalFile()) return std::nullopt;
  const QString path = indirizzi.first().toLocalFile();
  // A folder, or a name that is no longer there, is nothing the dialog
  // would return either.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  return path;
}

bool CasellaPercorso::Prende(QDropEvent* evento) const {
  // The file stays where it is: a drag that could only move it is refused,
  // since the file manager deletes what it takes for moved. A disabled box
  // takes nothing, however the event reaches it.
  const Qt::DropActions azioni = evento->possibleActions();
  const Qt::DropAction azione = azioni & Qt::CopyAction   ? Qt::CopyAction
                                : azioni & Qt::LinkAction ? Qt::LinkAction
                                                          : Qt::IgnoreAction;
  if (!isEnabled() || azione == Qt::IgnoreAction || !FileSolo(evento->mimeData())) {
    evento->ignore();
    return false;
  }
  evento->setDropAction(azione);
  evento->accept();
  return true;
}

// Qt's own handling would put the address into the box as text: none of it
// runs here.
void CasellaPercorso::dragEnterEvent(QDragEnterEvent* evento) {
  Prende(evento);
}

void CasellaPercorso::dragMoveEvent(QDragMoveEvent* evento) {
  Prende(evento);
}

void CasellaPercorso::dropEvent(QDropEvent* evento) {
  if (!Prende(evento)) return;
  emit FileLasciato(*FileSolo(evento->mimeData()));
}
