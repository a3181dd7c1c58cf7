// The hide with a passphrase into the stealth layout, which detectors cannot
// tell from a clean picture, when the payload fits its safe capacity: the
// two key derivations and the coding run away from the window's thread,
// the progress figure coming back through the window's events.
#include <QLineEdit>
#include <QMetaObject>

#include "Codici.h"
#include "File.h"
#include "Frase.h"
#include "Segreto.h"
#include "TabCrypt.h"
#if TAVELIN_FURTIVO
#include "OperazioniFurtive.h"
#endif

bool TabCrypt::Invisibile(const QString& carrier, bool testo, const std::string& dati,
                          int64_t lunghezza, const Crypta::Segreto& frase) {
#if TAVELIN_FURTIVO
  const std::string path = Codici::Percorso(carrier);
  const Crypta::Analisi a = Crypta::Analizza(path, nbit_);
  const std::string nome = testo ? std::string() : Crypta::NomeDi(dati);
  if (!Crypta::OstacoloFurtivo(a).empty() || lunghezza > Crypta::CapienzaFurtiva(a, nome.size()))
    return false;
  Crypta::RichiestaFurtiva r;
  r.carrier = path;
  r.passphrase.assign(reinterpret_cast<const char*>(frase.Dati()), frase.Lunghezza());
  r.carico = testo ? Crypta::Carico::DiByte(dati) : Crypta::Carico::DiFile(dati);
  r.nome = nome;
  Crypta::Osservatore o;
  o.Avanzamento = [this](int figura) {
    QMetaObject::invokeMethod(
        TxtPerc2, [this, figura] { TxtPerc2->setText(QStringLiteral(" %1%").arg(figura)); },
        Qt::QueuedConnection);
  };
  emit Stato(tr("Derivazione delle chiavi dalla passphrase in corso…"));
  struct Pulizia {
    std::string& s;
    ~Pulizia() { Crypta::Cancella(s.data(), s.size()); }
  } pulizia{r.passphrase};
  Frase::Attendi([&] { Crypta::NascondiFurtivo(r, o); });
  return true;
#else
  static_cast<void>(carrier), static_cast<void>(testo), static_cast<void>(dati);
  static_cast<void>(lunghezza), static_cast<void>(frase);
  return false;
#endif
}
