#include "Decodifica.h"

#include <stb_image.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

#include "Controlli.h"
#include "Crypta.h"
#include "Lingua.h"
#include "Memoria.h"
#include "Png.h"

namespace Crypta {

namespace {

[[noreturn]] void Rifiuta(const std::string& messaggio) {
  throw Errore(messaggio, Genere::Rifiutata);
}

[[noreturn]] void Illeggibile(const File& f, const std::string& perche) {
  Rifiuta(Tr("Impossibile leggere l'immagine \"%1\": %2.", {f.Nome(), perche}));
}

// The library reads through these from one of our files, so that paths,
// errors and file kinds are the program's own. A read error ends the data
// for the library and is raised again once it has returned.
struct Lettore {
  explicit Lettore(const File& f) : file(&f) {}
  const File* file;
  int64_t pos = 0;
  bool fine = false;
  int vuote = 0;  // reads asked for once the end was reached
  std::optional<Errore> errore;
};

int Leggi(void* utente, char* dati, int n) {
  Lettore& l = *static_cast<Lettore*>(utente);
  if (n <= 0) return 0;
  if (l.fine) {
    ++l.vuote;
    return 0;
  }
  size_t letti = 0;
  try {
    letti = l.file->LeggiA(l.pos, dati, static_cast<size_t>(n));
  } catch (const Errore& e) {
    l.errore = e;
  }
  if (letti < static_cast<size_t>(n)) l.fine = true;
  // A file that ends where the library's buffer does gives nothing to its
  // next read, and the library asks no more: that read went past the end.
  if (letti == 0) ++l.vuote;
  l.pos += int64_t(letti);
  return static_cast<int>(letti);
}

void Salta(void* utente, int n) {
  Lettore& l = *static_cast<Lettore*>(utente);
  l.pos = std::max<int64_t>(0, l.pos + n);
  l.fine = l.pos >= l.file->Dimensione();
}

int Finito(void* utente) {
  return static_cast<Lettore*>(utente)->fine ? 1 : 0;
}

const stbi_io_callbacks kLettura = {Leggi, Salta, Finito};

void Libera(uint8_t* p) {
  stbi_image_free(p);
}

// The library's reasons are short English tags; the common ones in words.
std::string Ragione() {
  const char* r = stbi_failure_reason();
  const std::string tag = r ? r : "";
  if (tag == "unknown image type") return Tr("non è un'immagine in un formato conosciuto");
  if (tag == "outofmem") return Tr("memoria insufficiente per decodificarla");
  if (tag == "too large") return Tr("è troppo grande");

  return Tr("il file è danneggiato o usa una variante non supportata (%1)", {tag});
}

bool Inizia(const uint8_t* p, size_t n, const char* firma, size_t lunga) {
  return n >= lunga && std::memcmp(p, firma, lunga) == 0;
}

// Why the library refused a file whose header it could not read: its reason
// names only the last format it tried, so the signature says which it was.
std::string Scartata(const File& f) {
  uint8_t inizio[34] = {};
  const size_t n = f.LeggiA(0, inizio, sizeof inizio);
  const std::string formato = Formato(inizio, n);
  if (formato.empty()) return Ragione();
  if (formato == "BMP") {
    const unsigned compressione = n == sizeof inizio ? inizio[30] : 0;
    if (compressione == 1 || compressione == 2)
      return Tr("è una bitmap compressa (RLE), che non si sa leggere");
    return Tr("è una bitmap danneggiata o di una variante che non si sa leggere");
  }
  if (formato != "PNG" && formato != "JPEG" && formato != "GIF")
    return Tr("è un'immagine %1, un formato che non si sa leggere", {formato});
  return Tr("è un file %1 danneggiato o incompleto", {formato});
}

constexpr int64_t kMassimoPixel = int64_t{1} << 27;
constexpr uint64_t kMiB = uint64_t{1} << 20;
// What a decode may hold beyond three times its bitmap: the library's
// tables, a PNG's compressed data, a few lines; the rest of the 64 MiB that
// prepare promises is the program itself.
constexpr uint64_t kMargine = 48 * kMiB;

std::string MiB(uint64_t byte) {
  return std::to_string((byte + kMiB / 2) / kMiB) + " MiB";
}

// A bitmap stored top-down declares a negative height; the library turns
// it, but tells its header as it is.
void Raddrizza(const File& f, int* altezza) {
  uint8_t firma[2] = {};
  if (*altezza < 0 && *altezza > INT32_MIN && f.LeggiA(0, firma, 2) == 2 &&
      Formato(firma, 2) == "BMP")
    *altezza = -*altezza;
}

std::string FormatoDi(const File& f) {
  uint8_t inizio[8] = {};
  return Formato(inizio, f.LeggiA(0, inizio, sizeof inizio));
}

// The reason the file's own checks give, before the library reads it.
std::optional<std::string> Difetto(const File& f, uint64_t* memoria) {
  const std::string formato = FormatoDi(f);
  // The library takes a JPEG after any run of 0xFF, which no signature shows.
  if (formato == "JPEG" || formato.empty()) {
    auto difetto = DifettoJpeg(f, memoria);
    if (difetto || formato == "JPEG") return difetto;
  }
  if (formato == "GIF") return DifettoGif(f);
  if (formato == "PNG") return DifettoPng(f);
  if (formato == "BMP") return DifettoBmp(f);
  if (formato.empty()) return DifettoTga(f);
  return std::nullopt;
}

}  // namespace

std::optional<Informazioni> Informa(const File& f) {
  // A file the library would write past its own tables for is never handed to it.
  uint64_t memoria = 0;
  if (Difetto(f, &memoria) == TabellaJpeg()) return std::nullopt;
  Lettore l(f);
  Informazioni i;
  if (stbi_info_from_callbacks(&kLettura, &l, &i.larghezza, &i.altezza, &i.canali) == 0 || l.errore)
    return std::nullopt;
  Raddrizza(f, &i.altezza);
  return i;
}

Immagine Decodifica(const File& f) {
  uint64_t memoria = 0;
  // The library would write past its own tables while it reads the header.
  const auto difetto = Difetto(f, &memoria);
  if (difetto == TabellaJpeg()) Illeggibile(f, *difetto);
  Lettore l(f);
  Immagine im;
  if (!stbi_info_from_callbacks(&kLettura, &l, &im.larghezza, &im.altezza, &im.canali)) {
    if (l.errore) throw *l.errore;
    // A known signature that the library still refuses: say which kind it is.
    Illeggibile(f, Scartata(f));
  }
  Raddrizza(f, &im.altezza);
  const std::string misure = std::to_string(im.larghezza) + " x " + std::to_string(im.altezza);
  // A few bytes may claim any size, and the library would set aside several
  // bytes a pixel before finding out: a bound above any camera's pictures.
  if (int64_t(im.larghezza) * im.altezza > kMassimoPixel)
    Rifiuta(Tr("L'immagine \"%1\" è troppo grande: %2 pixel, oltre i %3 che prepare accetta.",
               {f.Nome(), misure, std::to_string(kMassimoPixel)}));
  if (im.larghezza <= 0 || im.altezza <= 0) Illeggibile(f, Tr("non ha pixel (%1)", {misure}));
  if (difetto) Illeggibile(f, *difetto);
  // The decode may hold three times the bitmap it makes, and a margin: a
  // picture whose decode needs more by its header is refused before it
  // starts, one whose data swell past it is stopped where they do.
  const uint64_t pixel = uint64_t(im.larghezza) * uint64_t(im.altezza);
  const uint64_t limite = 3 * pixel * 3 + kMargine;
  l = Lettore(f);
  const bool png = FormatoDi(f) == "PNG" && PngRigaPerRiga();
  const bool sedici = !png && stbi_is_16_bit_from_callbacks(&kLettura, &l);
  // The library holds the rows inflated and the samples at 16 bits at once.
  if (sedici) memoria = 4 * pixel * uint64_t(im.canali) + uint64_t(im.altezza);
  if (memoria > limite)
    Rifiuta(sedici ? Tr("L'immagine \"%1\" è troppo grande da decodificare: %2 pixel a 16 bit per "
                        "campione richiedono circa %3 di memoria, oltre i %4 concessi a una bitmap "
                        "di queste misure.",
                        {f.Nome(), misure, MiB(memoria), MiB(limite)})
                   : Tr("L'immagine \"%1\" è troppo grande da decodificare: %2 pixel richiedono "
                        "circa %3 di memoria, oltre i %4 concessi a una bitmap di queste misure.",
                        {f.Nome(), misure, MiB(memoria), MiB(limite)}));
  im.alfa = im.canali == 2 || im.canali == 4;
  l = Lettore(f);
  Bilancio bilancio(limite);
  int x = 0, y = 0, c = 0;
  // With an alpha channel the pixels come with it, to see whether any is
  // transparent; it is dropped below. PNGs row by row where the build can.
  uint8_t* p = nullptr;
  if (const std::optional<EsitoPng> riga = png ? DecodificaPng(f, im.alfa ? 4 : 3) : std::nullopt) {
    p = riga->pixel;
    x = im.larghezza;
    y = im.altezza;
    if (!p && riga->troncato && !bilancio.Superato())
      Illeggibile(f, Tr("il file finisce prima dell'immagine (è troncato)"));
    if (!p && !bilancio.Superato())
      Illeggibile(
          f, Tr("il file è danneggiato o usa una variante non supportata (%1)", {riga->errore}));
  } else {
    p = stbi_load_from_callbacks(&kLettura, &l, &x, &y, &c, im.alfa ? 4 : 3);
  }
  if (l.errore) {
    stbi_image_free(p);
    throw *l.errore;
  }
  if (!p && bilancio.Superato())
    Illeggibile(f, Tr("i suoi dati si espandono oltre quanto dichiara l'intestazione: %1 pixel "
                      "non giustificano più di %2 di memoria",
                      {misure, MiB(limite)}));
  if (!p && !bilancio.Esaurito() && std::string(stbi_failure_reason()) == "outofmem")
    Illeggibile(f, Tr("è troppo grande per essere decodificata"));
  if (!p) Illeggibile(f, Ragione());
  im.rgb = {p, Libera};
  // The library fills what a short file lacks with zeros: a picture that
  // ends before its header says it does is refused, not made up.
  if (l.vuote > 0) Illeggibile(f, Tr("il file finisce prima dell'immagine (è troncato)"));
  if (x != im.larghezza || y != im.altezza) Illeggibile(f, Tr("il file è danneggiato"));
  if (im.alfa) {
    const size_t pixel = size_t(x) * size_t(y);
    for (size_t i = 0; i < pixel; ++i) {
      if (p[4 * i + 3] != 255) im.trasparente = true;
      p[3 * i] = p[4 * i];
      p[3 * i + 1] = p[4 * i + 1];
      p[3 * i + 2] = p[4 * i + 2];
    }
  }
  return im;
}

std::string Formato(const uint8_t* p, size_t n) {
  if (Inizia(p, n, "BM", 2)) return "BMP";
  if (Inizia(p, n, "\x89PNG\r\n\x1A\n", 8)) return "PNG";
  if (Inizia(p, n, "\xFF\xD8\xFF", 3)) return "JPEG";
  if (Inizia(p, n, "GIF87a", 6) || Inizia(p, n, "GIF89a", 6)) return "GIF";
  if (Inizia(p, n, "8BPS", 4)) return "PSD";
  if (Inizia(p, n, "#?RADIANCE", 10) || Inizia(p, n, "#?RGBE", 6)) return "HDR";
  if (Inizia(p, n, "\x53\x80\xF6\x34", 4)) return "PIC";
  if (n >= 3 && p[0] == 'P' && p[1] >= '1' && p[1] <= '7' &&
      (p[2] == '\n' || p[2] == ' ' || p[2] == '\r' || p[2] == '\t'))
    return "PNM";
  if (Inizia(p, n, "II*\0", 4) || Inizia(p, n, "MM\0*", 4)) return "TIFF";
  if (n >= 12 && Inizia(p, n, "RIFF", 4) && std::memcmp(p + 8, "WEBP", 4) == 0) return "WebP";
  if (n >= 12 && std::memcmp(p + 4, "ftyp", 4) == 0) {
    if (std::memcmp(p + 8, "avif", 4) == 0) return "AVIF";
    if (std::memcmp(p + 8, "heic", 4) == 0 || std::memcmp(p + 8, "mif1", 4) == 0) return "HEIF";
  }
  return "";
}

}  // namespace Crypta
