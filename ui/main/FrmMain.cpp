// The main window's frame: the window itself, the tab strip with the two
// pages, the exit button, the links between the parts, the tab order across
// them, and the close that must wait while the window is disabled.
#include "FrmMain.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "Accessibilita.h"
#include "Avvio.h"
#include "Disegno.h"
#include "PannelloInfo.h"
#include "RigaStato.h"
#include "SchedeAccessibili.h"
#include "TabCrypt.h"
#include "TabDeCrypt.h"
#include "Tastiera.h"

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  SchedeAccessibili::Installa();
  Disponi();
  Collega();
  OrdineTab();
  Accessibilita::Applica(this);
  new Tastiera(this, SSTab1, CmdEsci, LblStato);
  CmdEsci->setFocus();
}

void FrmMain::Disponi() {
  const QFont sans = Disegno::Carattere("MS Sans Serif", 8.25);
  setObjectName(QStringLiteral("FrmMain"));
  setWindowTitle(tr("Quorvane - Tavelin - Versione 1.0 (Freeware)"));
  setWindowIcon(Avvio::Icona());
  setFont(sans);
  setFixedSize(Disegno::Pixel({0, 0, 7755, 7080}).size());

  // The tab pages stay empty: each page's frame is a child of the tab
  // control itself, placed from its top-left corner as designed, and shown
  // only while its tab is current.
  SSTab1 = new QTabWidget(this);
  Disegno::Posa(SSTab1, "SSTab1", {120, 120, 7575, 6855}, sans, 1);
  SSTab1->setUsesScrollButtons(false);
  SSTab1->addTab(new QWidget(SSTab1), tr("Crypt"));
  SSTab1->addTab(new QWidget(SSTab1), tr("Decrypt"));
  crypt_ = new TabCrypt(SSTab1);
  decrypt_ = new TabDeCrypt(SSTab1);
  // The panel stands in the "Crypt" frame, the reveal's selector in the
  // "Decrypt" tab's parameters.
  pannello_ = new PannelloInfo(crypt_, decrypt_->Parametri());
  SSTab1->setCurrentIndex(0);
  decrypt_->hide();
  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int scheda) {
    crypt_->setVisible(scheda == 0);
    decrypt_->setVisible(scheda == 1);
  });

  // The status line takes the tab strip's free row, right of the last tab
  // to the window's right edge.
  LblStato = new RigaStato(this);
  const QRect schede = SSTab1->geometry();
  const QSize barra = SSTab1->tabBar()->sizeHint();
  const int sinistra = schede.left() + barra.width() + 6;
  LblStato->setGeometry(sinistra, schede.top(), width() - sinistra - 4, barra.height());
  LblStato->raise();

  // Beyond the right edge of the window, so never seen; it is first in the
  // tab order and so holds the focus when the window opens.
  CmdEsci = Disegno::Pulsante(this, "CmdEsci", tr("Esci"), {8760, 6720, 1695, 615},
                              Disegno::Carattere("Arial", 9.75), 0);
}

void FrmMain::Collega() {
  connect(CmdEsci, &QPushButton::clicked, this, &FrmMain::CmdEsci_Click);
  // The hide carrier goes to the panel, which answers with its capacity; a
  // new bit count sends the tab back to no carrier.
  connect(crypt_, &TabCrypt::Carrier, pannello_, &PannelloInfo::TxtDirCrypt_Change);
  connect(pannello_, &PannelloInfo::Capienza, crypt_, &TabCrypt::StatoCrypt);
  connect(pannello_, &PannelloInfo::Azzera, crypt_, &TabCrypt::Azzera);
  connect(pannello_, &PannelloInfo::BitCrypt, crypt_, &TabCrypt::ImpostaBit);
  // The reveal bit count is usable exactly while the reveal tab has a carrier.
  connect(decrypt_, &TabDeCrypt::CarrierScelto, pannello_, &PannelloInfo::AbilitaBt);
  connect(pannello_, &PannelloInfo::BitDeCrypt, decrypt_, &TabDeCrypt::ImpostaBit);
  connect(crypt_, &TabCrypt::Stato, LblStato, &RigaStato::Mostra);
  connect(decrypt_, &TabDeCrypt::Stato, LblStato, &RigaStato::Mostra);
}

void FrmMain::Apri(const QString& file) {
  SSTab1->setCurrentIndex(0);
  crypt_->Apri(file);
}

void FrmMain::AssegnaLbl(const QString& Path, int16_t Nbit) {
  pannello_->AssegnaLbl(Path, Nbit);
}

void FrmMain::Option3_Click() {
  crypt_->Option3_Click();
}

void FrmMain::OrdineTab() {
  // Every control holds a tab position, whichever part made it; labels and
  // frames keep theirs but never take the focus, so the chain links the
  // others in that order.
  std::vector<std::pair<int, QWidget*>> ordine;
  for (QWidget* w : findChildren<QWidget*>()) {
    const QVariant tab = w->property(Disegno::TabIndex);
    if (tab.isValid() && (w->focusPolicy() & Qt::TabFocus)) ordine.emplace_back(tab.toInt(), w);
  }
  std::sort(ordine.begin(), ordine.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < ordine.size(); ++i)
    QWidget::setTabOrder(ordine[i - 1].second, ordine[i].second);
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
