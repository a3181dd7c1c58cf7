// A file held open for the span of one operation, closed on every way out.
// Positioned block reads and writes; errors become Crypta::Errore with an
// Italian message that names the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace Crypta {

class File {
 public:
  enum class Modo { Lettura, LetturaScrittura, Aggiunta };

  // Opens a regular file; anything else (missing, a folder, no permission) throws.
  static File Apri(const std::string& path, Modo modo);
  // The same, but a file that cannot be opened as a regular file gives nothing.
  static std::optional<File> ProvaApri(const std::string& path);

  File(File&& altro) noexcept;
  File& operator=(File&&) = delete;
  File(const File&) = delete;
  ~File();

  int64_t Dimensione() const;
  bool StessoFile(const File& altro) const;
  // Reads up to n bytes at pos; returns fewer only at the end of the file.
  size_t LeggiA(int64_t pos, void* buf, size_t n) const;
  void ScriviA(int64_t pos, const void* buf, size_t n) const;
  size_t Leggi(void* buf, size_t n) const;  // from the current position
  void Scrivi(const void* buf, size_t n) const;
  const std::string& Nome() const { return nome_; }

 private:
  File(int fd, std::string nome) : fd_(fd), nome_(std::move(nome)) {}
  [[noreturn]] void Fallito(const char* azione, int err) const;
  template <typename Op>
  size_t Tutti(size_t n, bool lettura, Op op) const;
  int fd_;
  std::string nome_;
};

// The message for a failed operation on a file, from the system's error code.
std::string MessaggioErrore(const std::string& nome, const char* azione, int err);

}  // namespace Crypta
