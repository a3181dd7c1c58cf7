#include "Seldir.h"

#include <QCloseEvent>
#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "Accessibilita.h"
#include "Disegno.h"
#include "Piattaforma.h"
#include "SchedeAccessibili.h"

namespace {

QFont Sans() {
  return Disegno::Carattere("MS Sans Serif", 8.25);
}

// The drive that holds `path`: the longest root that is a prefix of it, by
// whole names.
int Unita(const QComboBox* elenco, const QString& path) {
  int scelta = -1;
  qsizetype lunghezza = -1;
  for (int i = 0; i < elenco->count(); ++i) {
    const QString radice = elenco->itemData(i).toString();
    const bool dentro =
        path == radice ||
        path.startsWith(radice.endsWith(QLatin1Char('/')) ? radice : radice + QLatin1Char('/'));
    if (dentro && radice.size() > lunghezza) {
      scelta = i;
      lunghezza = radice.size();
    }
  }
  return scelta;
}

}  // namespace

Seldir::Seldir(QWidget* principale)
    : QWidget(principale, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      principale_(principale) {
  setAttribute(Qt::WA_DeleteOnClose);
  SchedeAccessibili::Installa();
  Disponi();
  Accessibilita::Applica(this);
  // A window inside the disabled main window starts disabled with it; the
  // chooser is the one window meant to take input meanwhile.
  setEnabled(true);

  connect(Dir1, &ListaCartelle::PathCambiato, this, &Seldir::MostraUnita);
  connect(Dir1, &ListaCartelle::Illeggibile, this, [this](const QString& cartella) {
    Illeggibile(
        tr("Impossibile aprire la cartella \"%1\".").arg(QDir::toNativeSeparators(cartella)));
  });
  ElencaUnita();
  if (!Dir1->setPath(QDir::currentPath())) Dir1->setPath(QDir::rootPath());
  connect(Drive1, &QComboBox::currentIndexChanged, this, &Seldir::Drive1_Change);
  connect(OK, &QPushButton::clicked, this, &Seldir::OK_Click);
  connect(Annulla, &QPushButton::clicked, this, &Seldir::Annulla_Click);

  move(principale_->frameGeometry().center() - rect().center());
  Drive1->setFocus();
}

void Seldir::Disponi() {
  setObjectName(QStringLiteral("Seldir"));
  setWindowTitle(tr("Seleziona directory per il salvataggio..."));
  setFont(Sans());
  setFixedSize(Disegno::Pixel({0, 0, 4455, 3465}).size());

  Drive1 = new QComboBox(this);
  Disegno::Posa(Drive1, "Drive1", {120, 120, 4215, 315}, Sans(), 0);
  Dir1 = new ListaCartelle(this);
  Disegno::Posa(Dir1, "Dir1", {120, 480, 4215, 2340}, Sans(), 1);
  OK = Disegno::Pulsante(this, "OK", tr("&Ok"), {600, 3000, 1095, 375}, Sans(), 2);
  Annulla = Disegno::Pulsante(this, "Annulla", tr("&Annulla"), {2760, 3000, 1095, 375}, Sans(), 3);
  setTabOrder(Drive1, Dir1);
  setTabOrder(Dir1, OK);
  setTabOrder(OK, Annulla);
}

void Seldir::ElencaUnita() {
  // No drive letters here: the drives are the roots of the mounted file
  // systems, and the root of them all.
  QStringList radici{QDir::rootPath(), QStorageInfo(QDir::currentPath()).rootPath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady()) radici << volume.rootPath();
  radici.removeAll(QString());
  radici.sort();
  radici.removeDuplicates();
  const QSignalBlocker zitto(Drive1);
  for (const QString& r : radici) Drive1->addItem(QDir::toNativeSeparators(r), r);
}

void Seldir::MostraUnita(const QString& path) {
  const QSignalBlocker zitto(Drive1);
  Drive1->setCurrentIndex(Unita(Drive1, path));
}

void Seldir::Drive1_Change(int indice) {
  if (indice < 0) return;
  const QString radice = Drive1->itemData(indice).toString();
  // The drive's current directory: the working directory on its own drive,
  // the root on any other.
  const QString lavoro = QDir::currentPath();
  const QString cartella = Unita(Drive1, lavoro) == indice ? lavoro : radice;
  if (Dir1->setPath(cartella) || Dir1->setPath(radice)) return;
  const QString path = Dir1->Path();
  MostraUnita(path);
  Illeggibile(tr("Impossibile leggere l'unità \"%1\".").arg(QDir::toNativeSeparators(radice)));
}

void Seldir::OK_Click() {
  principale_->setEnabled(true);
  emit Scelta(QDir::toNativeSeparators(Dir1->Path()));
  close();
}

void Seldir::Annulla_Click() {
  principale_->setEnabled(true);
  close();
}

void Seldir::closeEvent(QCloseEvent* evento) {
  principale_->setEnabled(true);
  evento->accept();
}

void Seldir::Illeggibile(const QString& testo) {
  Piattaforma::Attuale().Messaggio(this, testo);
}
