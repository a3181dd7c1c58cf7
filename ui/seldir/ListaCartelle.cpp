#include "ListaCartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStringList>
#include <QStyle>

namespace {

constexpr int kRientro = 3;  // blanks per level of the tree

// The folder and every folder above it, the root first.
QStringList Catena(const QString& cartella) {
  QStringList catena;
  QString p = cartella;
  while (true) {
    catena.prepend(p);
    if (QDir(p).isRoot()) break;
    const QString sopra = QFileInfo(p).path();
    if (sopra == p) break;
    p = sopra;
  }
  return catena;
}

QString Nome(const QString& cartella) {
  return QDir(cartella).isRoot() ? QDir::toNativeSeparators(cartella)
                                 : QFileInfo(cartella).fileName();
}

bool Leggibile(const QFileInfo& info) {
  // A folder is listed through its read permission and entered through its
  // search permission.
  return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

ListaCartelle::ListaCartelle(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  // Not `itemActivated`: some styles activate on a single click, and here a
  // single click must only highlight.
  connect(this, &QListWidget::itemDoubleClicked, this, &ListaCartelle::Apri);
}

bool ListaCartelle::setPath(const QString& cartella) {
  const QString path = QDir::cleanPath(QDir(cartella).absolutePath());
  const QFileInfo info(path);
  if (!Leggibile(info)) return false;
  const QFileInfoList sotto = QDir(path).entryInfoList(
      QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);

  clear();
  const QIcon aperta = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon chiusa = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const QStringList catena = Catena(path);
  QListWidgetItem* corrente = nullptr;
  for (qsizetype livello = 0; livello < catena.size(); ++livello) {
    auto* riga = new QListWidgetItem(
        aperta, QString(int(livello) * kRientro, QLatin1Char(' ')) + Nome(catena[livello]), this);
    riga->setData(RuoloPath, catena[livello]);
    corrente = riga;
  }
  const QString rientro(int(catena.size()) * kRientro, QLatin1Char(' '));
  for (const QFileInfo& s : sotto) {
    auto* riga = new QListWidgetItem(chiusa, rientro + s.fileName(), this);
    riga->setData(RuoloPath, QDir::cleanPath(path + QLatin1Char('/') + s.fileName()));
  }
  setCurrentItem(corrente);
  path_ = path;
  emit PathCambiato(path_);
  return true;
}

void ListaCartelle::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
    if (currentItem()) Apri(currentItem());
    evento->accept();
    return;
  }
  QListWidget::keyPressEvent(evento);
}

void ListaCartelle::Apri(const QListWidgetItem* riga) {
  // Copied: listing the folder deletes the row.
  const QString cartella = riga->data(RuoloPath).toString();
  if (!setPath(cartella)) emit Illeggibile(cartella);
}
