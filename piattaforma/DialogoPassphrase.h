// The passphrase dialog: one field, or two to type it again, neither echoing
// what is typed nor offering it to the clipboard. Enter confirms, Esc
// cancels; the fields are emptied when the dialog goes.
#pragma once

#include <QDialog>

#include "Piattaforma.h"

class QLineEdit;

class DialogoPassphrase : public QDialog {
  Q_OBJECT

 public:
  DialogoPassphrase(QWidget* padre, bool conferma);
  ~DialogoPassphrase() override;

  Piattaforma::Frase Letta() const;

 private:
  QLineEdit* prima_ = nullptr;
  QLineEdit* seconda_ = nullptr;
};
