// The hide command: the window's checks on the carrier and the payload, then
// one call of the engine, in place or on a new copy of the carrier.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "Barra.h"
#include "Comandi.h"
#include "Comune.h"
#include "Crypta.h"
#include "Esito.h"
#include "FileTemporanei.h"
#include "Testo.h"

namespace Cli {

namespace {

constexpr size_t kMaxStringa = 65536;  // the window's string box holds no more
const char* const kTroppoGrande = "Attenzione !!\nFile troppo grande";

// What goes to the engine: the codes of a text, or the path of a file.
struct Carico {
  std::string dati;
  bool testo = true;
  int32_t lunghezza = 0;
  std::optional<FileDaRimuovere> temporaneo;  // standard input, spooled
};

Carico DaTesto(const std::string& utf8, double capienza) {
  Carico c;
  char32_t errato = 0;
  // Lines end in CR LF in the carrier, as a Windows text box holds them.
  if (!Crypta::Utf8ACodici(Crypta::CapoCRLF(utf8), c.dati, &errato))
    Rifiuta("La stringa contiene un carattere che non si può nascondere (" + NomeCarattere(errato) +
            ").");
  if (Caratteri(utf8) > kMaxStringa)
    Rifiuta("La stringa è troppo lunga: al massimo " + std::to_string(kMaxStringa) + " caratteri.");
  if (double(c.dati.size()) > capienza)
    Rifiuta("La stringa è troppo lunga: occupa " + std::to_string(c.dati.size()) +
            " byte, la bitmap ne contiene al massimo " + Numero(capienza) + ".");
  c.lunghezza = static_cast<int32_t>(c.dati.size());
  return c;
}

// The window's rule: the name (without its folder) and the content together
// must stay below the capacity, though only the content is hidden.
Carico DaFile(const std::string& path, double capienza) {
  ControllaFile(path, false);
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) ErroreFile(MessaggioFile(path, "leggere", errno));
  const size_t barra = path.find_last_of('/');
  const std::string nome = barra == std::string::npos ? path : path.substr(barra + 1);
  const int64_t dimensione = st.st_size;
  const double necessari = double(Caratteri(nome)) + double(dimensione);
  if (dimensione > std::numeric_limits<int32_t>::max() || necessari >= capienza)
    Rifiuta(kTroppoGrande);
  Carico c;
  c.dati = path;
  c.testo = false;
  c.lunghezza = static_cast<int32_t>(dimensione);
  return c;
}

// Standard input has no name, so its bytes may fill the capacity. It is
// spooled to a temporary file, which the engine reads like any payload file,
// and reading stops one byte past the capacity.
Carico DaStandardInput(double capienza) {
  const int64_t limite =
      static_cast<int64_t>(std::min<double>(capienza, std::numeric_limits<int32_t>::max()));
  Carico c;
  c.temporaneo.emplace(CreaTemporaneo());
  const std::string& path = c.temporaneo->Path();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) ErroreFile(MessaggioFile(path, "scrivere", errno));
  std::vector<char> blocco(size_t{1} << 20);
  int64_t totale = 0;
  int err = 0;
  while (err == 0 && totale <= limite) {
    const ssize_t letti = ::read(STDIN_FILENO, blocco.data(), blocco.size());
    if (letti < 0 && errno == EINTR) continue;
    if (letti < 0) {
      err = errno;
      break;
    }
    if (letti == 0) break;
    for (ssize_t scritti = 0; err == 0 && scritti < letti;) {
      const ssize_t r = ::write(fd, blocco.data() + scritti, static_cast<size_t>(letti - scritti));
      if (r < 0 && errno != EINTR) err = errno;
      if (r > 0) scritti += r;
    }
    totale += letti;
  }
  const bool chiuso = ::close(fd) == 0;
  if (err == 0 && !chiuso) err = errno;
  if (err != 0) ErroreFile(MessaggioFile(path, "scrivere", err));
  if (totale > limite) Rifiuta(kTroppoGrande);
  c.dati = path;
  c.testo = false;
  c.lunghezza = static_cast<int32_t>(totale);
  return c;
}

}  // namespace

void Nascondi(const OpzioniNascondi& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso("Argomento non previsto: \"" + o.trattino +
              "\" (un file da nascondere si indica con -f FILE, lo standard input con -).");
  if (int{o.conTesto} + int{o.conFile} + int{o.conTrattino} != 1)
    ErroreUso("Indicare una e una sola sorgente: -t TESTO, -f FILE oppure - (standard input).");
  const std::string chiave = ChiaveDa(o.chiave);
  struct stat st;
  if (o.conCopia && ::lstat(o.copia.c_str(), &st) == 0)
    ErroreFile("Il file \"" + o.copia + "\" esiste già: non viene sovrascritto.");

  // In place, the carrier must take writes; a copy only needs it readable.
  ControllaFile(o.bitmap, !o.conCopia);
  CaricaHeader(o.bitmap, Nbit);
  const double capienza = Crypta::BmpHeader.BytesUtilizzabili;
  const double offset = Crypta::BmpHeader.OffsetDati;
  if (!(capienza > 0)) Rifiuta("Bitmap di dimensioni insufficienti");

  const Carico carico = o.conTesto  ? DaTesto(o.testo, capienza)
                        : o.conFile ? DaFile(o.file, capienza)
                                    : DaStandardInput(capienza);

  std::optional<FileDaRimuovere> copia;
  if (o.conCopia) copia.emplace(CreaCopia(o.bitmap, o.copia));
  const std::string& destinazione = copia ? copia->Path() : o.bitmap;
  {
    Barra barra("Nascondo", carico.lunghezza, Crypta::Finestra.TxtPerc2);
    Crypta::CryptBitmap(destinazione, offset, carico.lunghezza, carico.dati, carico.testo, chiave,
                        Nbit);
    barra.Completa();
  }
  if (copia) copia->Tieni();
}

}  // namespace Cli
