// What the Windows file layer shares with its paths: Windows' error codes
// as the POSIX numbers of the one message table, paths between UTF-8 and
// UTF-16, and paths opened as handles.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace Crypta {

int Errno(DWORD e);
int UltimoErrore();  // Errno of GetLastError()
// UTF-8 to UTF-16, '/' to '\'. A long absolute path gets the \\?\ prefix
// that lifts the old limit of 260 characters. False for bytes that are no
// UTF-8, which can name no file.
bool Largo(const std::string& utf8, std::wstring& w);
std::string Stretto(const wchar_t* w, size_t lunghezza);

// Every other opener may read, write and delete alongside: the program's own
// locks, not the sharing mode, keep two operations apart.
constexpr DWORD kCondivisa = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// CreateFileW on a UTF-8 path; the POSIX number of what went wrong in `err`.
HANDLE Crea(const std::string& path, DWORD accesso, DWORD condivisione, DWORD disposizione,
            DWORD attributi, int& err);
// Opens an existing file and refuses everything that is not on a disk.
HANDLE ApriRegolare(const std::string& path, DWORD accesso, int& err);
// A name in `cartella` that no other file is likely to have.
std::string NomeNascosto(const std::string& cartella);

}  // namespace Crypta
