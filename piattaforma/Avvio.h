// What the program sets up before its window opens: its identity, its icon,
// the fonts that stand in for the designed ones, and the Italian texts of
// Qt's own dialogs. Tests call the same functions, so that they see the
// window as the program shows it.
#pragma once

#include <QIcon>
#include <QPixmap>

class QApplication;

namespace Avvio {

void Prepara(QApplication& app);

// The window is designed with fonts that Linux lacks; Liberation Sans has
// the same metrics, so captions fit their boxes.
void SostituisciFont();

// Loads Qt's Italian translation into `app`; false when it is not installed
// (the dialogs then speak English, nothing else changes).
bool CaricaTraduzioni(QApplication& app);

QIcon Icona();   // 32 x 32, 16 colours
QPixmap Logo();  // the maker's logo, 257 x 72

}  // namespace Avvio
