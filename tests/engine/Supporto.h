// Test support: carriers built in memory with chosen header fields, a
// temporary folder that cleans up after itself, and whole-file helpers.
// Paths are UTF-8, as the engine takes them, on every system.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace prova {

using Byte = std::vector<uint8_t>;

struct Bitmap {
  std::string firma = "BM";
  uint32_t dimensione = 0;  // 0: the real size of the file
  uint32_t offset = 54;
  uint32_t lunghezzaHeader = 40;
  uint32_t larghezza = 10, altezza = 10;
  uint16_t piani = 1, bpp = 24;
  uint32_t compressione = 0, grandezza = 320;
  uint32_t risOrizz = 2835, risVert = 2835, usati = 0, importanti = 0;
  size_t pixel = 320;    // pixel bytes after the offset
  uint32_t seme = 1;     // pixel content

  Byte Byte_() const;
};

class Cartella {
 public:
  Cartella();
  ~Cartella();
  Cartella(const Cartella&) = delete;
  Cartella& operator=(const Cartella&) = delete;
  std::string operator/(const std::string& nome) const {
    return (dir_ / std::filesystem::u8path(nome)).u8string();
  }
  const std::filesystem::path& Path() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

// A path that names something other than a regular file, made at `path`
// where the system can: a FIFO on POSIX; on Windows, which has none, the
// null device NUL.
std::string NonRegolare(const std::string& path);

// Whether this process can open the file for writing, whatever its mode or
// read-only attribute says: root can, and so can Wine run by root.
bool Scrivibile(const std::string& path);

Byte Leggi(const std::string& path);
void Scrivi(const std::string& path, const Byte& dati);
std::string Scrivi(const Cartella& c, const std::string& nome, const Bitmap& b);
Byte Casuali(size_t n, uint32_t seme);

}  // namespace prova
