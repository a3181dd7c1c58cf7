// The "Crypt" tab's offer for a picture that cannot take a hide as it is (a
// photo, a screenshot, a bitmap of another kind): a carrier copy made by the
// engine's converter, saved where the user says, which then becomes the
// carrier as if chosen with "&Apri...". Nothing is written without a yes
// and a name, and never over a file.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <exception>
#include <new>

#include "Codici.h"
#include "Conversione.h"
#include "Diagnosi.h"
#include "Frase.h"
#include "Operazioni.h"
#include "Piattaforma.h"
#include "TabCrypt.h"

namespace {

QString Domanda(const QString& file, const Crypta::Diagnosi& d) {
  return QCoreApplication::translate(
             "TabCrypt",
             "\"%1\" è un'immagine %2 di %3 × %4 pixel, che così non può fare da "
             "bitmap di appoggio.\r\nCreare una bitmap di appoggio dall'immagine?")
      .arg(QFileInfo(file).fileName(), QString::fromStdString(d.formato))
      .arg(d.larghezza)
      .arg(d.altezza);
}

// Beside the picture, or in the home folder when the picture's folder does
// not take new files.
QString Proposto(const QString& file) {
  const QString accanto = QString::fromUtf8(Crypta::NomeBitmap(Codici::Percorso(file)).c_str());
  if (QFileInfo(QFileInfo(file).absolutePath()).isWritable()) return accanto;
  const QString nome = QFileInfo(accanto).fileName();
  const QString casa = QDir::home().filePath(nome);
  return QFileInfo::exists(casa)
             ? QString::fromUtf8(Crypta::NomeBitmap(Codici::Percorso(casa)).c_str())
             : casa;
}

}  // namespace

std::optional<QString> TabCrypt::Converti(const QString& file) {
  const std::string path = Codici::Percorso(file);
  const Crypta::Analisi a = Crypta::Analizza(path, nbit_);
  // A carrier that takes a hide, or a file that cannot be read at all: the
  // panel goes the design's way with it.
  if (a.esito == Crypta::Analisi::Esito::Illeggibile || (a.Accettata() && !a.Compressa()))
    return file;
  const Crypta::Diagnosi d = Crypta::Diagnostica(path, a);
  if (!d.convertibile) return file;
  Piattaforma& p = Piattaforma::Attuale();
  if (!p.Domanda(window(), Domanda(file, d))) return std::nullopt;

  QString proposto = Proposto(file);
  for (;;) {
    const std::optional<QString> scelto = p.SalvaFile(window(), tr("Salva la bitmap di appoggio"),
                                                      proposto, Piattaforma::FileBitmap());
    if (!scelto) return std::nullopt;
    if (QFileInfo::exists(*scelto) || QFileInfo(*scelto).isSymLink()) {
      p.Messaggio(window(),
                  tr("Il file \"%1\" esiste già e non viene sostituito: scegliere un altro nome.")
                      .arg(*scelto));
      proposto = *scelto;
      continue;
    }
    std::optional<QString> errore;
    emit Stato(tr("Creazione della bitmap di appoggio in corso…"));
    try {
      Frase::Attendi([&] { Crypta::Converti(path, Codici::Percorso(*scelto)); });
    } catch (const std::bad_alloc&) {
      errore = tr("Memoria insufficiente.");
    } catch (const std::exception& e) {
      errore = QString::fromUtf8(e.what());
    }
    if (errore) {
      emit Stato(QString());
      p.Messaggio(window(), tr("Impossibile creare la bitmap di appoggio.\r\n%1").arg(*errore));
      return std::nullopt;
    }
    emit Stato(tr("Bitmap di appoggio creata: %1").arg(*scelto));
    return *scelto;
  }
}
