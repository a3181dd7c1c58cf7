#include "Comune.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "Barra.h"
#include "Comandi.h"
#include "Esito.h"
#include "Segnali.h"
#include "Spiega.h"
#include "Testo.h"

namespace Cli {

namespace {

// A key file holds the key on its first line; the line end is not part of
// it, as a key box has no line breaks.
std::string PrimaRiga(std::string testo) {
  testo.resize(std::min(testo.size(), testo.find('\n')));
  if (!testo.empty() && testo.back() == '\r') testo.pop_back();
  return testo;
}

// The start of a small file, of a pipe such as a shell's <(...) or of a
// terminal; more than this can never be a valid key, so nothing past it is read.
std::string LeggiPoco(const Crypta::File& f) {
  std::string letto(4096, '\0');
  size_t n = 0;
  while (n < letto.size()) {
    const std::optional<size_t> r = f.LeggiParte(&letto[n], letto.size() - n);
    if (!r) {
      if (SegnaleRicevuto() != 0)
        throw Crypta::Errore("Operazione interrotta.", Crypta::Genere::Annullata);
      continue;
    }
    if (*r == 0) break;
    n += *r;
  }
  letto.resize(n);
  return letto;
}

}  // namespace

const char* const kSenzaCifratura =
    "Questa versione di tavelin-cli è compilata senza cifratura (manca libsodium): --encrypt e "
    "decrypt non sono disponibili.";

int16_t LeggiBit(const std::string& testo) {
  if (testo == "1" || testo == "2" || testo == "4" || testo == "8")
    return static_cast<int16_t>(testo[0] - '0');
  ErroreUso("Numero di bit per byte non valido: \"" + testo + "\" (usare 1, 2, 4 o 8).");
}

std::string Chiave(const std::string& utf8) {
  std::string codici;
  char32_t errato = 0;
  if (!Crypta::Utf8ACodici(utf8, codici, &errato))
    ErroreUso("La chiave contiene un carattere non ammesso (" + NomeCarattere(errato) + ").");
  if (codici.size() > kMaxChiave)
    ErroreUso("La chiave è troppo lunga: al massimo " + std::to_string(kMaxChiave) + " caratteri.");
  return codici;
}

std::string ChiaveDa(const OpzioniChiave& o, bool datiDaStandardInput) {
  if (o.conTesto && o.conFile)
    ErroreUso("Indicare la chiave con -k oppure con --key-file, non con entrambi.");
  if (!o.conFile) return Chiave(o.testo);
  const Crypta::File f = Crypta::File::ApriFlusso(o.file);
  // Reading the key there would take the payload's first bytes for it.
  if (datiDaStandardInput && f.StessoFile(StandardInput()))
    ErroreUso("Il file della chiave \"" + o.file +
              "\" è lo standard input, che porta già i dati da nascondere.");
  return Chiave(PrimaRigaDi(f));
}

std::string PrimaRigaDi(const Crypta::File& f) {
  return PrimaRiga(LeggiPoco(f));
}

Crypta::Analisi Carica(const std::string& path, int16_t Nbit, bool spiega) {
  Crypta::Analisi a = Crypta::Analizza(path, Nbit);
  if (a.esito == Crypta::Analisi::Esito::Illeggibile) Crypta::ErroreFile(path, "aprire", a.errore);
  if (!a.Accettata())
    Rifiuta(spiega ? "Formato file non valido\n" + Spiega(path, a) : "Formato file non valido");
  return a;
}

Crypta::Osservatore Osserva(Barra& barra) {
  Crypta::Osservatore o;
  o.Inizio = [&barra](int64_t L) { barra.Inizio(L); };
  o.Avanzamento = [&barra](int figura) { barra.Figura(figura); };
  o.Annullare = [] { return SegnaleRicevuto() != 0; };
  return o;
}

std::string Numero(double valore) {
  char testo[64];
  std::snprintf(testo, sizeof testo, "%.0f", valore == 0 ? 0.0 : std::floor(valore));
  return testo;
}

size_t Caratteri(std::string_view utf8) {
  size_t n = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string NomeCarattere(char32_t c) {
  char testo[16];
  std::snprintf(testo, sizeof testo, "U+%04X", static_cast<unsigned>(c));
  return testo;
}

void ScriviUscita(std::string_view dati) {
  if (dati.empty()) return;
  if (std::fwrite(dati.data(), 1, dati.size(), stdout) != dati.size())
    Crypta::ErroreFile("standard output", "scrivere", errno);
}

void ChiudiUscita() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    Crypta::ErroreFile("standard output", "scrivere", errno);
}

const Crypta::File& StandardInput() {
  static const Crypta::File f = Crypta::File::Descrittore(0, "standard input");
  return f;
}

const Crypta::File& StandardOutput() {
  static const Crypta::File f = Crypta::File::Descrittore(1, "standard output");
  return f;
}

}  // namespace Cli
