#include "Frase.h"

#include <QApplication>
#include <QCursor>
#include <algorithm>

#include "Piattaforma.h"

namespace Frase {

namespace {

// A string the user typed, overwritten before it goes.
void Cancella(QString& s) {
  std::fill(s.begin(), s.end(), QChar(u'\0'));
  s.clear();
}

// The cursor is given back however the work ends.
struct Occupato {
  Occupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Occupato() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

QString Errata() {
  return QCoreApplication::translate("Frase",
                                     "Passphrase errata, oppure i dati sono stati alterati");
}

std::optional<Crypta::Segreto> Chiedi(QWidget* padre, bool conferma) {
  Piattaforma& p = Piattaforma::Attuale();
  for (;;) {
    std::optional<Piattaforma::Frase> f = p.ChiediPassphrase(padre, conferma);
    if (!f) return std::nullopt;
    const bool vuota = f->passphrase.isEmpty();
    const bool diverse = conferma && f->passphrase != f->ripetuta;
    if (!vuota && !diverse) {
      QByteArray utf8 = f->passphrase.toUtf8();
      Crypta::Segreto byte(utf8.constData(), size_t(utf8.size()));
      utf8.fill('\0');
      Cancella(f->passphrase);
      Cancella(f->ripetuta);
      return std::optional<Crypta::Segreto>(std::move(byte));
    }
    Cancella(f->passphrase);
    Cancella(f->ripetuta);
    p.Messaggio(
        padre,
        vuota ? QCoreApplication::translate("Frase", "La passphrase è vuota: digitarla di nuovo.")
              : QCoreApplication::translate(
                    "Frase", "Le due passphrase non coincidono: digitarle di nuovo."));
  }
}

void Attendi(const std::function<void()>& lavoro) {
  const Occupato occupato;
  Piattaforma::Attuale().Attendi(lavoro);
}

}  // namespace Frase
