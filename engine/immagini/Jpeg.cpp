// The JPEG's segments walked as the library reads them, without decoding a
// coefficient: the Huffman tables' code counts, the frame's components and
// the bits each scan holds against the fewest its blocks can be coded in.
#include <algorithm>
#include <vector>

#include "Controlli.h"
#include "Lingua.h"

namespace Crypta {

std::string TabellaJpeg() {
  return Tr("è un file JPEG con una tabella di Huffman non valida");
}

namespace {

std::string Troncato() {
  return Tr("i dati finiscono prima dell'ultimo pixel (è troncato)");
}

struct Componente {
  int id = 0, h = 1, v = 1;
  bool iniziata = false;  // a scan gave it its DC coefficients
};

struct Quadro {
  bool visto = false, progressivo = false;
  int64_t larghezza = 0, altezza = 0;
  int hMax = 1, vMax = 1;
  std::vector<Componente> componenti;
  int64_t McuX() const { return (larghezza + 8 * hMax - 1) / (8 * hMax); }
  int64_t McuY() const { return (altezza + 8 * vMax - 1) / (8 * vMax); }
  // The blocks of one component alone, as a scan of it alone codes them.
  int64_t Blocchi(const Componente& c) const {
    const int64_t x = (larghezza * c.h + hMax - 1) / hMax, y = (altezza * c.v + vMax - 1) / vMax;
    return (x + 7) / 8 * ((y + 7) / 8);
  }
  // What the library sets aside: samples per component (and coefficients
  // of two bytes each for a progressive file), a line each, the output.
  uint64_t Memoria() const {
    uint64_t m = uint64_t(larghezza) * uint64_t(altezza) * 3;
    for (const Componente& c : componenti) {
      const uint64_t campioni = uint64_t(McuX() * c.h * 8) * uint64_t(McuY() * c.v * 8) + 15;
      m += campioni * (progressivo ? 3 : 1) + uint64_t(larghezza) + 3;
    }
    return m;
  }
};

int Due(Flusso& b) {
  const int alto = b.Prossimo(), basso = b.Prossimo();
  return basso < 0 ? -1 : alto << 8 | basso;
}

bool LeggiQuadro(Flusso& b, int marcatore, Quadro& q) {
  const int lunga = Due(b);
  b.Prossimo();  // precision
  q.altezza = Due(b);
  q.larghezza = Due(b);
  const int n = b.Prossimo();
  if (lunga < 0 || q.altezza < 0 || n < 1 || n > 4 || lunga != 8 + 3 * n) return false;
  q.visto = true;
  q.progressivo = marcatore == 0xC2;
  q.componenti.assign(size_t(n), {});
  for (Componente& c : q.componenti) {
    c.id = b.Prossimo();
    const int hv = b.Prossimo();
    b.Prossimo();  // quantisation table
    if (hv < 0) return false;
    c.h = std::max(1, hv >> 4);
    c.v = std::max(1, hv & 15);
    q.hMax = std::max(q.hMax, c.h);
    q.vMax = std::max(q.vMax, c.v);
  }
  return true;
}

// The fewest bits that can code a scan's blocks: a sequential block needs a
// DC code and an end-of-block code, a progressive DC scan a code or a bit a
// block, a progressive AC scan one code for a run of up to 32767 blocks.
int64_t BitMinimi(const Quadro& q, const std::vector<Componente*>& scansione, int inizio) {
  int64_t blocchi = 0;
  if (scansione.size() == 1) {
    blocchi = q.Blocchi(*scansione[0]);
  } else {
    for (const Componente* c : scansione) blocchi += int64_t(c->h) * c->v;
    blocchi *= q.McuX() * q.McuY();
  }
  if (!q.progressivo) return 2 * blocchi;
  return inizio == 0 ? blocchi : (blocchi + 32766) / 32767;
}

// The coded data of a scan: its bytes, stuffed 0xFF 0x00 counted once and
// restart markers skipped, up to the marker that ends it (given back).
int64_t ByteCodificati(Flusso& b, int* marcatore) {
  int64_t n = 0;
  for (;;) {
    int c = b.Prossimo();
    if (c < 0) break;
    if (c != 0xFF) {
      ++n;
      continue;
    }
    do c = b.Prossimo();
    while (c == 0xFF);
    if (c == 0x00) {
      ++n;
    } else if (c < 0xD0 || c > 0xD7) {
      *marcatore = c;
      return n;
    }
  }
  *marcatore = -1;
  return n;
}

// stb_image 2.27 writes past its Huffman tables when a JPEG's table segment
// declares more than 256 codes. Such a file is refused before the library
// sees it: the segments are walked as the library reads them, each table's
// counts added up, the coded data between them skipped. Nothing is decoded.
bool TabellaEccessiva(const File& f) {
  Flusso b(f);
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

std::optional<std::string> DifettoJpeg(const File& f, uint64_t* memoria) {
  *memoria = 0;
  if (TabellaEccessiva(f)) return TabellaJpeg();
  // The walk again, now to count what the scans hold.
  Flusso b(f);
  // The library takes any run of 0xFF before a marker, the first one too.
  if (b.Prossimo() != 0xFF) return std::nullopt;
  int c;
  do c = b.Prossimo();
  while (c == 0xFF);
  if (c != 0xD8) return std::nullopt;
  Quadro q;
  int pendente = -1;  // a marker that ended a scan's data
  for (;;) {
    if (pendente >= 0) {
      c = pendente;
      pendente = -1;
    } else {
      do c = b.Prossimo();
      while (c >= 0 && c != 0xFF);  // bytes between segments: the library skips them too
      do c = b.Prossimo();
      while (c == 0xFF);
    }
    if (c < 0 || c == 0xD9) break;
    if (c == 0x00 || c == 0x01 || c == 0xD8 || (c >= 0xD0 && c <= 0xD7)) continue;
    if (c == 0xC0 || c == 0xC1 || c == 0xC2) {
      if (!LeggiQuadro(b, c, q)) return std::nullopt;
      continue;
    }
    const int lunga = Due(b);
    if (lunga < 2) return std::nullopt;
    if (c != 0xDA || !q.visto) {
      if (!b.Salta(lunga - 2)) break;
      continue;
    }
    const int n = b.Prossimo();
    if (n < 1 || n > 4 || lunga != 6 + 2 * n) return std::nullopt;
    std::vector<Componente*> scansione;
    for (int i = 0; i < n; ++i) {
      const int id = b.Prossimo();
      b.Prossimo();  // its tables
      const auto trovata = std::find_if(q.componenti.begin(), q.componenti.end(),
                                        [id](const Componente& k) { return k.id == id; });
      if (trovata == q.componenti.end()) return std::nullopt;
      scansione.push_back(&*trovata);
    }
    const int inizio = b.Prossimo();
    b.Prossimo();  // end of the spectral band
    const int approssimazione = b.Prossimo();
    if (approssimazione < 0) break;
    if (8 * ByteCodificati(b, &pendente) < BitMinimi(q, scansione, inizio)) return Troncato();
    if (inizio == 0 && (!q.progressivo || approssimazione >> 4 == 0))
      for (Componente* k : scansione) k->iniziata = true;
  }
  if (!q.visto) return std::nullopt;
  *memoria = q.Memoria();
  for (const Componente& k : q.componenti)
    if (!k.iniziata) return Troncato();
  return std::nullopt;
}

}  // namespace Crypta
