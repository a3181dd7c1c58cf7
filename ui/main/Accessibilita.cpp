// The accessible names and descriptions of the windows' controls, one table
// by objectName, and the captions' buddies. Names are unique on their tab:
// the header's value labels are named for what they hold, not after the
// frame around them, and never the same as their captions.
#include "Accessibilita.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include "PannelloInfo.h"

namespace {

constexpr char kContesto[] = "Accessibilita";

struct Voce {
  const char* oggetto;
  const char* nome;
  const char* descrizione;  // null: the name says it all
};

const char* const kTestata =
    QT_TRANSLATE_NOOP("Accessibilita", "Dall'intestazione della bitmap di appoggio");
const char* const kTestataPixel =
    QT_TRANSLATE_NOOP("Accessibilita", "In pixel, dall'intestazione della bitmap di appoggio");
const char* const kTestataMetro = QT_TRANSLATE_NOOP(
    "Accessibilita", "In pixel per metro, dall'intestazione della bitmap di appoggio");
const char* const kSelettore =
    QT_TRANSLATE_NOOP("Accessibilita", "Le frecce su e giù scelgono 1, 2, 4 o 8 bit per byte");

// clang-format off
const Voce kVoci[] = {
    // The main window's frame.
    {"qt_tabwidget_tabbar", QT_TRANSLATE_NOOP("Accessibilita", "Schede"), nullptr},
    {"CmdEsci", QT_TRANSLATE_NOOP("Accessibilita", "Esci"),
     QT_TRANSLATE_NOOP("Accessibilita", "Chiude il programma")},
    {"LblStato", QT_TRANSLATE_NOOP("Accessibilita", "Stato"), nullptr},
    // The "Crypt" tab.
    {"FrmCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Pagina Crypt"), nullptr},
    {"CmdDirCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Apri la bitmap di appoggio"), nullptr},
    {"TxtDirCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Bitmap di appoggio"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Percorso della bitmap in cui nascondere i dati; vi si può trascinare un file")},
    {"Option3", QT_TRANSLATE_NOOP("Accessibilita", "Nascondi una stringa"), nullptr},
    {"TxtString", QT_TRANSLATE_NOOP("Accessibilita", "Stringa da nascondere"), nullptr},
    {"Option4", QT_TRANSLATE_NOOP("Accessibilita", "Nascondi un file"), nullptr},
    {"Command1", QT_TRANSLATE_NOOP("Accessibilita", "Apri il file da nascondere"), nullptr},
    {"TxtSelFile", QT_TRANSLATE_NOOP("Accessibilita", "File da nascondere"),
     QT_TRANSLATE_NOOP("Accessibilita", "Percorso del file da nascondere; vi si può trascinare un file")},
    {"TxtKey", QT_TRANSLATE_NOOP("Accessibilita", "Chiave crittografica"),
     QT_TRANSLATE_NOOP("Accessibilita", "Mescola i dati nella bitmap; al massimo 30 caratteri")},
    {"TxtBit", QT_TRANSLATE_NOOP("Accessibilita", "Bit da utilizzare"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Quanti bit meno significativi di ogni byte accolgono i dati: 1, 2, 4 o 8; si cambia con il selettore accanto")},
    {"VScroll1", QT_TRANSLATE_NOOP("Accessibilita", "Selettore dei bit da utilizzare"), kSelettore},
    {"CmdCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Crypt"),
     QT_TRANSLATE_NOOP("Accessibilita", "Nasconde i dati nella bitmap di appoggio")},
    {"TxtPerc2", QT_TRANSLATE_NOOP("Accessibilita", "Avanzamento della criptazione"),
     QT_TRANSLATE_NOOP("Accessibilita", "Percentuale dei dati già nascosti")},
    {"ChkPassphrase", QT_TRANSLATE_NOOP("Accessibilita", "Proteggi con passphrase"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Cifra i dati con una passphrase, chiesta alla pressione di Crypt")},
    {"Label2_13", QT_TRANSLATE_NOOP("Accessibilita", "Tipo di bitmap"), kTestata},
    {"Label2_0", QT_TRANSLATE_NOOP("Accessibilita", "Dimensione del file in byte"), kTestata},
    {"Label2_1", QT_TRANSLATE_NOOP("Accessibilita", "Offset dei dati"), kTestata},
    {"Label2_2", QT_TRANSLATE_NOOP("Accessibilita", "Lunghezza dell'intestazione"), kTestata},
    {"Label2_3", QT_TRANSLATE_NOOP("Accessibilita", "Larghezza della bitmap"), kTestataPixel},
    {"Label2_4", QT_TRANSLATE_NOOP("Accessibilita", "Altezza della bitmap"), kTestataPixel},
    {"Label2_5", QT_TRANSLATE_NOOP("Accessibilita", "Numero di piani"), kTestata},
    {"Label2_6", QT_TRANSLATE_NOOP("Accessibilita", "Profondità di colore"),
     QT_TRANSLATE_NOOP("Accessibilita", "In bit per pixel, dall'intestazione della bitmap di appoggio")},
    {"Label2_7", QT_TRANSLATE_NOOP("Accessibilita", "Compressione della bitmap"), kTestata},
    {"Label2_8", QT_TRANSLATE_NOOP("Accessibilita", "Grandezza dei dati bitmap"), kTestata},
    {"Label2_9", QT_TRANSLATE_NOOP("Accessibilita", "Risoluzione orizzontale"), kTestataMetro},
    {"Label2_10", QT_TRANSLATE_NOOP("Accessibilita", "Risoluzione verticale"), kTestataMetro},
    {"Label2_11", QT_TRANSLATE_NOOP("Accessibilita", "Numero di colori usati"), kTestata},
    {"Label2_12", QT_TRANSLATE_NOOP("Accessibilita", "Numero di colori importanti"), kTestata},
    {"Label5", QT_TRANSLATE_NOOP("Accessibilita", "Byte utilizzabili"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Quanti byte la bitmap di appoggio può accogliere con i bit scelti")},
    // The "Decrypt" tab.
    {"FrmDeCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Pagina Decrypt"), nullptr},
    {"TxtDirDeCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Bitmap da cui estrarre"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Percorso della bitmap che nasconde i dati; vi si può trascinare un file")},
    {"CmdDirDeCrypt", QT_TRANSLATE_NOOP("Accessibilita", "Apri la bitmap da cui estrarre"), nullptr},
    {"Text3", QT_TRANSLATE_NOOP("Accessibilita", "Chiave crittografica"),
     QT_TRANSLATE_NOOP("Accessibilita", "La chiave data quando i dati furono nascosti; al massimo 30 caratteri")},
    {"TxtBt", QT_TRANSLATE_NOOP("Accessibilita", "Bit da utilizzare"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "Quanti bit meno significativi di ogni byte contengono i dati: 1, 2, 4 o 8; si cambia con il selettore accanto")},
    {"VScroll2", QT_TRANSLATE_NOOP("Accessibilita", "Selettore dei bit da utilizzare"), kSelettore},
    {"Text1", QT_TRANSLATE_NOOP("Accessibilita", "Stringa decriptata"),
     QT_TRANSLATE_NOOP("Accessibilita", "La stringa estratta dalla bitmap, in sola lettura")},
    {"Text5", QT_TRANSLATE_NOOP("Accessibilita", "Nome del file estratto"), nullptr},
    {"Text4", QT_TRANSLATE_NOOP("Accessibilita", "Cartella di salvataggio"), nullptr},
    {"Command2", QT_TRANSLATE_NOOP("Accessibilita", "Scegli la cartella di salvataggio"), nullptr},
    {"Option5", QT_TRANSLATE_NOOP("Accessibilita", "Estrai una stringa"), nullptr},
    {"Option6", QT_TRANSLATE_NOOP("Accessibilita", "Estrai un file"), nullptr},
    {"CmdDeCrypt", QT_TRANSLATE_NOOP("Accessibilita", "DeCrypt"),
     QT_TRANSLATE_NOOP("Accessibilita", "Estrae i dati nascosti nella bitmap")},
    {"TxtPerc", QT_TRANSLATE_NOOP("Accessibilita", "Avanzamento della decriptazione"),
     QT_TRANSLATE_NOOP("Accessibilita", "Percentuale dei dati già estratti")},
    {"ChkPassphraseRivela", QT_TRANSLATE_NOOP("Accessibilita", "Protetto da passphrase"),
     QT_TRANSLATE_NOOP("Accessibilita",
                       "I dati sono cifrati: la passphrase viene chiesta alla pressione di DeCrypt")},
    // The folder chooser.
    {"Drive1", QT_TRANSLATE_NOOP("Accessibilita", "Unità"),
     QT_TRANSLATE_NOOP("Accessibilita", "Il file system in cui scegliere la cartella")},
    {"Dir1", QT_TRANSLATE_NOOP("Accessibilita", "Cartelle"),
     QT_TRANSLATE_NOOP("Accessibilita", "Invio o un doppio clic apre la cartella evidenziata")},
    {"OK", QT_TRANSLATE_NOOP("Accessibilita", "Ok"),
     QT_TRANSLATE_NOOP("Accessibilita", "Salva nella cartella aperta")},
    {"Annulla", QT_TRANSLATE_NOOP("Accessibilita", "Annulla"), nullptr},
};

// A caption and the control it labels.
const char* const kCompagni[][2] = {
    {"LblDir", "TxtDirCrypt"}, {"Label3", "TxtKey"},   {"Label6", "TxtBit"},
    {"Label16", "TxtPerc2"},   {"Label4", "Label5"},   {"Label8", "TxtDirDeCrypt"},
    {"Label7", "TxtBt"},       {"Label9", "Text3"},    {"Label13", "Text1"},
    {"Label12", "Text5"},      {"Label11", "Text4"},   {"Label14", "TxtPerc"},
    {"Label10", "Option5"},
};
// clang-format on

QString Testo(const char* sorgente) {
  return QCoreApplication::translate(kContesto, sorgente);
}

}  // namespace

namespace Accessibilita {

void Applica(QWidget* finestra) {
  for (const Voce& v : kVoci) {
    QWidget* w = finestra->findChild<QWidget*>(QLatin1String(v.oggetto));
    if (!w) continue;
    w->setAccessibleName(Testo(v.nome));
    if (v.descrizione) w->setAccessibleDescription(Testo(v.descrizione));
  }
  auto compagno = [finestra](const QString& etichetta, const QString& controllo) {
    auto* l = finestra->findChild<QLabel*>(etichetta);
    QWidget* w = finestra->findChild<QWidget*>(controllo);
    if (l && w) l->setBuddy(w);
  };
  for (const auto& c : kCompagni) compagno(QLatin1String(c[0]), QLatin1String(c[1]));
  // The string option's caption tells how many characters fit, a figure
  // that follows the carrier and the protection: the description repeats
  // the caption whenever it changes.
  auto* stringa = finestra->findChild<QAbstractButton*>(QStringLiteral("Option3"));
  auto* pannello = finestra->findChild<PannelloInfo*>();
  auto* frase = finestra->findChild<QAbstractButton*>(QStringLiteral("ChkPassphrase"));
  if (stringa && pannello && frase) {
    const auto segui = [stringa] {
      stringa->setAccessibleDescription(QString(stringa->text()).remove(QLatin1Char('&')));
    };
    segui();
    QObject::connect(pannello, &PannelloInfo::Capienza, stringa, segui);
    QObject::connect(frase, &QAbstractButton::toggled, stringa, segui);
  }
  // Each header caption labels its value.
  for (int i = 0; i < 14; ++i)
    compagno(QStringLiteral("Label1_%1").arg(i), QStringLiteral("Label2_%1").arg(i));
}

}  // namespace Accessibilita
