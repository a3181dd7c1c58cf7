// The "Decrypt" tab's handlers: choosing the carrier, text or file mode, the
// folder for an extracted file, and the reveal itself, with every failure
// turned into one message and the window given back.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <new>
#include <optional>
#include <string>

#include "Codici.h"
#include "Crypta.h"
#include "Estrazione.h"
#include "FrmMain.h"
#include "Piattaforma.h"
#include "Seldir.h"

namespace {

const QString kFiltro = QStringLiteral("Tutti i file (*.*)|*.*|FileBitmap (*.bmp)|*.bmp");
const QString kNomeFile = QStringLiteral("Crypto.cry");

// Why the carrier cannot be read, or nothing when it can. The engine takes a
// carrier it cannot open for one without a payload; the user must hear the
// difference.
std::optional<QString> CarrierIlleggibile(const QString& path) {
  if (path.isEmpty()) return QStringLiteral("Scegliere prima la bitmap di appoggio.");
  const QFileInfo info(path);
  if (!info.exists()) return QStringLiteral("La bitmap di appoggio \"%1\" non esiste.").arg(path);
  if (!info.isFile())
    return QStringLiteral("\"%1\" non è un file: scegliere una bitmap di appoggio.").arg(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("Impossibile leggere la bitmap di appoggio \"%1\".").arg(path);
  return std::nullopt;
}

// Why a file cannot be extracted into this folder and name, or nothing.
// What the folder refuses only once it is written to is left to the engine.
std::optional<QString> DestinazioneNonValida(const QString& cartella, const QString& nome) {
  if (nome.isEmpty()) return QStringLiteral("Indicare il nome del file in cui salvare i dati.");
  if (cartella.isEmpty()) return QStringLiteral("Indicare la cartella in cui salvare i dati.");
  const QFileInfo info(cartella);
  if (!info.exists()) return QStringLiteral("La cartella \"%1\" non esiste.").arg(cartella);
  if (!info.isDir()) return QStringLiteral("\"%1\" non è una cartella.").arg(cartella);
  return std::nullopt;
}

}  // namespace

void FrmMain::CollegaDeCrypt() {
  connect(CmdDirDeCrypt, &QPushButton::clicked, this, &FrmMain::CmdDirDeCrypt_Click);
  connect(Option5, &QRadioButton::clicked, this, &FrmMain::Option5_Click);
  connect(Option6, &QRadioButton::clicked, this, &FrmMain::Option6_Click);
  connect(Command2, &QPushButton::clicked, this, &FrmMain::Command2_Click);
  connect(CmdDeCrypt, &QPushButton::clicked, this, &FrmMain::CmdDeCrypt_Click);
  Crypta::Finestra.TxtPerc = [this](const std::string& testo) {
    TxtPerc->setText(QString::fromStdString(testo));
  };
  Crypta::Finestra.Abilita = [this](bool abilitata) { setEnabled(abilitata); };
}

void FrmMain::CmdDirDeCrypt_Click() {
  // Emptied first: a cancelled choice leaves the tab without a carrier.
  TxtDirDeCrypt->setText(QString());
  const std::optional<QString> scelto = Piattaforma::Attuale().ApriFile(this, kFiltro, 2);
  if (!scelto) return;
  TxtDirDeCrypt->setText(*scelto);
}

void FrmMain::Option5_Click() {
  Label11->setEnabled(false);
  Label12->setEnabled(false);
  Text4->setText(QString());
  Text4->setEnabled(false);
  Text5->setText(QString());
  Text5->setEnabled(false);
  Command2->setEnabled(false);
  Frame3->setEnabled(false);
  Text1->setEnabled(true);
}

void FrmMain::Option6_Click() {
  Text1->setText(QString());
  Text1->setEnabled(false);
  Frame3->setEnabled(true);
  Label11->setEnabled(true);
  Label12->setEnabled(true);
  // The defaults come back at every switch, over whatever was there.
  Text4->setEnabled(true);
  Text4->setText(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
  Text5->setEnabled(true);
  Text5->setText(kNomeFile);
  Command2->setEnabled(true);
}

void FrmMain::Command2_Click() {
  // The disabled window keeps the user in the chooser, which gives it back
  // on every way out; nothing waits for it here.
  setEnabled(false);
  auto* chooser = new Seldir(this, Text4);
  chooser->show();
}

void FrmMain::CmdDeCrypt_Click() {
  Text1->setText(QString());
  const bool testo = Option5->isChecked();
  const QString carrier = TxtDirDeCrypt->text();
  const QString uscita = Estrazione::PercorsoUscita(Text4->text(), Text5->text());
  const int16_t nbit = Bit(TxtBt);

  if (const std::optional<QString> perche = CarrierIlleggibile(carrier)) {
    Avvisa(*perche);
    return;
  }
  QString errato;
  const std::optional<std::string> chiave = Codici::DaTesto(Text3->text(), &errato);
  if (!chiave) {
    Avvisa(QStringLiteral("La chiave contiene il carattere \"%1\", che non si può usare: "
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

  const std::string percorsoUscita = Codici::Percorso(uscita);
  const std::optional<Estrazione::Uscita> prima =
      testo ? std::nullopt : std::make_optional<Estrazione::Uscita>(percorsoUscita);
  std::optional<QString> errore;
  try {
    const std::string risultato =
        Crypta::DeCryptBitmap(Codici::Percorso(carrier), *chiave, nbit, testo, percorsoUscita);
    if (testo) Text1->setText(Codici::ATesto(risultato));
  } catch (const std::bad_alloc&) {
    errore = QStringLiteral("Memoria insufficiente per estrarre i dati.");
  } catch (const std::exception& e) {
    errore = QString::fromUtf8(e.what());
  }
  // The engine gives the window back on its own ways out; this covers any
  // other, before a message is shown over it.
  setEnabled(true);
  if (errore) {
    if (prima) prima->Ripristina();
    Avvisa(QStringLiteral("Estrazione non riuscita.\r\n") + *errore);
  }
}
