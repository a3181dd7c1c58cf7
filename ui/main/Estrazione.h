// What the reveal tab works out before it calls the engine: the output path
// and the bit count read from its text box.
#pragma once

#include <QString>
#include <cstdint>

namespace Estrazione {

// The folder, this platform's separator, the file name: joined as they are,
// with no separator removed or added beyond the one inserted.
QString PercorsoUscita(const QString& cartella, const QString& nome);

// The bit count from its text: the leading number of the text, rounded to
// the nearest integer, ties to even. A text that starts with no number, or
// a number outside 16 bits, gives 0, which the engine refuses.
int16_t Bit(const QString& testo);

// The folder an extracted file goes to unless the user says otherwise: the
// program's own folder where the user may write there (a portable copy),
// else the home folder. Always the home folder for a program that lies
// among the system's programs (/usr, /opt, /app, the Windows programs
// folder), whoever runs it: nothing is written there behind the package's back.
QString CartellaPredefinita(const QString& programma, const QString& casa);
QString CartellaPredefinita();

}  // namespace Estrazione
