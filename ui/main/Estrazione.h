// What the reveal tab works out before it calls the engine and what it puts
// right afterwards: the output path, the bit count read from its text box,
// and the output file as it was, so that a reveal that fails halfway leaves
// no part of the payload behind.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace Estrazione {

// The folder, this platform's separator, the file name: joined as they are,
// with no separator removed or added beyond the one inserted.
QString PercorsoUscita(const QString& cartella, const QString& nome);

// The bit count from its text: the leading number of the text, rounded to
// the nearest integer, ties to even. A text that starts with no number, or
// a number outside 16 bits, gives 0, which the engine refuses.
int16_t Bit(const QString& testo);

// Notes the output file before a reveal appends to it; Ripristina() brings
// it back to that state: cut to its old length, or removed when the reveal
// created it.
class Uscita {
 public:
  explicit Uscita(std::filesystem::path path);
  void Ripristina() const noexcept;

 private:
  std::filesystem::path path_;
  std::optional<std::uintmax_t> lunghezza_;  // nothing: there was no file
  bool altro_ = false;                       // something that is not a regular file: never touched
};

}  // namespace Estrazione
