#include "Diagnosi.h"

#include <cctype>

#include "Comune.h"
#include "Decodifica.h"

namespace Cli {

namespace {

constexpr size_t kIntestazione = 54;
#ifdef _WIN32
const char* const kSeparatori = "/\\";
#else
const char* const kSeparatori = "/";
#endif

// A path as a shell takes it: bare when nothing in it is special.
std::string Citato(const std::string& path) {
  bool semplice = !path.empty();
  for (const char c : path)
    if (!std::isalnum(static_cast<unsigned char>(c)) &&
        std::string("_./-+,:@%").find(c) == std::string::npos)
      semplice = false;
  if (semplice) return path;
  std::string citato = "'";
  for (const char c : path) citato += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return citato + "'";
}

// The picture's name with ".bmp", or a name beside it that is not taken.
std::string NomeCarrier(const std::string& path) {
  const size_t barra = path.find_last_of(kSeparatori);
  const size_t punto = path.find_last_of('.');
  const bool estensione =
      punto != std::string::npos && punto > (barra == std::string::npos ? 0 : barra + 1);
  const std::string base = estensione ? path.substr(0, punto) : path;
  std::string nome = base + ".bmp";
  for (int n = 1; nome == path || Crypta::File::Esiste(nome); ++n)
    nome = base + "-appoggio" + (n == 1 ? "" : "-" + std::to_string(n)) + ".bmp";
  return nome;
}

std::string Perche(const Crypta::Analisi& a, bool leggibile) {
  using E = Crypta::Analisi::Esito;
  const Crypta::Intestazione& h = a.campi;
  if (a.letti == 0) return "Il file è vuoto.";
  if (a.esito != E::Firma && a.letti < kIntestazione)
    return "Il file è troppo corto per una bitmap: " + std::to_string(a.letti) +
           " byte, meno dei 54 dell'intestazione.";
  if (a.esito == E::Dimensione)
    return "La dimensione dichiarata (" + Numero(h.DimensioneFile) +
           " byte) non supera l'inizio dei pixel (" + Numero(h.OffsetDati) + ").";
  if (a.esito == E::Header)
    return "È una bitmap con un'intestazione di " + Numero(h.LunghezzaHeader) +
           " byte: ne serve una di 40.";
  const std::string formato = Formato(a.byte.data(), a.letti);
  if (!formato.empty())
    return "È un'immagine " + formato + ", non una bitmap" +
           (leggibile ? "." : "; prepare non legge questo formato.");
  // The library's one format without a signature of its own.
  if (leggibile) return "È un'immagine TGA, non una bitmap.";
  return "Non è una bitmap né un'immagine di un formato conosciuto.";
}

}  // namespace

std::string ComandoPrepara(const std::string& path) {
  return "tavelin-cli prepare " + Citato(path) + " -o " + Citato(NomeCarrier(path));
}

std::string Diagnosi(const std::string& path, const Crypta::Analisi& a) {
  const std::optional<Crypta::File> f = Crypta::File::ProvaApri(path);
  const bool leggibile = f && a.letti > 0 && Leggibile(*f);
  std::string riga = Perche(a, leggibile);
  if (leggibile) riga += " Per convertirla: " + ComandoPrepara(path);
  return riga;
}

}  // namespace Cli
