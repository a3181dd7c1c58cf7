#include "Comune.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "Barra.h"
#include "Comandi.h"
#include "Esito.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Segnali.h"
#include "Spiega.h"
#include "Testo.h"

namespace Cli {

namespace {

// The bytes of a file's final line end, if it has one.
size_t FineRiga(const Crypta::Segreto& s) {
  const size_t n = s.Lunghezza();
  if (n == 0 || s.Dati()[n - 1] != '\n') return 0;
  return n >= 2 && s.Dati()[n - 2] == '\r' ? 2 : 1;
}

}  // namespace

const char* const kSenzaCifratura =
    N_("Questa versione di tavelin-cli è compilata senza cifratura (manca libsodium): --encrypt e "
       "decrypt non sono disponibili.");

int16_t LeggiBit(const std::string& testo) {
  if (testo == "1" || testo == "2" || testo == "4" || testo == "8")
    return static_cast<int16_t>(testo[0] - '0');
  ErroreUso(Crypta::Componi(_("Numero di bit per byte non valido: \"%1\" (usare 1, 2, 4 o 8)."),
                            {testo}));
}

std::string Chiave(const std::string& utf8) {
  std::string codici;
  char32_t errato = 0;
  if (!Crypta::Utf8ACodici(utf8, codici, &errato))
    ErroreUso(Crypta::Componi(_("La chiave contiene un carattere non ammesso (%1)."),
                              {NomeCarattere(errato)}));
  if (codici.size() > kMaxChiave)
    ErroreUso(Crypta::Componi(_("La chiave è troppo lunga: al massimo %1 caratteri."),
                              {std::to_string(kMaxChiave)}));
  return codici;
}

std::string ChiaveDa(const OpzioniChiave& o, bool datiDaStandardInput) {
  if (o.conTesto && o.conFile)
    ErroreUso(_("Indicare la chiave con -k oppure con --key-file, non con entrambi."));
  if (!o.conFile) return Chiave(o.testo);
  const Crypta::File f = Crypta::File::ApriFlusso(o.file);
  // Reading the key there would take the payload's first bytes for it.
  if (datiDaStandardInput && f.StessoFile(StandardInput()))
    ErroreUso(Crypta::Componi(
        _("Il file della chiave \"%1\" è lo standard input, che porta già i dati da nascondere."),
        {o.file}));
  const Crypta::Segreto s = ContenutoDi(
      f, kMassimoFileChiave,
      Crypta::Componi(_("Il file della chiave \"%1\" è troppo grande: se ne accettano al "
                        "massimo %2 byte."),
                      {o.file, std::to_string(kMassimoFileChiave)}));
  const std::string testo(reinterpret_cast<const char*>(s.Dati()), s.Lunghezza());
  if (testo.find('\n') != std::string::npos)
    ErroreUso(Crypta::Componi(
        _("Il file della chiave \"%1\" ha più di una riga: la chiave sta su una riga sola."),
        {o.file}));
  return Chiave(testo);
}

Crypta::Segreto ContenutoDi(const Crypta::File& f, size_t massimo, const std::string& troppo) {
  Crypta::Segreto s(massimo + 1);
  s.Ridimensiona(s.Capienza());
  size_t n = 0;
  while (n < s.Capienza()) {
    const std::optional<size_t> r = f.LeggiParte(s.Dati() + n, s.Capienza() - n);
    if (!r) {
      if (SegnaleRicevuto() != 0)
        throw Crypta::Errore(_("Operazione interrotta."), Crypta::Genere::Annullata);
      continue;
    }
    if (*r == 0) break;
    n += *r;
  }
  if (n > massimo) ErroreUso(troppo);
  s.Ridimensiona(n);
  s.Ridimensiona(n - FineRiga(s));
  return s;
}

void FileDistinti(const OpzioniChiave& chiave, const OpzioniCifra& cifra) {
  if (!chiave.conFile || !cifra.conFile) return;
#ifdef _WIN32
  const bool stesso = chiave.file == cifra.file;
#else
  // Compared by name, not opened: opening a pipe twice would lose its bytes.
  struct stat a {
  }, b{};
  const bool stesso = chiave.file == cifra.file || (::stat(chiave.file.c_str(), &a) == 0 &&
                                                    ::stat(cifra.file.c_str(), &b) == 0 &&
                                                    a.st_dev == b.st_dev && a.st_ino == b.st_ino);
#endif
  if (stesso)
    ErroreUso(Crypta::Componi(_("--key-file e --passphrase-file indicano lo stesso file (\"%1\" "
                                "e \"%2\"): la chiave e la passphrase si leggono da due file "
                                "diversi."),
                              {chiave.file, cifra.file}));
}

Crypta::Analisi Carica(const std::string& path, int16_t Nbit, bool spiega) {
  Crypta::Analisi a = Crypta::Analizza(path, Nbit);
  if (a.esito == Crypta::Analisi::Esito::Illeggibile) Crypta::ErroreFile(path, "aprire", a.errore);
  if (!a.Accettata())
    Rifiuta(spiega ? _("Formato file non valido") + std::string("\n") + Spiega(path, a)
                   : _("Formato file non valido"));
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
