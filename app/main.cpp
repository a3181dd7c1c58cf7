// Tavelin's entry: its few arguments, the environment, then the main window
// and Qt's event loop until the window closes. Help and version need no
// display; without one, a clear line and status 1 instead of Qt's abort.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Argomenti.h"
#include "Avvio.h"
#include "FrmMain.h"
#include "Identita.h"

namespace {

constexpr int kRifiuto = 1, kUso = 2;

void SenzaSchermo() {
  const QString riga = Avvio::Testo(
      "main", QT_TRANSLATE_NOOP("main",
                                "tavelin: nessuno schermo disponibile: la finestra non si può "
                                "aprire (DISPLAY o WAYLAND_DISPLAY non indicano uno schermo "
                                "raggiungibile). Senza schermo si usa tavelin-cli.\n"));
  std::fputs(riga.toUtf8().constData(), stderr);
}

// Qt ends the program with an abort when no platform plugin starts (no X
// server, no Wayland compositor); that is no crash but a missing screen.
// Its words before the abort are the plugin's, in English; the line that
// replaces them says what is wrong.
void Messaggi(QtMsgType tipo, const QMessageLogContext&, const QString&) {
  if (tipo == QtFatalMsg) {
    SenzaSchermo();
    std::_Exit(kRifiuto);
  }
}

bool SchermoIndicato() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  const char* piattaforma = std::getenv("QT_QPA_PLATFORM");
  if (piattaforma && *piattaforma) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  const Argomenti::Scelta scelta = Argomenti::Leggi(argc, argv);
  switch (scelta.cosa) {
    case Argomenti::Scelta::Cosa::Aiuto:
      std::fputs(Argomenti::Aiuto().c_str(), stdout);
      return 0;
    case Argomenti::Scelta::Cosa::Versione:
      std::printf("tavelin %s\n", Identita::Versione);
      return 0;
    case Argomenti::Scelta::Cosa::Errore:
      std::fprintf(stderr, "tavelin: %s\n", scelta.messaggio.c_str());
      return kUso;
    case Argomenti::Scelta::Cosa::Finestra:
      break;
  }
  if (!SchermoIndicato()) {
    SenzaSchermo();
    return kRifiuto;
  }
  qInstallMessageHandler(Messaggi);
  QApplication app(argc, argv);
  qInstallMessageHandler(nullptr);
  Avvio::Prepara(app);
  FrmMain finestra;
  finestra.show();
  if (scelta.file) finestra.Apri(QString::fromLocal8Bit(scelta.file->c_str()));
  return QApplication::exec();
}
