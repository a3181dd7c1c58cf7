// The scan command: the plausible payloads of a carrier without its key or
// bit count, the likeliest first, each with a key that reveals it; and the
// extraction of one of them into a new file.
#include <cerrno>
#include <cstdio>
#include <string>

#include "Comandi.h"
#include "Comune.h"
#include "Esito.h"
#include "Lingua.h"
#include "Lingue.h"
#include "Scansione.h"
#include "Segnali.h"
#include "Testo.h"

namespace Cli {

namespace {

constexpr size_t kMostrati = 5;    // candidates listed
constexpr size_t kAnteprima = 40;  // characters of each preview

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
  const std::string bit =
      Crypta::Componi(P_("%1 bit", "%1 bit", unsigned(c.Nbit)), {std::to_string(c.Nbit)});
  const std::string byte =
      Crypta::Componi(P_("%1 byte", "%1 byte", static_cast<unsigned long>(c.lunghezza)),
                      {std::to_string(c.lunghezza)});
  return Crypta::Componi(_("%1. %2, chiave \"%3\" (maschera %4), %5, %6: %7"),
                         {std::to_string(n), bit, Crypta::CodiciAUtf8(Crypta::ChiaveDi(c.maschera)),
                          maschera, byte, c.tipo, Anteprima(c)}) +
         "\n";
}

Crypta::Osservatore Interrompibile() {
  Crypta::Osservatore o;
  o.Annullare = [] { return SegnaleRicevuto() != 0; };
  return o;
}

}  // namespace

void Scansiona(const OpzioniScan& o) {
  if (o.conRivela != o.conUscita)
    ErroreUso(_("Per estrarre un candidato indicare sia --reveal N sia -o FILE."));
  if (o.conUscita && Crypta::File::Esiste(o.uscita)) Crypta::ErroreFile(o.uscita, "creare", EEXIST);
  Carica(o.bitmap, 1, true);
  const std::vector<Crypta::Candidato> trovati = Crypta::Scansiona(o.bitmap, Interrompibile());
  if (trovati.empty())
    Rifiuta(
        _("Nessun dato nascosto riconoscibile: a nessun numero di bit e con nessuna chiave "
          "compare un testo o un file di tipo noto."));
  if (!o.conRivela) {
    for (size_t i = 0; i < trovati.size() && i < kMostrati; ++i)
      ScriviUscita(Riga(i + 1, trovati[i]));
    if (trovati.size() > kMostrati)
      ScriviUscita(Crypta::Componi(P_("(e altri %1 meno probabili)", "(e altri %1 meno probabili)",
                                      trovati.size() - kMostrati),
                                   {std::to_string(trovati.size() - kMostrati)}) +
                   "\n");
    ChiudiUscita();
    return;
  }
  if (o.rivela < 1 || size_t(o.rivela) > trovati.size())
    ErroreUso(Crypta::Componi(_("Il candidato %1 non c'è: la scansione ne ha trovati %2."),
                              {std::to_string(o.rivela), std::to_string(trovati.size())}));
  const Crypta::Candidato& c = trovati[size_t(o.rivela - 1)];
  Crypta::DestinazioneNuova uscita(o.uscita);
  if (!Crypta::Rivela(o.bitmap, Crypta::ChiaveDi(c.maschera), c.Nbit, uscita, Interrompibile())
           .trovato)
    throw Crypta::Errore(
        Crypta::Componi(_("La bitmap \"%1\" è cambiata durante l'operazione."), {o.bitmap}),
        Crypta::Genere::File);
  ScriviUscita(Riga(size_t(o.rivela), c));
  ChiudiUscita();
}

}  // namespace Cli
