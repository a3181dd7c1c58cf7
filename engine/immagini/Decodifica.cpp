#include "Decodifica.h"

#include <stb_image.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "Crypta.h"

namespace Crypta {

namespace {

[[noreturn]] void Rifiuta(const std::string& messaggio) {
  throw Errore(messaggio, Genere::Rifiutata);
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
  if (tag == "unknown image type") return "non è un'immagine in un formato conosciuto";
  if (tag == "outofmem") return "memoria insufficiente per decodificarla";
  if (tag == "too large") return "è troppo grande";

  return "il file è danneggiato o usa una variante non supportata (" + tag + ")";
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
      return "è una bitmap compressa (RLE), che non si sa leggere";
    return "è una bitmap danneggiata o di una variante che non si sa leggere";
  }
  if (formato != "PNG" && formato != "JPEG" && formato != "GIF")
    return "è un'immagine " + formato + ", un formato che non si sa leggere";
  return "è un file " + formato + " danneggiato o incompleto";
}

constexpr int64_t kMassimoPixel = int64_t{1} << 27;

// The file's bytes in order, a block at a time; -1 at the end.
class Byte {
 public:
  explicit Byte(const File& f) : f_(f) {}
  int Prossimo() {
    if (i_ == n_) {
      n_ = f_.LeggiA(pos_, blocco_, sizeof blocco_);
      pos_ += int64_t(n_);
      i_ = 0;
      if (n_ == 0) return -1;
    }
    return blocco_[i_++];
  }

 private:
  const File& f_;
  uint8_t blocco_[65536];
  size_t i_ = 0, n_ = 0;
  int64_t pos_ = 0;
};

// stb_image 2.27 writes past its Huffman tables when a JPEG's table segment
// declares more than 256 codes. Such a file is refused before the library
// sees it: the segments are walked as the library reads them, each table's
// counts added up, the coded data between them skipped. Nothing is decoded.
bool TabellaEccessiva(const File& f) {
  Byte b(f);
  // The library takes any run of 0xFF before a marker, the first one too.
  if (b.Prossimo() != 0xFF) return false;
  int inizio;
  do inizio = b.Prossimo();
  while (inizio == 0xFF);
  if (inizio != 0xD8) return false;
  for (;;) {
    int c = b.Prossimo();
    if (c < 0) return false;
    if (c != 0xFF) continue;  // coded data
    do c = b.Prossimo();
    while (c == 0xFF);
    if (c < 0 || c == 0xD9) return false;
    if (c == 0x00 || c == 0x01 || c == 0xD8 || (c >= 0xD0 && c <= 0xD7)) continue;
    const int alto = b.Prossimo(), basso = b.Prossimo();
    if (basso < 0) return false;
    int resto = (alto << 8 | basso) - 2;
    if (c != 0xC4) {
      while (resto-- > 0)
        if (b.Prossimo() < 0) return false;
      continue;
    }
    while (resto > 0) {
      b.Prossimo();  // the table's class and number
      int codici = 0;
      for (int i = 0; i < 16; ++i) codici += std::max(0, b.Prossimo());
      if (codici > 256) return true;
      for (int i = 0; i < codici; ++i) b.Prossimo();
      resto -= 17 + codici;
    }
  }
}

}  // namespace

std::optional<Informazioni> Informa(const File& f) {
  if (TabellaEccessiva(f)) return std::nullopt;
  Lettore l(f);
  Informazioni i;
  if (stbi_info_from_callbacks(&kLettura, &l, &i.larghezza, &i.altezza, &i.canali) == 0 ||
      l.errore)
    return std::nullopt;
  return i;
}

Immagine Decodifica(const File& f) {
  if (TabellaEccessiva(f))
    Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() +
            "\": è un file JPEG con una tabella di Huffman non valida.");
  Lettore l(f);
  Immagine im;
  if (!stbi_info_from_callbacks(&kLettura, &l, &im.larghezza, &im.altezza, &im.canali)) {
    if (l.errore) throw *l.errore;
    // A known signature that the library still refuses: say which kind it is.
    Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() + "\": " + Scartata(f) + ".");
  }
  // A few bytes may claim any size, and the library would set aside several
  // bytes a pixel before finding out: a bound above any camera's pictures.
  if (int64_t(im.larghezza) * im.altezza > kMassimoPixel)
    Rifiuta("L'immagine \"" + f.Nome() + "\" è troppo grande: " + std::to_string(im.larghezza) +
            " x " + std::to_string(im.altezza) + " pixel, oltre i " +
            std::to_string(kMassimoPixel) + " che prepare accetta.");
  if (im.larghezza <= 0 || im.altezza <= 0)
    Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() + "\": non ha pixel (" +
            std::to_string(im.larghezza) + " x " + std::to_string(im.altezza) + ").");
  im.alfa = im.canali == 2 || im.canali == 4;
  l = Lettore(f);
  int x = 0, y = 0, c = 0;
  // With an alpha channel the pixels come with it, to see whether any is
  // transparent; it is dropped below.
  uint8_t* p = stbi_load_from_callbacks(&kLettura, &l, &x, &y, &c, im.alfa ? 4 : 3);
  if (l.errore) {
    stbi_image_free(p);
    throw *l.errore;
  }
  if (!p) Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() + "\": " + Ragione() + ".");
  im.rgb = {p, Libera};
  // The library fills what a short file lacks with zeros: a picture that
  // ends before its header says it does is refused, not made up.
  if (l.vuote > 0)
    Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() +
            "\": il file finisce prima dell'immagine (è troncato).");
  if (x != im.larghezza || y != im.altezza)
    Rifiuta("Impossibile leggere l'immagine \"" + f.Nome() + "\": il file è danneggiato.");
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
