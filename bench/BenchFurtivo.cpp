// The stealth layout on an 18 MB carrier (2450 x 2450 pixels, 24 bits) at its
// full safe capacity, beside the design's hide and reveal of the same bytes
// at 1 bit in the same run: time per channel value and the ratio to the
// design. Argon2id is aside (measured on its own, once per derivation; a
// hide and a reveal each run two), so that the stealth figures hold the
// costs, the walk, the coder and the file's reading and writing.
// Peak memory (the process's high-water mark, so run one benchmark at a time
// with --benchmark_filter to read it for that one) is shown as picco_MB.
//
// TAVELIN_BENCH_DIR picks the folder for the files (default: the temp folder).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>

#include "Chiavi.h"
#include "Furtivo.h"
#include "Operazioni.h"
#include "Portatore.h"

namespace {

constexpr int64_t kLato = 2450;

std::filesystem::path Cartella() {
  const char* d = std::getenv("TAVELIN_BENCH_DIR");
  static const std::filesystem::path dir =
      (d ? std::filesystem::path(d) : std::filesystem::temp_directory_path()) /
      ("tavelin-bench-furtivo-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

// A picture with smooth ground and textured patches, as a photograph has.
std::string Carrier() {
  const std::string path = (Cartella() / "carrier.bmp").string();
  if (std::filesystem::exists(path)) return path;
  const int64_t passo = (kLato * 3 + 3) / 4 * 4;
  std::string f(size_t(54 + passo * kLato), '\0');
  auto metti = [&f](size_t pos, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[pos + size_t(i)] = char(v >> (8 * i));
  };
  f[0] = 'B', f[1] = 'M';
  metti(2, uint32_t(f.size()));
  metti(10, 54);
  metti(14, 40);
  metti(18, uint32_t(kLato));
  metti(22, uint32_t(kLato));
  f[26] = 1, f[28] = 24;
  std::mt19937 g(3);
  for (int64_t y = 0; y < kLato; ++y)
    for (int64_t x = 0; x < kLato; ++x)
      for (int c = 0; c < 3; ++c) {
        const bool trama = ((x / 150) + (y / 150)) % 3 == 0;
        const double base =
            128 + 60 * std::sin(double(x + 40 * c) / 300) * std::cos(double(y) / 410);
        f[size_t(54 + y * passo + x * 3 + c)] =
            char(uint8_t(base + (trama ? int(g() % 41) - 20 : 0)));
      }
  Crypta::File out = Crypta::File::Anonimo(path, 0644);
  out.ScriviA(0, f.data(), f.size());
  out.DaiNome();
  return path;
}

int64_t Valori() {
  return kLato * kLato * 3;
}
int64_t Capienza() {
  return Crypta::Furtivo::Capienza(Valori(), 8);
}
std::string Dati() {
  return std::string(size_t(Capienza()), 'd');
}

// The process's peak memory, and the CPU time of all its threads per run
// (the benchmark's own CPU column counts the calling thread alone).
void Misure(benchmark::State& s, const rusage& prima) {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  auto secondi = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  const double cpu =
      secondi(u.ru_utime) + secondi(u.ru_stime) - secondi(prima.ru_utime) - secondi(prima.ru_stime);
  s.counters["picco_MB"] = double(u.ru_maxrss) / 1024;
  s.counters["cpu_s"] = cpu / double(s.iterations());
}

rusage Ora() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return u;
}

const Crypta::Furtivo::Chiavi& Chiavi() {
  static const Crypta::Furtivo::Chiavi k = [] {
    Crypta::Furtivo::Chiavi c;
    c.cammino.fill(1), c.cifratura.fill(2), c.sale.fill(3);
    return c;
  }();
  return k;
}

// The stealth hide without its derivations: the pixels read, changed and
// written back in place, and flushed, as NascondiFurtivo does.
void BM_NascondiFurtivo(benchmark::State& s) {
  const std::string path = Carrier(), dati = Dati();
  const rusage prima = Ora();
  for (auto _ : s) {
    const Crypta::File f = Crypta::File::Apri(path, Crypta::File::Modo::LetturaScrittura);
    auto g = Crypta::Furtivo::Geometria(Crypta::Analizza(f, 1), f.Dimensione(), nullptr);
    std::vector<uint8_t> pixel = Crypta::Furtivo::Leggi(f, *g);
    Crypta::Furtivo::Nascondi(g->forma, pixel.data(), Chiavi(), {"dati.bin", dati});
    f.ScriviA(g->inizio, pixel.data(), pixel.size());
    f.Sincronizza();
  }
  Misure(s, prima);
}

void BM_RivelaFurtivo(benchmark::State& s) {
  const std::string path = Carrier();
  const auto& k = Chiavi();
  const rusage prima = Ora();
  for (auto _ : s) {
    const Crypta::File f = Crypta::File::Apri(path, Crypta::File::Modo::Lettura);
    auto g = Crypta::Furtivo::Geometria(Crypta::Analizza(f, 1), f.Dimensione(), nullptr);
    const std::vector<uint8_t> pixel = Crypta::Furtivo::Leggi(f, *g);
    const auto r =
        Crypta::Furtivo::Rivela(g->forma, k.cammino, [&k](auto&) { return k.cifratura; });
    if (!r || int64_t(r->dati.size()) != Capienza()) s.SkipWithError("nothing revealed");
  }
  Misure(s, prima);
}

void BM_NascondiDesign(benchmark::State& s) {
  const std::string path = Carrier(), dati = Dati();
  const rusage prima = Ora();
  for (auto _ : s) {
    Crypta::Richiesta r;
    r.carrier = path;
    r.Nbit = 1;
    r.chiave = "chiave";
    r.carico = Crypta::Carico::DiByte(dati);
    Crypta::Nascondi(r);
  }
  Misure(s, prima);
}

void BM_RivelaDesign(benchmark::State& s) {
  const std::string path = Carrier();
  const rusage prima = Ora();
  for (auto _ : s) {
    Crypta::DestinazioneMemoria m;
    if (!Crypta::Rivela(path, "chiave", 1, m).trovato) s.SkipWithError("nothing revealed");
  }
  Misure(s, prima);
}

void BM_Argon2id(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(Crypta::Furtivo::ChiaveCifratura("parola", {}));
}

// The design's hide runs first, so that the stealth reveal finds its own
// layout in the carrier after the stealth hide; the design's reveal reads
// what the design's hide left, which the stealth hide's changes of the
// lowest bits spoil only where the walk passes, so it runs before it too.
BENCHMARK(BM_NascondiDesign)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_RivelaDesign)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_NascondiFurtivo)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_RivelaFurtivo)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Argon2id)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);

// The fastest repetition of each, and the stealth ones' ratios to the design's.
class Rapporti : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
        const double t = r.real_accumulated_time / double(r.iterations);
        const auto [it, nuovo] = tempi_.emplace(r.run_name.function_name, t);
        if (!nuovo) it->second = std::min(it->second, t);
      }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* op : {"Nascondi", "Rivela"}) {
      const auto f = tempi_.find(std::string("BM_") + op + "Furtivo");
      const auto d = tempi_.find(std::string("BM_") + op + "Design");
      if (f != tempi_.end() && d != tempi_.end() && d->second > 0)
        std::printf("%-8s stealth %.2f s (%.0f ns per channel value), %.1f times the design's\n",
                    op, f->second, f->second * 1e9 / double(Valori()), f->second / d->second);
    }
  }

 private:
  std::map<std::string, double> tempi_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("carrier %lld x %lld, %lld channel values; safe capacity %lld bytes\n",
              (long long)kLato, (long long)kLato, (long long)Valori(), (long long)Capienza());
  Rapporti reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove_all(Cartella());
}
