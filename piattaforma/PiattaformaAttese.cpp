// The desktop side of the seam for what came with the converter and the
// passphrase: the question box, the save dialog, the passphrase dialog, and
// the wait for work done away from the window's thread.
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

#include "DialogoPassphrase.h"
#include "Identita.h"
#include "PiattaformaQt.h"

bool PiattaformaQt::Domanda(QWidget* padre, const QString& testo) {
  QString righe = testo;
  righe.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(Identita::Nome), righe,
                  QMessageBox::Yes | QMessageBox::No, padre);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> PiattaformaQt::SalvaFile(QWidget* padre, const QString& titolo,
                                                const QString& proposto, const QString& filtro) {
  QFileDialog dialogo(padre, titolo);
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  // The caller never writes over a file; the dialog must not offer to.
  dialogo.setOption(QFileDialog::DontConfirmOverwrite);
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  dialogo.setFileMode(QFileDialog::AnyFile);
  dialogo.setNameFilters(FiltriQt(filtro));
  dialogo.selectFile(proposto);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return dialogo.selectedFiles().first();
}

std::optional<Piattaforma::Frase> PiattaformaQt::ChiediPassphrase(QWidget* padre, bool conferma) {
  DialogoPassphrase dialogo(padre, conferma);
  if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
  return dialogo.Letta();
}

void PiattaformaQt::Attendi(const std::function<void()>& lavoro) {
  std::exception_ptr errore;
  std::atomic<bool> finito{false};
  QEventLoop attesa;
  std::thread operaio([&] {
    try {
      lavoro();
    } catch (...) {
      errore = std::current_exception();
    }
    finito = true;
    QMetaObject::invokeMethod(&attesa, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // The loop ends on the worker's word; the check covers a word sent before
  // the loop ran.
  QTimer guardia;
  QObject::connect(&guardia, &QTimer::timeout, &attesa, [&] {
    if (finito) attesa.quit();
  });
  guardia.start(50);
  if (!finito) attesa.exec(QEventLoop::ExcludeUserInputEvents);
  operaio.join();
  if (errore) std::rethrow_exception(errore);
}
