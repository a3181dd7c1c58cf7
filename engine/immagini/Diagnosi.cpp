#include "Diagnosi.h"

#include "Decodifica.h"
#include "Lingua.h"

namespace Crypta {

namespace {

constexpr size_t kIntestazione = 54;
#ifdef _WIN32
const char* const kSeparatori = "/\\";
#else
const char* const kSeparatori = "/";
#endif

// A header field as the info panel writes it: whole decimal digits.
std::string Cifre(double v) {
  return std::to_string(static_cast<long long>(v));
}

std::string Perche(const Analisi& a, const std::string& formato, bool leggibile) {
  using E = Analisi::Esito;
  const Intestazione& h = a.campi;
  if (a.letti == 0) return Tr("Il file è vuoto.");
  if (a.esito != E::Firma && a.letti < kIntestazione)
    return Tr("Il file è troppo corto per una bitmap: %1 byte, meno dei 54 dell'intestazione.",
              {std::to_string(a.letti)});
  if (a.esito == E::Dimensione)
    return Tr("La dimensione dichiarata (%1 byte) non supera l'inizio dei pixel (%2).",
              {Cifre(h.DimensioneFile), Cifre(h.OffsetDati)});
  if (a.esito == E::Header)
    return Tr("È una bitmap con un'intestazione di %1 byte: ne serve una di 40.",
              {Cifre(h.LunghezzaHeader)});
  if (!formato.empty() && formato != "TGA")
    return leggibile
               ? Tr("È un'immagine %1, non una bitmap.", {formato})
               : Tr("È un'immagine %1, non una bitmap; Tavelin non sa convertire questo formato.",
                    {formato});
  // The library's one format without a signature of its own.
  if (leggibile) return Tr("È un'immagine TGA, non una bitmap.");
  return Tr("Non è una bitmap né un'immagine di un formato conosciuto.");
}

}  // namespace

Diagnosi Diagnostica(const std::string& path, const Analisi& a) {
  Diagnosi d;
  const std::optional<File> f = File::ProvaApri(path);
  std::optional<Informazioni> info;
  if (f && a.letti > 0) info = Informa(*f);
  d.formato = Formato(a.byte.data(), a.letti);
  if (info) {
    d.convertibile = true;
    d.larghezza = info->larghezza;
    d.altezza = info->altezza;
    if (d.formato.empty()) d.formato = "TGA";
  }
  d.perche = Perche(a, d.formato, d.convertibile);
  return d;
}

std::string NomeBitmap(const std::string& path) {
  const size_t barra = path.find_last_of(kSeparatori);
  const size_t punto = path.find_last_of('.');
  const bool estensione =
      punto != std::string::npos && punto > (barra == std::string::npos ? 0 : barra + 1);
  const std::string base = estensione ? path.substr(0, punto) : path;
  std::string nome = base + ".bmp";
  for (int n = 1; nome == path || File::Esiste(nome); ++n)
    nome = base + "-appoggio" + (n == 1 ? "" : "-" + std::to_string(n)) + ".bmp";
  return nome;
}

}  // namespace Crypta
