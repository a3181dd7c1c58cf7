// The scan command: the plausible payloads of a carrier without its key or
// bit count, the likeliest first, each with a key that reveals it; and the
// extraction of one of them into a new file.
#include <cerrno>
#include <cstdio>
#include <string>

#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Scansione.h"
#include "Segnali.h"
#include "Testo.h"

namespace Cli {

namespace {

constexpr size_t kMostrati = 5;    // candidates listed
constexpr size_t kAnteprima = 40;  // characters of each preview

// A key that reduces to mask K and is easy to type: one letter or digit, two
// of them, or one accented letter of Windows-1252 with one of them.
std::string ChiaveDi(uint8_t K) {
  if (K == 0) return "";
  std::string facili;
  for (char c = 'a'; c <= 'z'; ++c) facili += c;
  for (char c = 'A'; c <= 'Z'; ++c) facili += c;
  for (char c = '0'; c <= '9'; ++c) facili += c;
  for (const char c : facili)
    if (uint8_t(c) == K) return std::string(1, c);
  for (const char a : facili)
    for (const char b : facili)
      if (uint8_t(a ^ b) == K) return std::string{a, b};
  for (int l = 0xC0; l <= 0xFF; ++l) {
    if (l == 0xD7 || l == 0xF7) continue;  // × and ÷
    if (l == K) return std::string(1, char(l));
    for (const char a : facili)
      if (uint8_t(a ^ l) == K) return std::string{a, char(l)};
  }
  return std::string(1, char(K));
}

// The payload's first characters on one line: line ends and tabs as blanks,
// codes that show nothing as dots.
std::string Anteprima(const Crypta::Candidato& c) {
  std::string codici;
  for (const char ch : c.inizio) {
    if (codici.size() == kAnteprima) break;
    const auto u = uint8_t(ch);
    codici += u == '\r' || u == '\n' || u == '\t'                                          ? ' '
              : u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0 && u != 0x80 && u != 0x99) ? '.'
                                                                                           : ch;
  }
  std::string testo = Crypta::CodiciAUtf8(codici);
  if (c.lunghezza > int64_t(codici.size())) testo += "…";
  return testo;
}

std::string Riga(size_t n, const Crypta::Candidato& c) {
  char maschera[8];
  std::snprintf(maschera, sizeof maschera, "0x%02X", c.maschera);
  return std::to_string(n) + ". " + std::to_string(c.Nbit) + " bit, chiave \"" +
         Crypta::CodiciAUtf8(ChiaveDi(c.maschera)) + "\" (maschera " + maschera + "), " +
         std::to_string(c.lunghezza) + " byte, " + c.tipo + ": " + Anteprima(c) + "\n";
}

Crypta::Osservatore Interrompibile() {
  Crypta::Osservatore o;
  o.Annullare = [] { return SegnaleRicevuto() != 0; };
  return o;
}

}  // namespace

void Scansiona(const OpzioniScan& o) {
  if (o.conRivela != o.conUscita)
    ErroreUso("Per estrarre un candidato indicare sia --reveal N sia -o FILE.");
  if (o.conUscita && Crypta::File::Esiste(o.uscita)) Crypta::ErroreFile(o.uscita, "creare", EEXIST);
  Carica(o.bitmap, 1, true);
  const std::vector<Crypta::Candidato> trovati = Crypta::Scansiona(o.bitmap, Interrompibile());
  if (trovati.empty())
    Rifiuta(
        "Nessun dato nascosto riconoscibile: a nessun numero di bit e con nessuna chiave "
        "compare un testo o un file di tipo noto.");
  if (!o.conRivela) {
    for (size_t i = 0; i < trovati.size() && i < kMostrati; ++i)
      ScriviUscita(Riga(i + 1, trovati[i]));
    if (trovati.size() > kMostrati)
      ScriviUscita("(e altri " + std::to_string(trovati.size() - kMostrati) + " meno probabili)\n");
    ChiudiUscita();
    return;
  }
  if (o.rivela < 1 || size_t(o.rivela) > trovati.size())
    ErroreUso("Il candidato " + std::to_string(o.rivela) + " non c'è: la scansione ne ha trovati " +
              std::to_string(trovati.size()) + ".");
  const Crypta::Candidato& c = trovati[size_t(o.rivela - 1)];
  Crypta::DestinazioneNuova uscita(o.uscita);
  if (!Crypta::Rivela(o.bitmap, ChiaveDi(c.maschera), c.Nbit, uscita, Interrompibile()).trovato)
    throw Crypta::Errore("La bitmap \"" + o.bitmap + "\" è cambiata durante l'operazione.",
                         Crypta::Genere::File);
  ScriviUscita(Riga(size_t(o.rivela), c));
  ChiudiUscita();
}

}  // namespace Cli
