// The fuzz target: arbitrary bytes as a carrier file, read by LeggiHeader and
// revealed by DeCryptBitmap in text and file mode at 1, 2, 4 and 8 bits, each
// outcome held against the model in tests/modello; then a hide into a copy
// and its reveal. Crypta::Errore is an expected outcome where the model says
// so; any other exception, a wrong result, a changed carrier, a stray output
// file or a window left disabled aborts.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Crypta.h"
#include "Modello.h"

namespace fs = std::filesystem;
using modello::Byte;
using modello::HeaderAtteso;
using modello::RivelazioneAttesa;

namespace {

// One private folder per process, in memory when the system offers it.
class Cartella {
 public:
  Cartella() {
    const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    std::string modello = (base / "tavelin-fuzz-XXXXXX").string();
    if (!::mkdtemp(modello.data())) std::abort();
    dir_ = modello;
  }
  ~Cartella() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string operator/(const char* nome) const { return (dir_ / nome).string(); }

 private:
  fs::path dir_;
};

const Cartella& Dir() {
  static const Cartella dir;
  return dir;
}

[[noreturn]] void Fallito(const std::string& cosa, int nbit) {
  std::fprintf(stderr, "tavelin fuzz: %s (Nbit %d)\n", cosa.c_str(), nbit);
  std::abort();
}

void Verifica(bool ok, const char* cosa, int nbit) {
  if (!ok) Fallito(cosa, nbit);
}

Byte Leggi(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) Fallito("cannot read " + path, 0);
  return Byte(std::istreambuf_iterator<char>(f), {});
}

void Scrivi(const std::string& path, const Byte& dati) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dati.data()), std::streamsize(dati.size()));
  if (!f) Fallito("cannot write " + path, 0);
}

// What the reveal told the window: the progress figures and the enabled state.
struct Finestra {
  std::vector<std::string> figure;
  std::vector<bool> abilita;
  void Installa() {
    figure.clear();
    abilita.clear();
    Crypta::Finestra = {};
    Crypta::Finestra.TxtPerc = [this](const std::string& s) { figure.push_back(s); };
    Crypta::Finestra.Abilita = [this](bool si) { abilita.push_back(si); };
  }
};

void VerificaHeader(const Byte& dati, const std::string& path, int nbit) {
  const Crypta::Intestazione prima = Crypta::BmpHeader;
  const bool ok = Crypta::LeggiHeader(path, int16_t(nbit));
  const HeaderAtteso h = modello::Header(dati, nbit);
  const Crypta::Intestazione& r = Crypta::BmpHeader;
  const bool accettato = h.fase == HeaderAtteso::Accettato;
  Verifica(ok == accettato, "LeggiHeader result", nbit);
  Verifica(r.TipoBitmap == h.tipo, "TipoBitmap", nbit);
  const bool dimensioni = h.fase >= HeaderAtteso::Dimensioni;
  Verifica(r.DimensioneFile == (dimensioni ? h.dimensione : prima.DimensioneFile),
           "DimensioneFile", nbit);
  Verifica(r.OffsetDati == (dimensioni ? h.offset : prima.OffsetDati), "OffsetDati", nbit);
  Verifica(r.LunghezzaHeader ==
               (h.fase >= HeaderAtteso::Lunghezza ? h.lunghezza : prima.LunghezzaHeader),
           "LunghezzaHeader", nbit);
  const auto campo = [&](double letto, double vecchio, size_t pos, size_t n) {
    return letto == (accettato ? modello::Valore(dati, pos, n) : vecchio);
  };
  Verifica(campo(r.Larghezza, prima.Larghezza, 18, 4), "Larghezza", nbit);
  Verifica(campo(r.Altezza, prima.Altezza, 22, 4), "Altezza", nbit);
  Verifica(campo(r.NumeroPiani, prima.NumeroPiani, 26, 2), "NumeroPiani", nbit);
  Verifica(campo(r.BitPerPixel, prima.BitPerPixel, 28, 2), "BitPerPixel", nbit);
  Verifica(r.Compressione == (accettato ? std::to_string(uint32_t(modello::Valore(dati, 30, 4)))
                                        : prima.Compressione),
           "Compressione", nbit);
  Verifica(campo(r.GrandezzaBitmap, prima.GrandezzaBitmap, 34, 4), "GrandezzaBitmap", nbit);
  Verifica(campo(r.RisoluzioneOrizz, prima.RisoluzioneOrizz, 38, 4), "RisoluzioneOrizz", nbit);
  Verifica(campo(r.RisoluzioneVert, prima.RisoluzioneVert, 42, 4), "RisoluzioneVert", nbit);
  Verifica(campo(r.ColoriUsati, prima.ColoriUsati, 46, 4), "ColoriUsati", nbit);
  Verifica(campo(r.ColoriImportanti, prima.ColoriImportanti, 50, 4), "ColoriImportanti", nbit);
  Verifica(r.BytesUtilizzabili == (accettato ? h.capienza : prima.BytesUtilizzabili),
           "BytesUtilizzabili", nbit);
}

// The window ends enabled; a reveal of L > 0 bytes disabled it first and
// showed the figures 0 .. floor((L-1)/L*100), each once, rising.
void VerificaFinestra(const Finestra& f, const RivelazioneAttesa& r, bool rivelato, int nbit) {
  if (!f.abilita.empty()) Verifica(f.abilita.back(), "window left disabled", nbit);
  const auto L = int64_t(r.dati.size());
  if (!rivelato || L == 0) {
    Verifica(f.figure.empty(), "progress shown without a payload", nbit);
    return;
  }
  Verifica(!f.abilita.empty() && !f.abilita.front(), "window not disabled", nbit);
  Verifica(!f.figure.empty() && f.figure.front() == " 0%", "first figure", nbit);
  const int ultima = int(std::floor((double(L - 1) / double(L)) * 100));
  Verifica(f.figure.back() == " " + std::to_string(ultima) + "%", "last figure", nbit);
  for (size_t i = 1; i < f.figure.size(); ++i)
    Verifica(std::stoi(f.figure[i].substr(1)) > std::stoi(f.figure[i - 1].substr(1)),
             "figures not rising", nbit);
}

void VerificaRivela(const Byte& dati, const std::string& path, const std::string& chiave,
                    int nbit) {
  const RivelazioneAttesa r = modello::Rivelazione(dati, nbit, modello::Maschera(chiave));
  const bool dati_ = r.esito == RivelazioneAttesa::Dati;
  Finestra f;

  f.Installa();
  std::optional<std::string> testo;
  try {
    testo = Crypta::DeCryptBitmap(path, chiave, int16_t(nbit), true, "");
  } catch (const Crypta::Errore&) {
  }
  Verifica(testo.has_value() == (r.esito != RivelazioneAttesa::Errore), "text reveal threw",
           nbit);
  if (testo) Verifica(*testo == (dati_ ? r.dati : "False"), "text reveal result", nbit);
  VerificaFinestra(f, r, dati_, nbit);

  const std::string uscita = Dir() / "Crypto.cry";
  std::remove(uscita.c_str());
  f.Installa();
  std::optional<std::string> file;
  try {
    file = Crypta::DeCryptBitmap(path, chiave, int16_t(nbit), false, uscita);
  } catch (const Crypta::Errore&) {
  }
  Verifica(file.has_value() == (r.esito != RivelazioneAttesa::Errore), "file reveal threw",
           nbit);
  if (file) Verifica(*file == (dati_ ? "True" : "False"), "file reveal result", nbit);
  VerificaFinestra(f, r, dati_, nbit);
  if (dati_ && !(r.dati.empty() && !fs::exists(uscita))) {
    const Byte scritto = Leggi(uscita);
    Verifica(std::string(scritto.begin(), scritto.end()) == r.dati, "output file", nbit);
  } else if (!dati_) {
    Verifica(!fs::exists(uscita), "output file after a refused reveal", nbit);
  }
  std::remove(uscita.c_str());
  Crypta::Finestra = {};
}

// Hides a payload made from the input into a copy of the carrier, as the hide
// tab would after reading its header, and reveals it again. A payload that
// does not fit must be refused with the copy untouched.
void VerificaNascondi(const Byte& dati, const std::string& chiave, int nbit) {
  const HeaderAtteso h = modello::Header(dati, nbit);
  if (h.fase != HeaderAtteso::Accettato) return;
  const int64_t L = h.capienza < 0 ? 0 : std::min<int64_t>(int64_t(h.capienza), 64);
  std::string payload;
  for (int64_t i = 0; i < L; ++i) payload += char(dati[size_t(i) % dati.size()] ^ uint8_t(i));
  const std::string copia = Dir() / "copia.bmp";
  Scrivi(copia, dati);

  const int64_t fine = modello::FineFlusso(h.offset, L, nbit);
  const bool entra = double(fine) <= h.dimensione && fine <= int64_t(dati.size());
  // A stream that starts inside the 54 header bytes would rewrite fields that
  // its own reveal reads back: such a hide is refused.
  const auto inizio = int64_t(h.offset);
  const bool sullHeader = inizio < 54;
  // Compressed pixels (every code but none and bit fields) take no hide.
  const auto compressione = uint32_t(modello::Valore(dati, 30, 4));
  const bool compressa = compressione != 0 && compressione != 3;
  bool rifiutato = false;
  try {
    Crypta::CryptBitmap(copia, h.offset, int32_t(L), payload, true, chiave, int16_t(nbit));
  } catch (const Crypta::Errore&) {
    rifiutato = true;
  }
  Verifica(rifiutato == (!entra || sullHeader || compressa), "hide refused or accepted wrongly",
           nbit);
  const Byte dopo = Leggi(copia);
  Verifica(dopo.size() == dati.size(), "hide changed the carrier's length", nbit);
  const int alti = 0xFF << nbit;
  for (size_t i = 0; i < dati.size(); ++i) {
    const bool flusso = !rifiutato && int64_t(i) >= inizio && int64_t(i) < fine;
    Verifica(flusso ? ((dopo[i] ^ dati[i]) & alti) == 0 : dopo[i] == dati[i],
             "hide changed a byte it must keep", nbit);
  }
  if (rifiutato) return;
  const RivelazioneAttesa r = modello::Rivelazione(dopo, nbit, modello::Maschera(chiave));
  Verifica(r.esito == RivelazioneAttesa::Dati && r.dati == payload, "hidden stream", nbit);
  Verifica(Crypta::DeCryptBitmap(copia, chiave, int16_t(nbit), true, "") == payload,
           "round trip", nbit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Byte dati(data, data + size);
  const std::string path = Dir() / "carrier.bmp";
  Scrivi(path, dati);
  // The reserved header bytes are never read as fields: they make the key.
  const std::string chiave = size >= 10 ? std::string(data + 6, data + 10) : "";
  for (const int nbit : {1, 2, 4, 8}) {
    VerificaHeader(dati, path, nbit);
    VerificaRivela(dati, path, chiave, nbit);
    VerificaNascondi(dati, chiave, nbit);
  }
  Verifica(Leggi(path) == dati, "the carrier changed", 0);
  return 0;
}
