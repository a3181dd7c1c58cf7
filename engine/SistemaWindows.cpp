// Windows' error codes, paths, and the opening of a path as a handle: the
// pieces of the file layer that know nothing of the File object.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>

#include "File.h"
#include "SistemaWindows.h"

namespace Crypta {

int Errno(DWORD e) {
  switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NO_UNICODE_TRANSLATION:
    case ERROR_DELETE_PENDING: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: return EPIPE;
    case ERROR_FILE_TOO_LARGE: return EFBIG;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
    case ERROR_SECTOR_NOT_FOUND: return EIO;
    case ERROR_INVALID_HANDLE: return EBADF;
    default: return ENOSYS;  // no counterpart: the table words it as a system error
  }
}

int UltimoErrore() { return Errno(GetLastError()); }


// UTF-8 to UTF-16, '/' to '\'. A long absolute path gets the \\?\ prefix
// that lifts the old limit of 260 characters. False for bytes that are no
// UTF-8, which can name no file.
bool Largo(const std::string& utf8, std::wstring& w) {
  w.clear();
  if (utf8.empty()) return true;
  const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()),
                                    nullptr, 0);
  if (n <= 0) return false;
  w.resize(size_t(n));
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), w.data(), n);
  std::replace(w.begin(), w.end(), L'/', L'\\');
  if (w.size() < MAX_PATH - 12 || w.rfind(L"\\\\?\\", 0) == 0) return true;
  const DWORD m = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (m == 0) return true;
  std::wstring pieno(m, L'\0');
  const DWORD k = GetFullPathNameW(w.c_str(), m, pieno.data(), nullptr);
  if (k == 0 || k >= m) return true;
  pieno.resize(k);
  w = pieno.rfind(L"\\\\", 0) == 0 ? L"\\\\?\\UNC\\" + pieno.substr(2) : L"\\\\?\\" + pieno;
  return true;
}

std::string Stretto(const wchar_t* w, size_t lunghezza) {
  if (lunghezza == 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w, int(lunghezza), nullptr, 0, nullptr, nullptr);
  std::string s(size_t(std::max(n, 0)), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w, int(lunghezza), s.data(), n, nullptr, nullptr);
  return s;
}

HANDLE Crea(const std::string& path, DWORD accesso, DWORD condivisione, DWORD disposizione,
            DWORD attributi, int& err) {
  std::wstring w;
  if (!Largo(path, w)) {
    err = ENOENT;
    return INVALID_HANDLE_VALUE;
  }
  const HANDLE h =
      CreateFileW(w.c_str(), accesso, condivisione, nullptr, disposizione, attributi, nullptr);
  if (h != INVALID_HANDLE_VALUE) return h;
  const DWORD e = GetLastError();
  err = Errno(e);
  // A folder opened as a file is refused as "access denied": say what it is.
  if (e == ERROR_ACCESS_DENIED) {
    const DWORD a = GetFileAttributesW(w.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) err = EISDIR;
  }
  return INVALID_HANDLE_VALUE;
}

HANDLE ApriRegolare(const std::string& path, DWORD accesso, int& err) {
  const HANDLE h = Crea(path, accesso, kCondivisa, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, err);
  if (h == INVALID_HANDLE_VALUE) return h;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    err = EINVAL;
    CloseHandle(h);
    return INVALID_HANDLE_VALUE;
  }
  return h;
}

// A name that no other file of the folder is likely to have; CREATE_NEW
// makes sure, and a clash only means another try.
std::string NomeNascosto(const std::string& cartella) {
  static std::atomic<unsigned> contatore{0};
  char nome[64];
  std::snprintf(nome, sizeof nome, ".tavelin-%lx-%llx-%x", GetCurrentProcessId(),
                static_cast<unsigned long long>(GetTickCount64()), contatore++);
  // "C:\" and "C:" (the current folder of drive C) take the name as they are.
  const char ultimo = cartella.empty() ? ':' : cartella.back();
  return cartella + (ultimo == '\\' || ultimo == '/' || ultimo == ':' ? "" : "\\") + nome;
}

std::string CartellaDi(const std::string& path) {
  const size_t barra = path.find_last_of("/\\");
  const bool unita = path.size() >= 2 && path[1] == ':';
  if (barra == std::string::npos) return unita ? path.substr(0, 2) : ".";
  if (barra == 0 || (unita && barra == 2)) return path.substr(0, barra + 1);
  return path.substr(0, barra);
}

std::string NomeDi(const std::string& path) {
  const size_t barra = path.find_last_of("/\\");
  if (barra != std::string::npos) return path.substr(barra + 1);
  return path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
}

std::string CartellaTemporanea() {
  wchar_t w[MAX_PATH + 2];
  DWORD n = GetTempPathW(MAX_PATH + 2, w);
  if (n == 0 || n > MAX_PATH + 1) return ".";
  if (n > 3 && w[n - 1] == L'\\') --n;  // "C:\" keeps its backslash
  return Stretto(w, n);
}

}  // namespace Crypta
