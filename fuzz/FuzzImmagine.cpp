// The fuzz target of prepare's reading: arbitrary bytes as a picture, through
// the image library as prepare calls it. Not our decoder, but our input: the
// only outcomes allowed are a picture whose every pixel can be read, or a
// refusal or a file error (Crypta::Errore).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Crypta.h"
#include "Decodifica.h"

namespace fs = std::filesystem;

namespace {

// One private file per process, in memory when the system offers it, gone
// with the process; the name and its removal live and die together.
struct Privato {
  Privato() {
    const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    path = (base / ("tavelin-fuzz-immagine-" + std::to_string(::getpid()))).string();
  }
  ~Privato() {
    std::error_code ec;
    fs::remove(path, ec);
  }
  std::string path;
};

const std::string& Percorso() {
  static const Privato privato;
  return privato.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream f(Percorso(), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  const Crypta::File f = Crypta::File::Apri(Percorso(), Crypta::File::Modo::Lettura);
  Crypta::Leggibile(f);
  try {
    const Crypta::Immagine im = Crypta::Decodifica(f);
    if (im.larghezza <= 0 || im.altezza <= 0 || !im.rgb) std::abort();
    // Every sample is there to be read.
    unsigned somma = 0;
    const size_t n = size_t(im.larghezza) * size_t(im.altezza) * 3;
    for (size_t i = 0; i < n; i += 61) somma += im.rgb[i];
    somma += im.rgb[n - 1];
    static_cast<void>(somma);
  } catch (const Crypta::Errore& e) {
    // A refusal, or the file layer's error: never anything else.
    if (e.genere != Crypta::Genere::Rifiutata && e.genere != Crypta::Genere::File) std::abort();
  }
  return 0;
}
