// The start-up of Console.h: on Windows from the system's wide command line.
#include "Console.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose definitions it needs.
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#endif

namespace Cli {

#ifdef _WIN32

namespace {

std::string Utf8(const wchar_t* w) {
  const int lunghezza = int(std::wcslen(w));
  if (lunghezza == 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w, lunghezza, nullptr, 0, nullptr, nullptr);
  std::string s(size_t(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w, lunghezza, s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace

Console::Console(int& argc, char**& argv) {
  int n = 0;
  if (wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n)) {
    for (int i = 0; i < n; ++i) argomenti_.push_back(Utf8(w[i]));
    LocalFree(w);
    for (std::string& a : argomenti_) puntatori_.push_back(a.data());
    puntatori_.push_back(nullptr);
    argc = n;
    argv = puntatori_.data();
  }
  // 0 without a console: then there is nothing to set or give back.
  codicePagina_ = GetConsoleOutputCP();
  if (codicePagina_ != 0) SetConsoleOutputCP(CP_UTF8);
  for (std::FILE* f : {stdin, stdout, stderr}) _setmode(_fileno(f), _O_BINARY);
}

Console::~Console() {
  if (codicePagina_ != 0) SetConsoleOutputCP(codicePagina_);
}

#else

Console::Console(int&, char**&) {}
Console::~Console() = default;

#endif

}  // namespace Cli
