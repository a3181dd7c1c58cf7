// What the Windows file layer shares with its paths: Windows' error codes
// as the POSIX numbers of the one message table, and paths between UTF-8
// and UTF-16.
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

}  // namespace Crypta
