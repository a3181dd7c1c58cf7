// What the program sets up before its window opens: its identity, its icon,
// the fonts that stand in for the designed ones, and the language its texts
// and Qt's own dialogs speak. Tests call the same functions, so that they see
// the window as the program shows it.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>

#include "Lingua.h"

class QApplication;
class QCoreApplication;

namespace Avvio {

void Prepara(QApplication& app);

// The window is designed with fonts that Linux lacks; Liberation Sans has
// the same metrics, so captions fit their boxes.
void SostituisciFont();

// The catalogs a language needs, in the order they are installed: for
// Italian, the source language, only Qt's own translation of its dialogs;
// for English, the window's and the engine's, built into the program (Qt's
// own texts are English already).
QStringList Cataloghi(Crypta::Lingua lingua);

// Installs into `app` the catalogs of `lingua` (by default the language of
// the environment, by the rule both programs follow) and, for English, the
// engine's translator. False when a catalog is missing: its texts then stay
// in the source language, nothing else changes.
bool CaricaTraduzioni(QCoreApplication& app, Crypta::Lingua lingua = Crypta::LinguaDellAmbiente());

// A text of the window program in the environment's language, for what it
// prints before any application object exists (help, usage errors, no
// display). `italiano` is marked for the tools with QT_TRANSLATE_NOOP.
QString Testo(const char* contesto, const char* italiano);

QIcon Icona();   // 32 x 32, 16 colours
QPixmap Logo();  // the maker's logo, 257 x 72

}  // namespace Avvio
