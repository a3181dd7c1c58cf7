// The hide operation: every check before the first byte is written, the
// carrier locked, then the ordered writes in place or the one-pass copy.
#include <cerrno>
#include <cmath>
#include <limits>
#include <optional>

#include "Interno.h"
#include "Lingua.h"
#include "Operazioni.h"
#include "Scrittura.h"

namespace Crypta {

namespace {

constexpr double kHeader = 54;  // file header and 40-byte info header

// A produced payload as a file that the writers read once from its start,
// which is all they ever do with a payload file.
class Prodotto : public Accesso {
 public:
  Prodotto(const Carico::Produttore& p, int64_t n) : produttore_(p), n_(n) {}
  const std::string& Nome() const override { return nome_; }
  int64_t Dimensione() const override { return n_; }
  size_t LeggiA(int64_t pos, void* buf, size_t n) const override {
    if (pos != letti_ || int64_t(n) > n_ - pos)
      throw Errore(Tr("I dati da nascondere si leggono una volta sola, in ordine."),
                   Genere::Argomento);
    produttore_(static_cast<uint8_t*>(buf), n);
    letti_ += int64_t(n);
    return n;
  }
  void ScriviA(int64_t, const void*, size_t) const override {
    throw Errore(Tr("I dati da nascondere non si scrivono."), Genere::Argomento);
  }
  void Sincronizza() const override {}

 private:
  const Carico::Produttore& produttore_;
  int64_t n_;
  mutable int64_t letti_ = 0;
  std::string nome_ = Tr("dati da nascondere");
};

// The open payload file, if the payload is one, and its bytes available.
struct Dati {
  std::optional<File> proprio;  // opened here from a path
  const File* file = nullptr;
  std::optional<Prodotto> prodotto;
  int64_t disponibili = 0;
};

Dati ApriDati(const Richiesta& r) {
  const Carico& c = r.carico;
  Dati d;
  switch (c.tipo) {
    case Carico::Tipo::Byte: d.disponibili = int64_t(c.byte.size()); return d;
    case Carico::Tipo::Prodotto:
      if (r.lunghezza < 0 || !c.produttore)
        throw Errore(Tr("Dati prodotti senza lunghezza o senza produttore."), Genere::Argomento);
      d.prodotto.emplace(c.produttore, r.lunghezza);
      d.disponibili = r.lunghezza;
      return d;
    case Carico::Tipo::Percorso:
      d.proprio.emplace(File::Apri(c.percorso, File::Modo::Lettura));
      d.file = &*d.proprio;
      break;
    case Carico::Tipo::Aperto: d.file = c.aperto; break;
  }
  d.disponibili = d.file->Dimensione();
  return d;
}

int64_t Lunghezza(const Richiesta& r, const Dati& d) {
  if (r.lunghezza < -1)
    throw Errore(Tr("Lunghezza dei dati da nascondere non valida."), Genere::Argomento);
  const int64_t L = r.lunghezza < 0 ? d.disponibili : r.lunghezza;
  if (L > std::numeric_limits<int32_t>::max())
    throw Errore(
        Tr("I dati da nascondere superano i 2 GiB che il campo della lunghezza può indicare."),
        Genere::TroppoGrande);
  if (L > d.disponibili) {
    if (!d.file)
      throw Errore(Tr("La stringa da nascondere è più corta della lunghezza indicata."),
                   Genere::Argomento);
    throw Errore(Tr("Il file \"%1\" è più corto della lunghezza indicata.", {d.file->Nome()}),
                 Genere::File);
  }
  return L;
}

double Offset(const Richiesta& r, const Analisi& a) {
  const double offset = r.offset ? *r.offset : a.campi.OffsetDati;
  if (!(offset >= 0) || offset != std::floor(offset) || offset > 4294967295.0)
    throw Errore(Tr("Offset dei dati della bitmap non valido."), Genere::Argomento);
  // A stream that began inside the two headers would overwrite the very
  // fields a reveal needs to find it again.
  if (offset < kHeader)
    throw Errore(Tr("La bitmap \"%1\" dichiara i pixel dentro la propria intestazione: impossibile "
                    "nascondervi dati.",
                    {r.carrier}),
                 Genere::Rifiutata);
  return offset;
}

}  // namespace

void Nascondi(const Richiesta& r, const Osservatore& o) {
  if (!NbitValido(r.Nbit))
    throw Errore(Tr("Numero di bit per byte non valido: usare 1, 2, 4 o 8."), Genere::Argomento);
  // Every check comes before the first byte is written: a refused hide
  // leaves the carrier exactly as it was.
  const Dati dati = ApriDati(r);
  const int64_t L = Lunghezza(r, dati);

  const bool copia = !r.copia.empty();
  const File carrier = File::Apri(r.carrier, copia ? File::Modo::Lettura : File::Modo::LetturaScrittura);
  if (!carrier.Blocca(copia ? File::Blocco::Condiviso : File::Blocco::Esclusivo))
    throw Errore(Tr("La bitmap \"%1\" è in uso in un'altra operazione: riprovare quando è finita.",
                    {r.carrier}),
                 Genere::InUso);
  if (dati.file && carrier.StessoFile(*dati.file))
    throw Errore(Tr("Il file da nascondere non può essere la bitmap di appoggio stessa."),
                 Genere::Argomento);

  const Analisi a = Analizza(carrier, r.Nbit);
  if (!a.Accettata() || a.Compressa())
    throw Errore(
        Tr("Impossibile nascondere dati nella bitmap \"%1\": %2.", {r.carrier, a.Perche()}),
        Genere::Rifiutata);
  Piano p;
  p.inizio = static_cast<int64_t>(Offset(r, a));
  p.Nbit = r.Nbit;
  p.K = MascheraDi(r.chiave);
  p.L = L;
  p.dimensione = carrier.Dimensione();
  p.header = a.byte;
  const int64_t fine = p.inizio + (4 + L) * (8 / r.Nbit);
  if (double(fine) > a.campi.DimensioneFile)
    throw Errore(Tr("La bitmap \"%1\" è troppo piccola per i dati da nascondere.", {r.carrier}),
                 Genere::TroppoGrande);
  if (fine > p.dimensione)
    throw Errore(Tr("La bitmap \"%1\" è troppo piccola per i dati da nascondere: è più corta di "
                    "quanto dichiara la sua intestazione.",
                    {r.carrier}),
                 Genere::File);

  Sorgente sorgente = dati.file       ? Sorgente(*dati.file)
                      : dati.prodotto ? Sorgente(*dati.prodotto)
                                      : Sorgente(r.carico.byte);
  Avanzamento avanzamento(L, 1, o.Avanzamento);
  if (!copia) {
    ScriviInPosto(p, carrier, sorgente, o, avanzamento);
    return;
  }
  // Refused before the work rather than at the naming; the naming never
  // replaces a file that appears meanwhile either.
  if (File::Esiste(r.copia)) ErroreFile(r.copia, "creare", EEXIST);
  File risultato = File::Anonimo(r.copia, carrier.Permessi());
  ScriviCopia(p, carrier, risultato, sorgente, o, avanzamento);
  risultato.DaiNome();
  avanzamento.Fino(L);
}

}  // namespace Crypta
