// Tavelin's entry: the environment, then the main window, then Qt's event
// loop until the window closes. The program reads no arguments of its own.
#include <QApplication>

#include "Avvio.h"
#include "FrmMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Avvio::Prepara(app);
  FrmMain finestra;
  finestra.show();
  return QApplication::exec();
}
