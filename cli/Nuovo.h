// A reveal's sink that makes a new file: it has no name until the payload
// is whole and on the device, it never replaces a file, and it leaves nothing
// behind a failure. Readable by its owner only, as it holds what was hidden.
#pragma once

#include <optional>
#include <string>

#include "Operazioni.h"

namespace Cli {

class DestinazioneNuova : public Crypta::Destinazione {
 public:
  explicit DestinazioneNuova(std::string path) : path_(std::move(path)) {}
  void Apri(const Crypta::File& carrier, int64_t lunghezza) override;
  void Scrivi(const uint8_t* dati, size_t n) override;
  void Completa() override;
  void Annulla() noexcept override { file_.reset(); }

 private:
  std::string path_;
  std::optional<Crypta::File> file_;
};

}  // namespace Cli
