// The hide command: the window's checks on the carrier and the payload, then
// one hide of the engine, in place or into a new copy of the carrier.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "Barra.h"
#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Segnali.h"
#include "Testo.h"

namespace Cli {

namespace {

constexpr size_t kMaxStringa = 65536;  // the window's string box holds no more
const char* const kTroppoGrande = "Attenzione !!\nFile troppo grande";

// What goes to the engine: the codes of a text, or an open file.
struct Dati {
  std::string codici;
  std::optional<Crypta::File> file;
  int64_t lunghezza = 0;
  Crypta::Carico Carico() const {
    return file ? Crypta::Carico::DiAperto(*file) : Crypta::Carico::DiByte(codici);
  }
};

Dati DaTesto(const std::string& utf8, double capienza) {
  Dati d;
  char32_t errato = 0;
  // Lines end in CR LF in the carrier, as a Windows text box holds them.
  if (!Crypta::Utf8ACodici(Crypta::CapoCRLF(utf8), d.codici, &errato))
    Rifiuta("La stringa contiene un carattere che non si può nascondere (" + NomeCarattere(errato) +
            ").");
  if (Caratteri(utf8) > kMaxStringa)
    Rifiuta("La stringa è troppo lunga: al massimo " + std::to_string(kMaxStringa) + " caratteri.");
  if (double(d.codici.size()) > capienza)
    Rifiuta("La stringa è troppo lunga: occupa " + std::to_string(d.codici.size()) +
            " byte, la bitmap ne contiene al massimo " + Numero(capienza) + ".");
  d.lunghezza = int64_t(d.codici.size());
  return d;
}

// The window's rule: the name (without its folder) and the content together
// must stay below the capacity, though only the content is hidden. The file
// stays open from the check to the hide.
Dati DaFile(const std::string& path, double capienza) {
  Dati d;
  d.file.emplace(Crypta::File::Apri(path, Crypta::File::Modo::Lettura));
  const std::string nome = Crypta::NomeDi(path);
  d.lunghezza = d.file->Dimensione();
  if (d.lunghezza > std::numeric_limits<int32_t>::max() ||
      double(Caratteri(nome)) + double(d.lunghezza) >= capienza)
    Rifiuta(kTroppoGrande);
  return d;
}

// Standard input has no name, so its bytes may fill the capacity. It is held
// in a file that nothing can see and that vanishes with the process however
// it ends; reading stops one byte past the capacity.
Dati DaStandardInput(double capienza) {
  const int64_t limite =
      static_cast<int64_t>(std::min<double>(capienza, std::numeric_limits<int32_t>::max()));
  Dati d;
  d.file.emplace(Crypta::File::Temporaneo(Crypta::CartellaTemporanea()));
  std::vector<char> blocco(size_t{1} << 20);
  while (d.lunghezza <= limite) {
    if (SegnaleRicevuto() != 0)
      throw Crypta::Errore("Operazione interrotta.", Crypta::Genere::Annullata);
    if (!AttendiIngresso()) continue;  // a signal: seen above
    const std::optional<size_t> letti = StandardInput().LeggiParte(blocco.data(), blocco.size());
    if (!letti) continue;
    if (*letti == 0) break;
    d.file->ScriviA(d.lunghezza, blocco.data(), *letti);
    d.lunghezza += int64_t(*letti);
  }
  if (d.lunghezza > limite) Rifiuta(kTroppoGrande);
  return d;
}

}  // namespace

void Nascondi(const OpzioniNascondi& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso("Argomento non previsto: \"" + o.trattino +
              "\" (un file da nascondere si indica con -f FILE, lo standard input con -).");
  if (int{o.conTesto} + int{o.conFile} + int{o.conTrattino} != 1)
    ErroreUso("Indicare una e una sola sorgente: -t TESTO, -f FILE oppure - (standard input).");
  const std::string chiave = ChiaveDa(o.chiave, o.conTrattino);
  // Before standard input is read: a copy never replaces a file.
  if (o.conCopia && Crypta::File::Esiste(o.copia)) Crypta::ErroreFile(o.copia, "creare", EEXIST);

  const Crypta::Analisi a = Carica(o.bitmap, Nbit);
  if (a.Compressa())
    Rifiuta("Formato file non valido\nLa bitmap non può accogliere dati: " + a.Perche() + ".");
  const double capienza = a.campi.BytesUtilizzabili;
  if (!(capienza > 0)) Rifiuta("Bitmap di dimensioni insufficienti");

  const Dati dati = o.conTesto  ? DaTesto(o.testo, capienza)
                    : o.conFile ? DaFile(o.file, capienza)
                                : DaStandardInput(capienza);
  Crypta::Richiesta r;
  r.carrier = o.bitmap;
  r.Nbit = Nbit;
  r.chiave = chiave;
  r.carico = dati.Carico();
  r.lunghezza = dati.lunghezza;
  if (o.conCopia) r.copia = o.copia;
  Barra barra("Nascondo");
  barra.Inizio(dati.lunghezza);
  Crypta::Nascondi(r, Osserva(barra));
}

}  // namespace Cli
