// The fixture of the command-line tests: a temporary folder, carriers made
// in it, and the window's way of calling the engine, to check that carriers
// travel between the two programs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Crypta.h"
#include "Esegui.h"
#include "Supporto.h"

namespace prova {

class Banco : public ::testing::Test {
 protected:
  void SetUp() override {
    Crypta::Finestra = {};
    Crypta::BmpHeader = {};
  }
  // A 24-bit carrier, 54 header bytes then `pixel` random bytes; at 1 bit a
  // payload of (pixel - 32) / 8 bytes fits.
  std::string Carrier(size_t pixel = 320, uint32_t seme = 1) {
    Bitmap b;
    b.pixel = pixel;
    b.seme = seme;
    return Scrivi(dir, "c" + std::to_string(++contatore) + ".bmp", b);
  }
  std::string File(const std::string& nome, const std::string& contenuto) {
    Scrivi(dir / nome, Byte(contenuto.begin(), contenuto.end()));
    return dir / nome;
  }
  static std::string Testo(const std::string& path) {
    const Byte b = Leggi(path);
    return std::string(b.begin(), b.end());
  }

  Cartella dir;
  int contatore = 0;
};

// What the window does with a typed string and key: Windows-1252 codes, lines
// ending in CR LF; and back for a revealed string.
std::string Codici(const std::string& utf8);
std::string FinestraNascondi(const std::string& carrier, const std::string& testo,
                             const std::string& chiave, int16_t Nbit);
std::string FinestraRivela(const std::string& carrier, const std::string& chiave, int16_t Nbit);

}  // namespace prova
