// The reveal from the "Decrypt" tab: the carrier, the key and the target
// checked before the engine's reveal is called with an observer of this
// tab's own, and every failure turned into one message once the window takes
// input again.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <exception>
#include <new>
#include <optional>
#include <string>

#include "CasellaMultiriga.h"
#include "Codici.h"
#include "Crypta.h"
#include "Estrazione.h"
#include "Operazioni.h"
#include "TabDeCrypt.h"

namespace {

// Why the carrier cannot be read, or nothing when it can. The engine takes a
// carrier it cannot open for one without a payload; the user must hear the
// difference.
std::optional<QString> CarrierIlleggibile(const QString& path) {
  if (path.isEmpty())
    return QCoreApplication::translate("TabDeCrypt", "Scegliere prima la bitmap di appoggio.");
  const QFileInfo info(path);
  if (!info.exists())
    return QCoreApplication::translate("TabDeCrypt", "La bitmap di appoggio \"%1\" non esiste.")
        .arg(path);
  if (!info.isFile())
    return QCoreApplication::translate("TabDeCrypt",
                                       "\"%1\" non è un file: scegliere una bitmap di appoggio.")
        .arg(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QCoreApplication::translate("TabDeCrypt",
                                       "Impossibile leggere la bitmap di appoggio \"%1\".")
        .arg(path);
  return std::nullopt;
}

// Why a file cannot be extracted into this folder and name, or nothing.
// What the folder refuses only once it is written to is left to the engine.
std::optional<QString> DestinazioneNonValida(const QString& cartella, const QString& nome) {
  if (nome.isEmpty())
    return QCoreApplication::translate("TabDeCrypt",
                                       "Indicare il nome del file in cui salvare i dati.");
  if (cartella.isEmpty())
    return QCoreApplication::translate("TabDeCrypt", "Indicare la cartella in cui salvare i dati.");
  const QFileInfo info(cartella);
  if (!info.exists())
    return QCoreApplication::translate("TabDeCrypt", "La cartella \"%1\" non esiste.")
        .arg(cartella);
  if (!info.isDir())
    return QCoreApplication::translate("TabDeCrypt", "\"%1\" non è una cartella.").arg(cartella);
  return std::nullopt;
}

}  // namespace

void TabDeCrypt::CmdDeCrypt_Click() {
  Text1->setText(QString());
  const bool testo = Option5->isChecked();
  const QString carrier = TxtDirDeCrypt->text();
  const QString uscita = Estrazione::PercorsoUscita(Text4->text(), Text5->text());

  if (const std::optional<QString> perche = CarrierIlleggibile(carrier)) {
    Avvisa(*perche);
    return;
  }
  QString errato;
  const std::optional<std::string> chiave = Codici::DaTesto(Text3->text(), &errato);
  if (!chiave) {
    Avvisa(tr("La chiave contiene il carattere \"%1\", che non si può usare: "
              "usare solo lettere, cifre e simboli dell'alfabeto occidentale.")
               .arg(errato));
    return;
  }
  if (!testo) {
    if (const std::optional<QString> perche = DestinazioneNonValida(Text4->text(), Text5->text())) {
      Avvisa(*perche);
      return;
    }
  }
  std::optional<QString> errore;
  try {
    errore = Rivela(Codici::Percorso(carrier), *chiave, uscita, testo);
  } catch (const std::bad_alloc&) {
    errore = tr("Estrazione non riuscita.\r\nMemoria insufficiente per estrarre i dati.");
  } catch (const std::exception& e) {
    errore = tr("Estrazione non riuscita.\r\n%1").arg(QString::fromUtf8(e.what()));
  }
  // Every way out gives the window back, before a message is shown over it.
  window()->setEnabled(true);
  if (errore) {
    emit Stato(QString());
    Avvisa(*errore);
  }
}
