// Files this program makes for its own use and must not leave behind: a
// temporary file, or a copy of the carrier that a failed hide has half
// written. Each is removed when its owner goes out of scope without keeping
// it, and also when SIGINT, SIGTERM, SIGHUP or SIGPIPE ends the program.
#pragma once

#include <string>

namespace Cli {

// Installs the signal handlers that remove the registered files; once, at start.
void InstallaPulizia();

class FileDaRimuovere {
 public:
  explicit FileDaRimuovere(std::string path);
  FileDaRimuovere(FileDaRimuovere&& altro) noexcept;
  FileDaRimuovere& operator=(FileDaRimuovere&&) = delete;
  FileDaRimuovere(const FileDaRimuovere&) = delete;
  ~FileDaRimuovere();

  const std::string& Path() const { return path_; }
  void Tieni();  // the file is the result: keep it

 private:
  std::string path_;
  int slot_ = -1;  // its place among the files the signal handler removes
};

// An empty file of our own under $TMPDIR, or /tmp.
FileDaRimuovere CreaTemporaneo();

// A byte copy of `da` in the new file `a`; an existing `a` is never
// overwritten. The copy is removed again unless the caller keeps it.
FileDaRimuovere CreaCopia(const std::string& da, const std::string& a);

}  // namespace Cli
