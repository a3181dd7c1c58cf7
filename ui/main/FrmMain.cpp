// The main window's construction and the shell around the work: the exit
// button, the title bar's close control and the logo link.
#include "FrmMain.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QUrl>

#include <QRadioButton>

#include "Crypta.h"
#include "Immagine.h"
#include "Piattaforma.h"

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  Disponi();
  OrdineTab();
  CollegaPannello();
  CollegaCrypt();
  CollegaDeCrypt();
  connect(CmdEsci, &QPushButton::clicked, this, &FrmMain::CmdEsci_Click);
  connect(Image1, &Immagine::Click, this, &FrmMain::Image1_Click);
  CmdEsci->setFocus();
}

FrmMain::~FrmMain() {
  // The engine must not call into a window that is gone.
  Crypta::Finestra = {};
}

void FrmMain::closeEvent(QCloseEvent* evento) {
  // Disabled means the engine is at work or the directory chooser is open:
  // the program must not end under either.
  if (!isEnabled()) {
    evento->ignore();
    return;
  }
  evento->accept();
}

void FrmMain::CmdEsci_Click() {
  close();
}

void FrmMain::Image1_Click() {
  // The tooltip holds a bare host name; the outcome is of no concern here.
  Piattaforma::Attuale().ApriIndirizzo(QUrl(QStringLiteral("http://") + Image1->toolTip()));
}

void FrmMain::Avvisa(const QString& testo) { Piattaforma::Attuale().Messaggio(this, testo); }

void FrmMain::Seleziona(QRadioButton* opzione) {
  opzione->setChecked(true);
  emit opzione->clicked(true);
}
