// The reveal command: one call of the engine, which appends the payload to a
// file; for standard output that file is a temporary one, streamed out after,
// as raw bytes or as UTF-8 text.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Closes a descriptor on every way out.
struct Descrittore {
  int fd;
  ~Descrittore() {
    if (fd >= 0) ::close(fd);
  }
};

// The stored length, gathered as the engine gathers it, only to tell whether
// a progress bar is worth showing; -1 when there is no valid one.
int64_t LunghezzaNascosta(const std::string& path, int16_t Nbit, const std::string& chiave) {
  const Descrittore f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  std::vector<unsigned char> byte(static_cast<size_t>(4 * (8 / Nbit)));
  const auto offset = static_cast<off_t>(Crypta::BmpHeader.OffsetDati);
  if (f.fd < 0 || ::pread(f.fd, byte.data(), byte.size(), offset) != ssize_t(byte.size()))
    return -1;
  std::string bit;
  for (const unsigned char b : byte) bit += Crypta::DecToBin(b, 1, false).substr(8 - size_t(Nbit));
  Crypta::PreparaChiave(chiave);
  try {
    return Crypta::BinToDec(bit, true);
  } catch (const Crypta::Overflow&) {
    return -1;
  }
}

// Appending the payload to the carrier itself would change a file that a
// reveal only reads.
void ControllaUscita(const std::string& bitmap, const std::string& uscita) {
  struct stat a, b;
  if (::stat(bitmap.c_str(), &a) == 0 && ::stat(uscita.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
      a.st_ino == b.st_ino)
    ErroreFile("Il file di uscita \"" + uscita + "\" non può essere la bitmap stessa.");
}

// Streams the revealed bytes to standard output. As text, the codes become
// UTF-8 and each CR LF a LF; a CR that ends a block waits for the next one,
// which may begin with its LF.
void Emetti(const std::string& path, bool testo) {
  const Descrittore f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (f.fd < 0) ErroreFile(MessaggioFile(path, "leggere", errno));
  std::vector<char> blocco(size_t{1} << 20);
  std::string resto;
  for (;;) {
    const ssize_t letti = ::read(f.fd, blocco.data(), blocco.size());
    if (letti < 0 && errno == EINTR) continue;
    if (letti < 0) ErroreFile(MessaggioFile(path, "leggere", errno));
    if (letti == 0) break;
    if (!testo) {
      ScriviUscita(std::string_view(blocco.data(), size_t(letti)));
      continue;
    }
    std::string parte = resto + std::string(blocco.data(), size_t(letti));
    resto.clear();
    if (parte.back() == '\r') {
      resto = "\r";
      parte.pop_back();
    }
    ScriviUscita(Crypta::CodiciAUtf8(Crypta::CapoLF(parte)));
  }
  ScriviUscita(Crypta::CodiciAUtf8(resto));
  ChiudiUscita();
}

}  // namespace

void Rivela(const OpzioniRivela& o) {
  const int16_t Nbit = LeggiBit(o.bit);
  if (o.conTrattino && o.trattino != "-")
    ErroreUso("Argomento non previsto: \"" + o.trattino +
              "\" (un file di uscita si indica con -o FILE, lo standard output con -).");
  if (int{o.testo} + int{o.conUscita} + int{o.conTrattino} != 1)
    ErroreUso("Indicare una e una sola uscita: -t (testo), -o FILE oppure - (standard output).");
  const std::string chiave = ChiaveDa(o.chiave);
  ControllaFile(o.bitmap, false);
  if (o.conUscita) ControllaUscita(o.bitmap, o.uscita);
  CaricaHeader(o.bitmap, Nbit);
  const int64_t lunghezza = LunghezzaNascosta(o.bitmap, Nbit, chiave);

  // Text goes through the engine's file mode as well: the bytes are the same,
  // a hidden text "False" cannot be mistaken for a refusal, and a long text
  // is never held in memory.
  std::optional<FileDaRimuovere> temporaneo;
  if (!o.conUscita) temporaneo.emplace(CreaTemporaneo());
  const std::string& uscita = temporaneo ? temporaneo->Path() : o.uscita;
  std::string esito;
  {
    Barra barra("Estraggo", lunghezza, Crypta::Finestra.TxtPerc);
    esito = Crypta::DeCryptBitmap(o.bitmap, chiave, Nbit, false, uscita);
    if (esito == "True") barra.Completa();
  }
  if (esito != "True")
    Rifiuta("False: nessun dato nascosto leggibile con questa chiave e questo numero di bit.");
  if (temporaneo) Emetti(temporaneo->Path(), o.testo);
}

}  // namespace Cli
