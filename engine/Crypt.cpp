// CryptBitmap, the design's hide: the window's hooks as the observer of one
// hide, and the key state set as the design keeps it.
#include "Avanzamento.h"
#include "Interno.h"
#include "Lingua.h"
#include "Operazioni.h"

namespace Crypta {

void CryptBitmap(const std::string& Path, double Offset, int32_t Lunghezza,
                 const std::string& Dati, bool Testo, const std::string& Chiave, int16_t Nbit) {
  if (!NbitValido(Nbit))
    throw Errore(Tr("Numero di bit per byte non valido: usare 1, 2, 4 o 8."), Genere::Argomento);
  if (Lunghezza < 0)
    throw Errore(Tr("Lunghezza dei dati da nascondere non valida."), Genere::Argomento);
  PreparaChiave(Chiave);

  Richiesta r;
  r.carrier = Path;
  r.Nbit = Nbit;
  r.chiave = Chiave;
  r.carico = Testo ? Carico::DiByte(Dati) : Carico::DiFile(Dati);
  r.lunghezza = Lunghezza;
  r.offset = Offset;
  Osservatore o;
  o.Avanzamento = [](int figura) {
    if (Finestra.TxtPerc2) Finestra.TxtPerc2(Avanzamento::Testo(figura));
  };
  o.Eventi = [] {
    if (Finestra.DoEvents) Finestra.DoEvents();
  };
  Nascondi(r, o);
}

}  // namespace Crypta
