// The seam as the program runs it: Qt's own file dialog and message box, the
// desktop's browser, Qt's event loop.
#pragma once

#include <memory>

#include "Piattaforma.h"

class QFileDialog;
class QMessageBox;

class PiattaformaQt : public Piattaforma {
 public:
  std::optional<QString> ApriFile(QWidget* padre, const QString& filtro, int indice) override;
  void Messaggio(QWidget* padre, const QString& testo) override;
  bool ApriIndirizzo(const QUrl& indirizzo) override;
  void DoEvents() override;
  bool Domanda(QWidget* padre, const QString& testo) override;
  std::optional<QString> SalvaFile(QWidget* padre, const QString& titolo, const QString& proposto,
                                   const QString& filtro) override;
  std::optional<Frase> ChiediPassphrase(QWidget* padre, bool conferma) override;
  void Attendi(const std::function<void()>& lavoro) override;

  // The dialogs as they are about to be shown; apart so that tests can look
  // at them without waiting on them.
  std::unique_ptr<QFileDialog> Dialogo(QWidget* padre, const QString& filtro, int indice) const;
  static std::unique_ptr<QMessageBox> Scatola(QWidget* padre, const QString& testo);

 private:
  // One dialog serves both tabs and remembers where the user last looked.
  QString ultimaCartella_;
};
