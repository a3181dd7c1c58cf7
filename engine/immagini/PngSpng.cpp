// PNGs through libspng, read from our file layer and allocating from the
// decode's budget, so that its buffers count with everything else.
#include "Png.h"

#include <spng.h>

#include <cstdint>
#include <memory>

#include "Crypta.h"
#include "Memoria.h"

namespace Crypta {

namespace {

struct Lettura {
  const File* file;
  int64_t pos = 0;
  bool corto = false;
};

int Leggi(spng_ctx*, void* utente, void* dati, size_t n) {
  Lettura& l = *static_cast<Lettura*>(utente);
  size_t letti = 0;
  try {
    letti = l.file->LeggiA(l.pos, dati, n);
  } catch (const Errore&) {
    return SPNG_IO_ERROR;
  }
  l.pos += int64_t(letti);
  if (letti == n) return 0;
  l.corto = true;
  return SPNG_IO_EOF;
}

void* Alloca(size_t n) {
  return MemoriaAlloca(n);
}
void* Rialloca(void* p, size_t n) {
  return MemoriaRialloca(p, n);
}
void* Azzera(size_t quanti, size_t n) {
  return n != 0 && quanti > SIZE_MAX / n ? nullptr : MemoriaAlloca(quanti * n);  // zeroed
}
void Libera(void* p) {
  MemoriaLibera(p);
}

}  // namespace

bool PngRigaPerRiga() {
  return true;
}

std::optional<EsitoPng> DecodificaPng(const File& f, int canali) {
  spng_alloc allocatore{Alloca, Rialloca, Azzera, Libera};
  const std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> ctx(spng_ctx_new2(&allocatore, 0),
                                                           spng_ctx_free);
  EsitoPng esito;
  if (!ctx) {
    esito.errore = "out of memory";
    return esito;
  }
  Lettura l{&f};
  const int formato = canali == 4 ? SPNG_FMT_RGBA8 : SPNG_FMT_RGB8;
  size_t byte = 0;
  int e = spng_set_png_stream(ctx.get(), Leggi, &l);
  // Ancillary chunks are kept in memory: bounded, as the decode is.
  if (e == 0) e = spng_set_chunk_limits(ctx.get(), size_t{1} << 24, size_t{1} << 24);
  if (e == 0) e = spng_decoded_image_size(ctx.get(), formato, &byte);
  uint8_t* pixel = e == 0 ? static_cast<uint8_t*>(MemoriaAlloca(byte)) : nullptr;
  if (e == 0 && !pixel) e = SPNG_EMEM;
  if (e == 0) e = spng_decode_image(ctx.get(), pixel, byte, formato, SPNG_DECODE_TRNS);
  if (e == 0) {
    esito.pixel = pixel;
    return esito;
  }
  MemoriaLibera(pixel);
  esito.troncato = l.corto;
  esito.errore = spng_strerror(e);
  return esito;
}

}  // namespace Crypta
