// The file layer on Windows. Paths arrive in UTF-8 and go to the system in
// UTF-16. Reads and writes name their offset in an OVERLAPPED, so positions
// above 4 GiB need nothing more. Windows' locks are mandatory over the bytes
// they cover, so the program locks one byte far past any possible end of
// file, where a lock stops only another lock. In place of an unnamed file, a
// hidden one in the target's folder that the system deletes when its handle
// closes, however the process ends, until DaiNome renames it without ever
// replacing a file. Windows' error codes become the POSIX numbers of the one
// message table.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "Crypta.h"
#include "File.h"
#include "Lingua.h"
#include "SistemaWindows.h"

namespace Crypta {

namespace {

HANDLE H(File::Maniglia m) { return reinterpret_cast<HANDLE>(m); }

// Past the largest file NTFS can hold (16 TiB), and within what any file
// system's lock table takes.
constexpr uint64_t kPosizioneBlocco = uint64_t{1} << 62;
constexpr DWORD kPassoMassimo = DWORD{1} << 30;  // bytes in one ReadFile or WriteFile

DWORD Diritti(File::Modo modo) {
  switch (modo) {
    case File::Modo::Lettura: return GENERIC_READ;
    case File::Modo::LetturaScrittura: return GENERIC_READ | GENERIC_WRITE;
    case File::Modo::Aggiunta: return GENERIC_WRITE | FILE_READ_ATTRIBUTES;
  }
  return GENERIC_READ;
}

OVERLAPPED A(uint64_t pos) {
  OVERLAPPED o{};
  o.Offset = DWORD(pos);
  o.OffsetHigh = DWORD(pos >> 32);
  return o;
}

bool Disco(HANDLE h) { return GetFileType(h) == FILE_TYPE_DISK; }

bool Elimina(HANDLE h, bool si) {
  FILE_DISPOSITION_INFO d{};
  d.DeleteFile = si ? TRUE : FALSE;
  return SetFileInformationByHandle(h, FileDispositionInfo, &d, sizeof d) != 0;
}

bool Attributi(HANDLE h, DWORD attributi) {
  FILE_BASIC_INFO b{};  // times at zero: left as they are
  b.FileAttributes = attributi;
  return SetFileInformationByHandle(h, FileBasicInfo, &b, sizeof b) != 0;
}

}  // namespace

File File::Apri(const std::string& path, Modo modo) {
  int err = 0;
  const HANDLE h = ApriRegolare(path, Diritti(modo), err);
  if (h == INVALID_HANDLE_VALUE)
    ErroreFile(path, modo == Modo::Lettura ? "aprire" : "aprire in scrittura", err);
  File f(reinterpret_cast<Maniglia>(h), path);
  // Appends go on from the end, where nothing else of this program writes
  // while the lock is held.
  LARGE_INTEGER zero{};
  if (modo == Modo::Aggiunta && !SetFilePointerEx(h, zero, nullptr, FILE_END))
    f.Fallito("aprire in scrittura", UltimoErrore());
  return f;
}

std::optional<File> File::ProvaApri(const std::string& path, int* err) {
  int e = 0;
  const HANDLE h = ApriRegolare(path, GENERIC_READ, e);
  if (err) *err = e;
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  return File(reinterpret_cast<Maniglia>(h), path);
}

File File::Anonimo(const std::string& path, unsigned permessi) {
  const std::string cartella = CartellaDi(path);
  HANDLE h = INVALID_HANDLE_VALUE;
  std::string nascosto;
  int err = EEXIST;
  for (int prova = 0; prova < 100 && err == EEXIST; ++prova) {
    nascosto = NomeNascosto(cartella);
    // Shared for deleting only, so that the rename in DaiNome can open it.
    h = Crea(nascosto, GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, CREATE_NEW,
             FILE_ATTRIBUTE_HIDDEN, err);
    if (h != INVALID_HANDLE_VALUE) break;
  }
  if (h == INVALID_HANDLE_VALUE) ErroreFile(path, "creare", err);
  File f(reinterpret_cast<Maniglia>(h), path);
  f.nascosto_ = nascosto;
  f.anonimo_ = true;
  f.permessi_ = permessi & 0777;
  // From now on the file goes with its handle, however the process ends.
  if (!Elimina(h, true)) f.Fallito("creare", UltimoErrore());
  return f;
}

File File::Temporaneo(const std::string& cartella) {
  HANDLE h = INVALID_HANDLE_VALUE;
  int err = EEXIST;
  for (int prova = 0; prova < 100 && err == EEXIST; ++prova) {
    // Nobody else may open it, and it is gone when the handle closes.
    h = Crea(NomeNascosto(cartella), GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW,
             FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, err);
    if (h != INVALID_HANDLE_VALUE) break;
  }
  if (h == INVALID_HANDLE_VALUE) throw Errore(MessaggioTemporaneo(cartella, err), Genere::File, err);
  return File(reinterpret_cast<Maniglia>(h), Tr("file temporaneo"));
}

File File::ApriFlusso(const std::string& path) {
  int err = 0;
  const HANDLE h = Crea(path, GENERIC_READ, kCondivisa, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, err);
  if (h == INVALID_HANDLE_VALUE) ErroreFile(path, "leggere", err);
  return File(reinterpret_cast<Maniglia>(h), path);
}

File File::Descrittore(int fd, std::string nome) {
  return File(static_cast<Maniglia>(_get_osfhandle(fd)), std::move(nome), false);
}

bool File::Esiste(const std::string& path) {
  std::wstring w;
  return Largo(path, w) && GetFileAttributesW(w.c_str()) != INVALID_FILE_ATTRIBUTES;
}

File::File(File&& altro) noexcept
    : fd_(altro.fd_),
      proprio_(altro.proprio_),
      nome_(std::move(altro.nome_)),
      nascosto_(std::move(altro.nascosto_)),
      anonimo_(altro.anonimo_),
      permessi_(altro.permessi_) {
  altro.fd_ = reinterpret_cast<Maniglia>(INVALID_HANDLE_VALUE);
  altro.nascosto_.clear();
}

File::~File() {
  const HANDLE h = H(fd_);
  if (h == INVALID_HANDLE_VALUE || h == nullptr || !proprio_) return;
  // The system frees a closed handle's locks only in its own time; a lock
  // taken here is given back at once. Without one, this fails and does nothing.
  OVERLAPPED o = A(kPosizioneBlocco);
  UnlockFileEx(h, 0, 1, 0, &o);
  CloseHandle(h);
}

void File::Fallito(const char* azione, int err) const { ErroreFile(nome_, azione, err); }

int64_t File::Dimensione() const {
  if (!Disco(H(fd_))) return 0;  // a pipe or a console, as fstat sees them
  LARGE_INTEGER n;
  if (!GetFileSizeEx(H(fd_), &n)) Fallito("leggere", UltimoErrore());
  return n.QuadPart;
}

unsigned File::Permessi() const {
  BY_HANDLE_FILE_INFORMATION i;
  if (!GetFileInformationByHandle(H(fd_), &i)) Fallito("leggere", UltimoErrore());
  // Windows keeps one bit of them: whether the file may be written.
  return (i.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
}

bool File::StessoFile(const File& altro) const {
  BY_HANDLE_FILE_INFORMATION a, b;
  return GetFileInformationByHandle(H(fd_), &a) && GetFileInformationByHandle(H(altro.fd_), &b) &&
         a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// Repeats a read or a write until `n` bytes are done, at most a gigabyte a
// call. `op(fatti, quanti, mossi)` moves up to `quanti` bytes from `fatti` on
// and tells how many in `mossi`. A read stops early at the end of the file or
// of a pipe; a write that moves nothing is an error.
template <typename Op>
size_t File::Tutti(size_t n, bool lettura, Op op) const {
  size_t fatti = 0;
  while (fatti < n) {
    DWORD mossi = 0;
    if (!op(fatti, DWORD(std::min<size_t>(n - fatti, kPassoMassimo)), mossi)) {
      const DWORD e = GetLastError();
      if (lettura && (e == ERROR_HANDLE_EOF || e == ERROR_BROKEN_PIPE)) break;
      Fallito(lettura ? "leggere" : "scrivere", Errno(e));
    }
    if (mossi == 0) {
      if (lettura) break;
      Fallito("scrivere", EIO);
    }
    fatti += mossi;
  }
  return fatti;
}

size_t File::LeggiA(int64_t pos, void* buf, size_t n) const {
  return Tutti(n, true, [&](size_t fatti, DWORD quanti, DWORD& mossi) {
    OVERLAPPED o = A(uint64_t(pos) + fatti);
    return ReadFile(H(fd_), static_cast<char*>(buf) + fatti, quanti, &mossi, &o) != 0;
  });
}

void File::ScriviA(int64_t pos, const void* buf, size_t n) const {
  Tutti(n, false, [&](size_t fatti, DWORD quanti, DWORD& mossi) {
    OVERLAPPED o = A(uint64_t(pos) + fatti);
    return WriteFile(H(fd_), static_cast<const char*>(buf) + fatti, quanti, &mossi, &o) != 0;
  });
}

std::optional<size_t> File::LeggiParte(void* buf, size_t n) const {
  DWORD letti = 0;
  if (ReadFile(H(fd_), buf, DWORD(std::min<size_t>(n, kPassoMassimo)), &letti, nullptr))
    return letti;
  const DWORD e = GetLastError();
  if (e == ERROR_BROKEN_PIPE || e == ERROR_HANDLE_EOF) return 0;
  if (e == ERROR_OPERATION_ABORTED) return std::nullopt;  // Ctrl-C during a console read
  Fallito("leggere", Errno(e));
}

void File::Scrivi(const void* buf, size_t n) const {
  Tutti(n, false, [&](size_t fatti, DWORD quanti, DWORD& mossi) {
    return WriteFile(H(fd_), static_cast<const char*>(buf) + fatti, quanti, &mossi, nullptr) != 0;
  });
}

void File::Sincronizza() const {
  if (!Disco(H(fd_))) return;  // a pipe or a console: nothing to flush
  if (!FlushFileBuffers(H(fd_))) Fallito("scrivere", UltimoErrore());
}

void File::Tronca(int64_t n) const {
  FILE_END_OF_FILE_INFO fine{};
  fine.EndOfFile.QuadPart = n;
  if (!SetFileInformationByHandle(H(fd_), FileEndOfFileInfo, &fine, sizeof fine))
    Fallito("scrivere", UltimoErrore());
}

void File::CopiaDa(const Accesso& da, int64_t pos, int64_t n) const { Accesso::CopiaDa(da, pos, n); }

bool File::Blocca(Blocco tipo) const {
  OVERLAPPED o = A(kPosizioneBlocco);
  const DWORD flag =
      LOCKFILE_FAIL_IMMEDIATELY | (tipo == Blocco::Esclusivo ? LOCKFILE_EXCLUSIVE_LOCK : 0);
  if (LockFileEx(H(fd_), flag, 0, 1, 0, &o)) return true;
  // Anything but a lock held elsewhere: a file system without locks.
  return GetLastError() != ERROR_LOCK_VIOLATION;
}

void File::DaiNome() {
  if (!anonimo_) return;
  const HANDLE h = H(fd_);
  std::wstring da, a;
  if (!Largo(nascosto_, da) || !Largo(nome_, a)) Fallito("creare", ENOENT);
  // A file about to be deleted cannot be opened, and so cannot be renamed:
  // it is kept from here to the rename, and deleted again if that fails. A
  // process killed in this gap leaves the hidden file, never the named one.
  if (!Attributi(h, FILE_ATTRIBUTE_NORMAL) || !Elimina(h, false)) Fallito("creare", UltimoErrore());
  if (!MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const int err = UltimoErrore();
    Elimina(h, true);
    Fallito("creare", err);
  }
  nascosto_.clear();
  anonimo_ = false;
  if (!(permessi_ & 0222)) Attributi(h, FILE_ATTRIBUTE_READONLY);
}

}  // namespace Crypta
