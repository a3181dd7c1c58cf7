// What the picture library does not check by itself, looked at in the file
// before it decodes anything: whether a JPEG's or a GIF's coded data can
// reach the last pixel its header declares, whether a PNG's compressed data
// are more than its rows could need, whether a TGA or a bitmap holds all its
// pixels, and what a JPEG will need in memory. Each answer is the reason for
// a refusal, in words that follow "Impossibile leggere l'immagine ...: ", or
// nothing when the library may go on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "File.h"

namespace Crypta {

// The file's bytes in order, a block at a time; -1 at the end.
class Flusso {
 public:
  explicit Flusso(const File& f) : f_(f) {}
  int Prossimo() {
    if (i_ == n_) {
      n_ = f_.LeggiA(pos_, blocco_, sizeof blocco_);
      pos_ += int64_t(n_);
      i_ = 0;
      if (n_ == 0) return -1;
    }
    return blocco_[i_++];
  }
  // Skips n bytes; false when the file ends first.
  bool Salta(int64_t n) {
    for (; n > 0; --n)
      if (Prossimo() < 0) return false;
    return true;
  }

 private:
  const File& f_;
  uint8_t blocco_[65536];
  size_t i_ = 0, n_ = 0;
  int64_t pos_ = 0;
};

// A JPEG whose Huffman tables the library would overrun, or whose scans
// hold fewer bits than their blocks need, or that leaves a component
// without its first scan. `memoria` receives the bytes the library will set
// aside for its decode.
// The reason given for a Huffman table the library would overrun.
std::string TabellaJpeg();
std::optional<std::string> DifettoJpeg(const File& f, uint64_t* memoria);

// A GIF whose first frame does not cover its screen, or whose coded data
// ends before the frame's last pixel.
std::optional<std::string> DifettoGif(const File& f);

// A PNG whose compressed data are more than its rows can need.
std::optional<std::string> DifettoPng(const File& f);

// A TGA or an uncompressed BMP shorter than its pixels need.
std::optional<std::string> DifettoTga(const File& f);
std::optional<std::string> DifettoBmp(const File& f);

}  // namespace Crypta
