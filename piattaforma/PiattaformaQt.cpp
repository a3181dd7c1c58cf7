// The desktop side of the seam.
#include "PiattaformaQt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "Identita.h"

std::unique_ptr<QFileDialog> PiattaformaQt::Dialogo(QWidget* padre, const QString& filtro,
                                                    int indice) const {
  auto dialogo = std::make_unique<QFileDialog>(padre);
  // Qt's own dialog speaks the program's language on every
  // desktop, and scripts can drive it.
  dialogo->setOption(QFileDialog::DontUseNativeDialog);
  dialogo->setAcceptMode(QFileDialog::AcceptOpen);
  dialogo->setFileMode(QFileDialog::ExistingFile);
  const QStringList filtri = FiltriQt(filtro);
  dialogo->setNameFilters(filtri);
  if (indice >= 1 && indice <= filtri.size()) dialogo->selectNameFilter(filtri[indice - 1]);
  if (!ultimaCartella_.isEmpty()) dialogo->setDirectory(ultimaCartella_);
  return dialogo;
}

std::optional<QString> PiattaformaQt::ApriFile(QWidget* padre, const QString& filtro, int indice) {
  const std::unique_ptr<QFileDialog> dialogo = Dialogo(padre, filtro, indice);
  if (dialogo->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList scelti = dialogo->selectedFiles();
  if (scelti.isEmpty()) return std::nullopt;
  ultimaCartella_ = QFileInfo(scelti.first()).absolutePath();
  return scelti.first();
}

std::unique_ptr<QMessageBox> PiattaformaQt::Scatola(QWidget* padre, const QString& testo) {
  QString righe = testo;
  righe.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString::fromUtf8(Identita::Nome),
                                           righe, QMessageBox::Ok, padre);
  box->setTextFormat(Qt::PlainText);
  return box;
}

void PiattaformaQt::Messaggio(QWidget* padre, const QString& testo) {
  Scatola(padre, testo)->exec();
}

bool PiattaformaQt::ApriIndirizzo(const QUrl& indirizzo) {
  return QDesktopServices::openUrl(indirizzo);
}

void PiattaformaQt::DoEvents() {
  QCoreApplication::processEvents();
}
