// The order of a hide's writes, watched on a carrier in memory: the length
// field with its top bit set, a flush, the payload, a flush, the one byte of
// the commit, a flush, and every figure after the bytes it stands for. A
// carrier cut short after any write, or whose write fails there, reveals
// "False" or what it held before, never wrong bytes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "Operazioni.h"
#include "Scrittura.h"
#include "Supporto.h"

namespace {

using namespace prova;

struct Passo {
  char tipo;  // 'W' write, 'S' flush, 'F' figure
  int64_t pos = 0;
  Byte byte;
  int figura = 0;
};

// A carrier in memory that logs what is done to it and can fail at one write
// or grow after one flush, as another program might make it.
class Registro : public Crypta::Accesso {
 public:
  explicit Registro(Byte b) : dati(std::move(b)) {}
  const std::string& Nome() const override { return nome_; }
  int64_t Dimensione() const override { return int64_t(dati.size()) + crescita; }
  size_t LeggiA(int64_t pos, void* buf, size_t n) const override {
    const size_t k = pos >= int64_t(dati.size()) ? 0 : std::min(n, dati.size() - size_t(pos));
    std::memcpy(buf, dati.data() + pos, k);
    return k;
  }
  void ScriviA(int64_t pos, const void* buf, size_t n) const override {
    if (scritture++ == guasto) throw Crypta::Errore("disco pieno", Crypta::Genere::File, ENOSPC);
    const auto* b = static_cast<const uint8_t*>(buf);
    passi.push_back({'W', pos, Byte(b, b + n)});
    std::memcpy(dati.data() + pos, b, n);
  }
  void Sincronizza() const override {
    passi.push_back({'S', 0, {}, 0});
    if (++flush == cresceAl) crescita = 1;
  }

  mutable Byte dati;
  mutable std::vector<Passo> passi;
  mutable int scritture = 0, flush = 0, crescita = 0;
  int guasto = -1, cresceAl = -1;

 private:
  std::string nome_ = "registro.bmp";
};

struct Caso {
  int nbit;
  int64_t L;
};

Crypta::Piano Piano(const Byte& carrier, const Caso& c) {
  Crypta::Piano p;
  p.inizio = 54;
  p.Nbit = int16_t(c.nbit);
  p.K = Crypta::MascheraDi("chiave");
  p.L = c.L;
  p.dimensione = int64_t(carrier.size());
  std::copy_n(carrier.begin(), 54, p.header.begin());
  return p;
}

Byte Carrier(const Caso& c) {
  Bitmap b;
  b.pixel = size_t((4 + c.L) * (8 / c.nbit));
  return b.Byte_();
}

// Runs the hide in place on `r`; true when it ran to its end.
bool Nascondi(Registro& r, const Caso& c, const Byte& payload) {
  const Crypta::Piano p = Piano(r.dati, c);
  Crypta::Sorgente s(std::string_view(reinterpret_cast<const char*>(payload.data()), payload.size()));
  Crypta::Osservatore o;
  o.Avanzamento = [&r](int f) { r.passi.push_back({'F', 0, {}, f}); };
  Crypta::Avanzamento a(c.L, 1, o.Avanzamento);
  try {
    Crypta::ScriviInPosto(p, r, s, o, a);
    return true;
  } catch (const Crypta::Errore& e) {
    EXPECT_EQ(e.genere, Crypta::Genere::File);
    return false;
  }
}

// What a reveal makes of `carrier`: nothing for "False", else the bytes.
std::optional<Byte> Rivela(const Cartella& dir, const Byte& carrier, int nbit) {
  const std::string path = dir / "stato.bmp";
  Scrivi(path, carrier);
  Crypta::DestinazioneMemoria m;
  if (!Crypta::Rivela(path, "chiave", int16_t(nbit), m).trovato) return std::nullopt;
  return Byte(m.dati.begin(), m.dati.end());
}

// One block, then three or so at every bit count.
const Caso kCasi[] = {{1, 3000}, {1, 300000}, {2, 700000}, {4, 1300000}, {8, 2500000}};

TEST(Ordine, PlaceholderFlushPayloadFlushCommitFlush) {
  Cartella dir;
  for (const Caso& c : kCasi) {
    const Byte prima = Carrier(c), payload = Casuali(size_t(c.L), 7);
    Registro r(prima);
    ASSERT_TRUE(Nascondi(r, c, payload));
    const int64_t passi = 8 / c.nbit, campo = 4 * passi;
    const std::vector<Passo>& v = r.passi;
    ASSERT_GE(v.size(), 6u);
    // The placeholder: the whole length field, its first bit set.
    EXPECT_EQ(v[0].tipo, 'W');
    EXPECT_EQ(v[0].pos, 54);
    EXPECT_EQ(int64_t(v[0].byte.size()), campo);
    EXPECT_TRUE(v[0].byte[0] >> (c.nbit - 1) & 1) << c.nbit;
    EXPECT_EQ(v[1].tipo, 'S');
    // The commit: the first carrier byte alone, then a flush, after the payload's flush.
    const size_t n = v.size();
    size_t commit = 0;
    for (size_t i = 0; i < n; ++i)
      if (v[i].tipo == 'W' && v[i].pos == 54 && v[i].byte.size() == 1) commit = i;
    ASSERT_GT(commit, 2u);
    EXPECT_EQ(v[commit - 1].tipo, 'S');
    EXPECT_EQ(v[commit + 1].tipo, 'S');
    EXPECT_FALSE(v[commit].byte[0] >> (c.nbit - 1) & 1);
    // Figures only for payload bytes already written; the last ones after the commit.
    int64_t fatti = 0;
    bool dopoCommit = false;
    for (size_t i = 0; i < n; ++i) {
      if (v[i].tipo == 'W' && v[i].pos >= 54 + campo) fatti += int64_t(v[i].byte.size()) / passi;
      dopoCommit |= i > commit;
      if (v[i].tipo != 'F') continue;
      EXPECT_LE(v[i].figura, int(std::floor(double(fatti) / double(c.L) * 100))) << c.nbit;
      if (v[i].figura == 100) {
        EXPECT_TRUE(dopoCommit);
      }
    }
    EXPECT_EQ(v.back().tipo, 'F');
    EXPECT_EQ(v.back().figura, 100);
    EXPECT_EQ(Rivela(dir, r.dati, c.nbit), payload) << c.nbit;
  }
}

TEST(Ordine, CutShortAfterAnyWriteRevealsFalseOrTheOldPayload) {
  Cartella dir;
  for (const Caso& c : kCasi) {
    const Byte prima = Carrier(c), payload = Casuali(size_t(c.L), 8);
    Registro completo(prima);
    ASSERT_TRUE(Nascondi(completo, c, payload));
    // The carrier as a kill after the k-th write would leave it.
    Byte stato = prima;
    const std::optional<Byte> vecchio = Rivela(dir, prima, c.nbit);
    int k = 0;
    for (const Passo& p : completo.passi) {
      if (p.tipo != 'W') continue;
      std::copy(p.byte.begin(), p.byte.end(), stato.begin() + p.pos);
      const bool ultimo = ++k == completo.scritture;
      EXPECT_EQ(Rivela(dir, stato, c.nbit), ultimo ? std::optional<Byte>(payload) : std::nullopt)
          << c.nbit << " bits, after write " << k;
    }
    // A write that fails, at each place: the error, no figure of 100, and "False".
    for (int guasto = 0; guasto < completo.scritture; ++guasto) {
      Registro r(prima);
      r.guasto = guasto;
      EXPECT_FALSE(Nascondi(r, c, payload));
      for (const Passo& p : r.passi) EXPECT_NE(p.figura, 100);
      EXPECT_EQ(Rivela(dir, r.dati, c.nbit), guasto == 0 ? vecchio : std::nullopt) << guasto;
    }
  }
}

TEST(Ordine, CarrierChangedUnderneathKeepsThePlaceholder) {
  Cartella dir;
  const Caso c{2, 1000};
  const Byte payload = Casuali(size_t(c.L), 9);
  Registro r(Carrier(c));
  r.cresceAl = 2;  // another program appends while the payload goes in
  EXPECT_FALSE(Nascondi(r, c, payload));
  for (const Passo& p : r.passi) EXPECT_FALSE(p.tipo == 'W' && p.byte.size() == 1);
  EXPECT_EQ(Rivela(dir, r.dati, c.nbit), std::nullopt);
}

}  // namespace
