#include "DialogoPassphrase.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "Identita.h"

namespace {

QLineEdit* Campo(QWidget* padre, const char* nome) {
  auto* c = new QLineEdit(padre);
  c->setObjectName(QString::fromLatin1(nome));
  // Password mode: nothing echoed, nothing copied out, and reported as a
  // password field to assistive technology.
  c->setEchoMode(QLineEdit::Password);
  c->setMinimumWidth(260);
  return c;
}

}  // namespace

DialogoPassphrase::DialogoPassphrase(QWidget* padre, bool conferma) : QDialog(padre) {
  setObjectName(QStringLiteral("DlgPassphrase"));
  setWindowTitle(QString::fromUtf8(Identita::Nome));
  auto* forma = new QFormLayout(this);
  prima_ = Campo(this, "TxtPassphrase");
  prima_->setAccessibleName(tr("Passphrase"));
  auto* etichetta = new QLabel(tr("&Passphrase"), this);
  etichetta->setBuddy(prima_);
  forma->addRow(etichetta, prima_);
  if (conferma) {
    seconda_ = Campo(this, "TxtRipeti");
    seconda_->setAccessibleName(tr("Ripeti la passphrase"));
    auto* ripeti = new QLabel(tr("&Ripeti la passphrase"), this);
    ripeti->setBuddy(seconda_);
    forma->addRow(ripeti, seconda_);
  }
  auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  forma->addRow(pulsanti);
  connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
  prima_->setFocus();
}

DialogoPassphrase::~DialogoPassphrase() {
  // What the fields held goes with the dialog.
  prima_->clear();
  if (seconda_) seconda_->clear();
}

Piattaforma::Frase DialogoPassphrase::Letta() const {
  return {prima_->text(), seconda_ ? seconda_->text() : QString()};
}
