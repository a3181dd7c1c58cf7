#include "Supporto.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace prova {

namespace {
void Metti(Byte& b, size_t pos, uint32_t v, int larghezza) {
  for (int i = 0; i < larghezza; ++i) b[pos + size_t(i)] = uint8_t(v >> (8 * i));
}
}  // namespace

Byte Bitmap::Byte_() const {
  const size_t totale = std::max<size_t>(54, offset) + pixel;
  Byte b(totale, 0);
  b[0] = uint8_t(firma[0]);
  b[1] = uint8_t(firma[1]);
  Metti(b, 2, dimensione ? dimensione : uint32_t(totale), 4);
  Metti(b, 10, offset, 4);
  Metti(b, 14, lunghezzaHeader, 4);
  Metti(b, 18, larghezza, 4);
  Metti(b, 22, altezza, 4);
  Metti(b, 26, piani, 2);
  Metti(b, 28, bpp, 2);
  Metti(b, 30, compressione, 4);
  Metti(b, 34, grandezza, 4);
  Metti(b, 38, risOrizz, 4);
  Metti(b, 42, risVert, 4);
  Metti(b, 46, usati, 4);
  Metti(b, 50, importanti, 4);
  const Byte p = Casuali(pixel, seme);
  std::copy(p.begin(), p.end(), b.begin() + std::ptrdiff_t(totale - pixel));
  return b;
}

Cartella::Cartella() {
  // A name no one else has: create_directory says whether it was free.
  std::random_device caso;
  for (int prova = 0; prova < 100; ++prova) {
    char nome[32];
    std::snprintf(nome, sizeof nome, "tavelin-%08x", unsigned(caso()));
    dir_ = std::filesystem::temp_directory_path() / nome;
    if (std::filesystem::create_directory(dir_)) return;
  }
  throw std::runtime_error("no temporary folder");
}

Cartella::~Cartella() {
  std::error_code ec;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  // Windows deletes no read-only file.
  for (auto i = std::filesystem::recursive_directory_iterator(dir_, ec);
       i != std::filesystem::recursive_directory_iterator(); i.increment(ec))
    std::filesystem::permissions(i->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(dir_, ec);
}

std::string NonRegolare(const std::string& path) {
#ifdef _WIN32
  static_cast<void>(path);
  return "NUL";
#else
  if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo " + path);
  return path;
#endif
}

bool Scrivibile(const std::string& path) {
  return std::fstream(std::filesystem::u8path(path), std::ios::in | std::ios::out).is_open();
}

Byte Leggi(const std::string& path) {
  std::ifstream f(std::filesystem::u8path(path), std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  return Byte(std::istreambuf_iterator<char>(f), {});
}

void Scrivi(const std::string& path, const Byte& dati) {
  std::ofstream f(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(dati.data()), std::streamsize(dati.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

std::string Scrivi(const Cartella& c, const std::string& nome, const Bitmap& b) {
  const std::string path = c / nome;
  Scrivi(path, b.Byte_());
  return path;
}

Byte Casuali(size_t n, uint32_t seme) {
  std::mt19937 gen(seme);
  Byte b(n);
  for (auto& x : b) x = uint8_t(gen());
  return b;
}

}  // namespace prova
