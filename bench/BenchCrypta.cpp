// Hide and reveal a 32 MiB file at each bit count, against the plain-I/O floor
// over the same bytes: reading the payload and reading and rewriting the
// carrier region in 1 MiB blocks, then the flush to the device that a hide
// needs before its last byte (hide); reading the carrier region and writing
// the payload (reveal). Prints each operation's ratio to its floor.
//
// TAVELIN_BENCH_DIR picks the folder for the files (default: the temp folder).
// TAVELIN_BENCH_FLUSH=1 adds what the flush itself costs: writing 18 MiB and
// 1 GiB of a carrier with and without it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Crypta.h"

namespace {

constexpr int64_t kPayload = int64_t{32} << 20;
constexpr size_t kBlocco = size_t{1} << 20;
constexpr int64_t kOffset = 54;

std::filesystem::path Cartella() {
  const char* d = std::getenv("TAVELIN_BENCH_DIR");
  static const std::filesystem::path dir =
      (d ? std::filesystem::path(d) : std::filesystem::temp_directory_path()) /
      ("tavelin-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

std::string Percorso(const std::string& nome) { return (Cartella() / nome).string(); }

void ScriviFile(const std::string& path, int64_t n, uint32_t seme) {
  std::vector<char> blocco(kBlocco);
  std::mt19937 gen(seme);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  for (int64_t fatti = 0; fatti < n;) {
    for (auto& c : blocco) c = char(gen());
    const size_t k = size_t(std::min<int64_t>(n - fatti, int64_t(kBlocco)));
    if (::write(fd, blocco.data(), k) != ssize_t(k)) std::abort();
    fatti += int64_t(k);
  }
  ::close(fd);
}

// A carrier whose declared size fits a 32 MiB payload at this bit count.
std::string Carrier(int n) {
  const std::string path = Percorso("carrier" + std::to_string(n) + ".bmp");
  if (std::filesystem::exists(path)) return path;
  const int64_t totale = kOffset + (4 + kPayload) * (8 / n);
  ScriviFile(path, totale, uint32_t(n));
  uint8_t header[54] = {'B', 'M'};
  for (int i = 0; i < 4; ++i) header[2 + i] = uint8_t(totale >> (8 * i));
  header[10] = kOffset;
  header[14] = 40;
  const int fd = ::open(path.c_str(), O_WRONLY);
  if (::pwrite(fd, header, sizeof header, 0) != ssize_t(sizeof header)) std::abort();
  ::close(fd);
  return path;
}

std::string Payload() {
  const std::string path = Percorso("payload");
  if (!std::filesystem::exists(path)) ScriviFile(path, kPayload, 99);
  return path;
}

void BM_Crypt(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string carrier = Carrier(n), payload = Payload();
  for (auto _ : state)
    Crypta::CryptBitmap(carrier, kOffset, int32_t(kPayload), payload, false, "chiave", int16_t(n));
  state.SetBytesProcessed(state.iterations() * kPayload);
}

void BM_PavimentoCrypt(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string carrier = Carrier(n), payload = Payload();
  std::vector<char> blocco(kBlocco);
  const int64_t regione = (4 + kPayload) * (8 / n);
  for (auto _ : state) {
    const int p = ::open(payload.c_str(), O_RDONLY);
    while (::read(p, blocco.data(), kBlocco) > 0) benchmark::DoNotOptimize(blocco.data());
    ::close(p);
    const int c = ::open(carrier.c_str(), O_RDWR);
    for (int64_t pos = 0; pos < regione; pos += int64_t(kBlocco)) {
      const size_t k = size_t(std::min<int64_t>(regione - pos, int64_t(kBlocco)));
      if (::pread(c, blocco.data(), k, kOffset + pos) != ssize_t(k)) std::abort();
      if (::pwrite(c, blocco.data(), k, kOffset + pos) != ssize_t(k)) std::abort();
    }
    ::fdatasync(c);
    ::close(c);
  }
  state.SetBytesProcessed(state.iterations() * kPayload);
}

// Rewrites `MiB` of a carrier of that size, then flushes it or not.
void BM_Flush(benchmark::State& state) {
  const int64_t n = state.range(0) << 20;
  const bool flush = state.range(1) != 0;
  const std::string path = Percorso("flush" + std::to_string(state.range(0)));
  if (!std::filesystem::exists(path)) ScriviFile(path, n, 5);
  std::vector<char> blocco(kBlocco, 'f');
  for (auto _ : state) {
    const int c = ::open(path.c_str(), O_RDWR);
    for (int64_t pos = 0; pos < n; pos += int64_t(kBlocco))
      if (::pwrite(c, blocco.data(), kBlocco, pos) != ssize_t(kBlocco)) std::abort();
    if (flush) ::fdatasync(c);
    ::close(c);
  }
  state.SetBytesProcessed(state.iterations() * n);
}

void BM_DeCrypt(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string carrier = Carrier(n), uscita = Percorso("uscita");
  Crypta::CryptBitmap(carrier, kOffset, int32_t(kPayload), Payload(), false, "chiave", int16_t(n));
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(uscita);
    state.ResumeTiming();
    if (Crypta::DeCryptBitmap(carrier, "chiave", int16_t(n), false, uscita) != "True") std::abort();
  }
  state.SetBytesProcessed(state.iterations() * kPayload);
}

void BM_PavimentoDeCrypt(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string carrier = Carrier(n), uscita = Percorso("uscita");
  std::vector<char> blocco(kBlocco);
  const int64_t regione = (4 + kPayload) * (8 / n);
  const int64_t uscitaBlocco = int64_t(kBlocco) / (8 / n);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(uscita);
    state.ResumeTiming();
    const int c = ::open(carrier.c_str(), O_RDONLY);
    const int o = ::open(uscita.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
    for (int64_t pos = 0; pos < regione; pos += int64_t(kBlocco)) {
      const size_t k = size_t(std::min<int64_t>(regione - pos, int64_t(kBlocco)));
      if (::pread(c, blocco.data(), k, kOffset + pos) != ssize_t(k)) std::abort();
      const size_t w = std::min(k, size_t(uscitaBlocco));
      if (::write(o, blocco.data(), w) != ssize_t(w)) std::abort();
    }
    ::close(o);
    ::close(c);
  }
  state.SetBytesProcessed(state.iterations() * kPayload);
}

// Each is measured five times and the ratio taken between the fastest runs:
// page-cache writeback and the neighbours' load only ever add time.
#define TAVELIN_BENCH(f) \
  BENCHMARK(f)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->Repetitions(5)
TAVELIN_BENCH(BM_PavimentoCrypt);
TAVELIN_BENCH(BM_Crypt);
TAVELIN_BENCH(BM_PavimentoDeCrypt);
TAVELIN_BENCH(BM_DeCrypt);

// Keeps each benchmark's fastest time per iteration over its repetitions and
// prints the ratios at the end.
class Rapporti : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
        const double t = r.real_accumulated_time / double(r.iterations);
        const auto [it, nuovo] = tempi_.emplace(r.run_name.function_name + "/" + r.run_name.args, t);
        if (!nuovo) it->second = std::min(it->second, t);
      }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* op : {"Crypt", "DeCrypt"})
      for (const int n : {1, 2, 4, 8}) {
        const std::string suffisso = "/" + std::to_string(n);
        const auto t = tempi_.find(std::string("BM_") + op + suffisso);
        const auto p = tempi_.find(std::string("BM_Pavimento") + op + suffisso);
        if (t != tempi_.end() && p != tempi_.end() && p->second > 0)
          std::printf("ratio %-7s %d bit: %.2f\n", op, n, t->second / p->second);
      }
  }

 private:
  std::map<std::string, double> tempi_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (const char* f = std::getenv("TAVELIN_BENCH_FLUSH"); f && *f == '1')
    for (const int64_t mib : {18, 1024})
      for (const int64_t flush : {0, 1})
        benchmark::RegisterBenchmark("BM_Flush", BM_Flush)
            ->Args({mib, flush})
            ->Unit(benchmark::kMillisecond)
            ->Iterations(mib > 100 ? 2 : 10)
            ->Repetitions(3);
  Rapporti reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove_all(Cartella());
}
