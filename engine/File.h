// The engine's file layer: a file held open for the span of one operation and
// closed on every way out. Positioned block reads and writes above 4 GiB,
// locks that other operations see, flushes to the device, and files that get
// their name only once they are complete. One implementation per system
// (FilePosix.cpp, FileWindows.cpp); nothing else in the engine calls the
// system for a file. Paths are UTF-8 everywhere. Errors are Crypta::Errore of
// kind File, with a POSIX error number (Windows' own codes are translated, so
// that one table words the messages: FileErrori.cpp) and an Italian message
// that names the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "Accesso.h"

namespace Crypta {

class File : public Accesso {
 public:
  enum class Modo { Lettura, LetturaScrittura, Aggiunta };
  enum class Blocco { Condiviso, Esclusivo };
  using Maniglia = intptr_t;  // a descriptor on POSIX, a HANDLE on Windows

  // Opens an existing regular file; anything else (missing, a folder, a FIFO,
  // no permission) throws. Aggiunta writes at the end and never creates.
  static File Apri(const std::string& path, Modo modo);
  // The same for reading, but a file that cannot be opened as a regular file
  // gives nothing, and its error number in `err`.
  static std::optional<File> ProvaApri(const std::string& path, int* err = nullptr);
  // A new file that is to become `path`, made in its folder with the
  // permission bits `permessi` but without a name until DaiNome. Nothing of
  // it remains if the process ends before, however it ends (where the file
  // system cannot make a file without a name, it has a hidden one that the
  // handle removes on every way out).
  static File Anonimo(const std::string& path, unsigned permessi);
  // A file for the process's own use in `cartella`, that nothing can see
  // and that vanishes with the process however it ends.
  static File Temporaneo(const std::string& cartella);
  // Opens for reading whatever `path` is but a folder: a regular file, a
  // pipe, a terminal.
  static File ApriFlusso(const std::string& path);
  // A descriptor the process already holds (0 standard input, 1 standard
  // output); the handle never closes it.
  static File Descrittore(int fd, std::string nome);
  // Whether anything is at `path`, a link that leads nowhere included.
  static bool Esiste(const std::string& path);

  File(File&& altro) noexcept;
  File& operator=(File&&) = delete;
  File(const File&) = delete;
  ~File() override;

  int64_t Dimensione() const override;
  size_t LeggiA(int64_t pos, void* buf, size_t n) const override;
  void ScriviA(int64_t pos, const void* buf, size_t n) const override;
  void Sincronizza() const override;
  void CopiaDa(const Accesso& da, int64_t pos, int64_t n) const override;

  // One read from the current position, for a pipe or a terminal: the bytes
  // read, 0 at the end, or nothing when a signal interrupted the wait, so
  // that the caller can see whether it asks to stop.
  std::optional<size_t> LeggiParte(void* buf, size_t n) const;
  void Scrivi(const void* buf, size_t n) const;  // at the current position
  void Tronca(int64_t n) const;
  bool StessoFile(const File& altro) const;
  unsigned Permessi() const;  // the permission bits, 0777 at most

  // Takes a lock that every other operation of this program sees, on any
  // descriptor of any process, for as long as this handle is open. False when
  // another one holds a lock that excludes it; true also where the file
  // system has no locks at all. The lock never stops a plain read or write,
  // even where the system's locks are mandatory.
  bool Blocca(Blocco tipo) const;

  // Gives a file made by Anonimo its name. An existing file is never
  // replaced: that is an error.
  void DaiNome();

  const std::string& Nome() const override { return nome_; }

 private:
  File(Maniglia fd, std::string nome, bool proprio = true)
      : fd_(fd), proprio_(proprio), nome_(std::move(nome)) {}
  [[noreturn]] void Fallito(const char* azione, int err) const;
  template <typename Op>
  size_t Tutti(size_t n, bool lettura, Op op) const;

  Maniglia fd_;
  bool proprio_;          // the handle closes the descriptor
  std::string nome_;      // the name in messages; an Anonimo's future name
  std::string nascosto_;  // the hidden name of an Anonimo that has one
  bool anonimo_ = false;  // made by Anonimo and not yet named
  unsigned permessi_ = 0;  // an Anonimo's permission bits, where they come with the name
};

// The message for a failed operation on a file, from the system's error number.
std::string MessaggioErrore(const std::string& nome, const char* azione, int err);
// The error itself, of kind File.
[[noreturn]] void ErroreFile(const std::string& nome, const char* azione, int err);
// The message for a temporary file that cannot be made in `cartella`.
std::string MessaggioTemporaneo(const std::string& cartella, int err);
// The folder that holds `path` ("." for a bare name), and its last element.
std::string CartellaDi(const std::string& path);
std::string NomeDi(const std::string& path);
// Where the process keeps files of its own: TMPDIR or /tmp on POSIX, the
// user's temporary folder on Windows.
std::string CartellaTemporanea();

}  // namespace Crypta
