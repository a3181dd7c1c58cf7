// DeCryptBitmap, the design's reveal: the header record read for this
// carrier, the window's hooks as the observer of one reveal, and the results
// "True" and "False".
#include "Avanzamento.h"
#include "Interno.h"
#include "Lingua.h"
#include "Operazioni.h"

namespace Crypta {

namespace {

// Gives the window back on every way out of the reveal.
struct RiabilitaFinestra {
  ~RiabilitaFinestra() {
    if (Finestra.Abilita) Finestra.Abilita(true);
  }
};

}  // namespace

std::string DeCryptBitmap(const std::string& Path, const std::string& Chiave, int16_t Nbit,
                          bool Testo, const std::string& Uscita) {
  const RiabilitaFinestra riabilita;
  if (!NbitValido(Nbit))
    throw Errore(Tr("Numero di bit per byte non valido: usare 1, 2, 4 o 8."), Genere::Argomento);
  // A file that is no carrier reveals nothing, rather than reading at the
  // offset and capacity that another carrier left in the record.
  if (!LeggiHeader(Path, Nbit)) return "False";
  PreparaChiave(Chiave);

  Osservatore o;
  o.Inizio = [](int64_t L) {
    if (L > 0 && Finestra.Abilita) Finestra.Abilita(false);
  };
  o.Avanzamento = [](int figura) {
    if (Finestra.TxtPerc) Finestra.TxtPerc(Avanzamento::Testo(figura));
  };
  if (Testo) {
    DestinazioneMemoria memoria;
    return Rivela(Path, Chiave, Nbit, memoria, o).trovato ? memoria.dati : "False";
  }
  DestinazioneFile file(Uscita);
  return Rivela(Path, Chiave, Nbit, file, o).trovato ? "True" : "False";
}

}  // namespace Crypta
