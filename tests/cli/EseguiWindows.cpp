// The harness on Windows: tavelin-cli.exe started with CreateProcessW, its
// arguments quoted as the program reads them back, its standard handles files
// and pipes; Ctrl-C sent on the console that the test program shares with it;
// a console screen buffer in place of a terminal.
#include "Esegui.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <csignal>
#include <cwctype>
#include <stdexcept>

#include "Supporto.h"

namespace prova {

namespace {

std::wstring Largo(const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
  std::wstring w(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), n);
  return w;
}

std::string Testo(const std::string& path) {
  const Byte b = Leggi(path);
  return std::string(b.begin(), b.end());
}

// One argument as CommandLineToArgvW and the C runtime read it back:
// backslashes count only before a quote.
std::wstring Citato(const std::wstring& a) {
  if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos) return a;
  std::wstring r = L"\"";
  for (auto i = a.begin();; ++i) {
    size_t barre = 0;
    for (; i != a.end() && *i == L'\\'; ++i) ++barre;
    if (i == a.end()) {
      r.append(barre * 2, L'\\');
      break;
    }
    r.append(*i == L'"' ? barre * 2 + 1 : barre, L'\\');
    r.push_back(*i);
  }
  return r + L"\"";
}

std::wstring RigaDiComando(const std::vector<std::string>& argomenti) {
  std::wstring riga = Citato(Largo(TAVELIN_CLI));
  for (const std::string& a : argomenti) riga += L" " + Citato(Largo(a));
  return riga;
}

std::wstring Maiuscolo(std::wstring s) {
  for (wchar_t& c : s) c = wchar_t(std::towupper(c));
  return s;
}

// This process's environment with the additions, as CreateProcessW takes it.
// TMPDIR, the temporary folder's name on POSIX, is TMP and TEMP here.
std::wstring Ambiente(const std::map<std::string, std::string>& aggiunte) {
  std::map<std::wstring, std::wstring> voci;  // by the name in capitals: Windows ignores case
  for (const auto& [nome, valore] : aggiunte) {
    const std::wstring v = Largo(nome) + L"=" + Largo(valore);
    if (nome == "TMPDIR") {
      voci[L"TMP"] = L"TMP=" + Largo(valore);
      voci[L"TEMP"] = L"TEMP=" + Largo(valore);
    }
    voci[Maiuscolo(Largo(nome))] = v;
  }
  wchar_t* blocco = GetEnvironmentStringsW();
  std::wstring risultato;
  for (const wchar_t* e = blocco; *e; e += std::wcslen(e) + 1) {
    const std::wstring voce = e;
    const size_t uguale = voce.find(L'=', 1);  // "=C:=C:\..." starts with '='
    if (!voci.count(Maiuscolo(voce.substr(0, uguale)))) risultato += voce + L'\0';
  }
  FreeEnvironmentStringsW(blocco);
  for (const auto& [nome, voce] : voci) risultato += voce + L'\0';
  return risultato + L'\0';
}

SECURITY_ATTRIBUTES Ereditabile() {
  SECURITY_ATTRIBUTES sa{};
  sa.nLength = sizeof sa;
  sa.bInheritHandle = TRUE;
  return sa;
}

HANDLE ApriPerFiglio(const std::string& path, bool scrittura) {
  SECURITY_ATTRIBUTES sa = Ereditabile();
  const HANDLE h = CreateFileW(Largo(path).c_str(), scrittura ? GENERIC_WRITE : GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa,
                               scrittura ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
  if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("CreateFileW " + path);
  return h;
}

// Starts the program with the three handles, which it inherits, and closes
// this process's copies of them.
PROCESS_INFORMATION Avvia(const std::vector<std::string>& argomenti,
                          const std::map<std::string, std::string>& ambiente, HANDLE in,
                          HANDLE out, HANDLE err) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = in;
  si.hStdOutput = out;
  si.hStdError = err;
  std::wstring riga = RigaDiComando(argomenti);
  std::wstring env = Ambiente(ambiente);
  PROCESS_INFORMATION pi{};
  const BOOL fatto = CreateProcessW(nullptr, riga.data(), nullptr, nullptr, TRUE,
                                    CREATE_UNICODE_ENVIRONMENT, env.data(), nullptr, &si, &pi);
  CloseHandle(in);
  CloseHandle(out);
  if (err != out) CloseHandle(err);
  if (!fatto) throw std::runtime_error("CreateProcessW " + std::string(TAVELIN_CLI));
  CloseHandle(pi.hThread);
  return pi;
}

int Attendi(HANDLE processo) {
  WaitForSingleObject(processo, INFINITE);
  DWORD stato = 0;
  GetExitCodeProcess(processo, &stato);
  return int(stato);
}

// Ctrl-C reaches every program on the console, this one too: here it does nothing.
BOOL WINAPI Ignora(DWORD) { return TRUE; }
const bool ignorato = SetConsoleCtrlHandler(Ignora, TRUE) != 0;

}  // namespace

bool TerminaleDisponibile() { return GetConsoleCP() != 0; }

Risultato Cli(const std::vector<std::string>& argomenti, const Opzioni& o) {
  const Cartella dir;
  Scrivi(dir / "in", Byte(o.ingresso.begin(), o.ingresso.end()));
  HANDLE out = nullptr;
  if (o.uscitaChiusa) {
    // A pipe whose reader is gone before the program writes.
    SECURITY_ATTRIBUTES sa = Ereditabile();
    HANDLE lettore = nullptr;
    if (!CreatePipe(&lettore, &out, &sa, 0)) throw std::runtime_error("CreatePipe");
    CloseHandle(lettore);
  } else {
    out = ApriPerFiglio(dir / "out", true);
  }
  const PROCESS_INFORMATION pi = Avvia(argomenti, o.ambiente, ApriPerFiglio(dir / "in", false),
                                       out, ApriPerFiglio(dir / "err", true));
  Risultato r;
  r.stato = Attendi(pi.hProcess);
  CloseHandle(pi.hProcess);
  if (!o.uscitaChiusa) r.out = Testo(dir / "out");
  r.err = Testo(dir / "err");
  return r;
}

Processo::Processo(const std::vector<std::string>& argomenti,
                   const std::map<std::string, std::string>& ambiente, bool ignoraCtrlC) {
  std::string modello = (std::filesystem::temp_directory_path() / "tavelin-p-").u8string();
  for (int n = 0;; ++n) {
    cartella_ = modello + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
    if (std::filesystem::create_directory(std::filesystem::u8path(cartella_))) break;
  }
  SECURITY_ATTRIBUTES sa = Ereditabile();
  HANDLE lettore = nullptr, scrittore = nullptr;
  if (!CreatePipe(&lettore, &scrittore, &sa, 0)) throw std::runtime_error("CreatePipe");
  // The program must not hold the writing end, or it would never see the end.
  SetHandleInformation(scrittore, HANDLE_FLAG_INHERIT, 0);
  HANDLE nostro = nullptr;
  DuplicateHandle(GetCurrentProcess(), lettore, GetCurrentProcess(), &nostro, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  scrivi_ = reinterpret_cast<intptr_t>(scrittore);
  leggi_ = reinterpret_cast<intptr_t>(nostro);
  // The flag that makes a program ignore Ctrl-C passes to the children it starts.
  if (ignoraCtrlC) SetConsoleCtrlHandler(nullptr, TRUE);
  const PROCESS_INFORMATION pi = Avvia(argomenti, ambiente, lettore,
                                       ApriPerFiglio(cartella_ + "/out", true),
                                       ApriPerFiglio(cartella_ + "/err", true));
  if (ignoraCtrlC) SetConsoleCtrlHandler(nullptr, FALSE);
  pid_ = reinterpret_cast<intptr_t>(pi.hProcess);
}

Processo::~Processo() {
  if (pid_ != -1) {
    if (status_ < 0) TerminateProcess(reinterpret_cast<HANDLE>(pid_), 1);
    Fine();
  }
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::u8path(cartella_), ec);
}

bool Processo::Dai(const std::string& dati) {
  const HANDLE processo = reinterpret_cast<HANDLE>(pid_);
  for (size_t fatti = 0; fatti < dati.size();) {
    DWORD n = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(scrivi_), dati.data() + fatti,
                   DWORD(dati.size() - fatti), &n, nullptr))
      throw std::runtime_error("WriteFile");
    fatti += n;
  }
  // Not a timing: a condition the program's own read makes true, or its end.
  for (DWORD resto = 1; resto > 0;) {
    if (!PeekNamedPipe(reinterpret_cast<HANDLE>(leggi_), nullptr, 0, nullptr, &resto, nullptr))
      throw std::runtime_error("PeekNamedPipe");
    if (resto > 0 && WaitForSingleObject(processo, 0) == WAIT_OBJECT_0) {
      status_ = Attendi(processo);
      return false;
    }
    SwitchToThread();
  }
  return true;
}

void Processo::Segnale(int s) {
  if (s != SIGINT) throw std::logic_error("Windows has no signal but Ctrl-C");
  if (!ignorato || !GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0))
    throw std::runtime_error("GenerateConsoleCtrlEvent");
}

Risultato Processo::FineDaSolo() {
  if (status_ < 0) status_ = Attendi(reinterpret_cast<HANDLE>(pid_));
  return Fine();
}

Risultato Processo::Fine() {
  for (intptr_t* h : {&scrivi_, &leggi_})
    if (*h != -1) CloseHandle(reinterpret_cast<HANDLE>(*h)), *h = -1;
  const HANDLE processo = reinterpret_cast<HANDLE>(pid_);
  if (status_ < 0) status_ = Attendi(processo);
  CloseHandle(processo);
  pid_ = -1;
  Risultato r;
  r.stato = status_;
  r.out = Testo(cartella_ + "/out");
  r.err = Testo(cartella_ + "/err");
  return r;
}

Risultato CliSuTerminale(const std::vector<std::string>& argomenti,
                         const std::vector<std::pair<std::string, std::string>>& risposte) {
  if (!TerminaleDisponibile()) throw std::logic_error("no console");
  // Only the prompts of --encrypt take answers, and Windows builds have no --encrypt.
  if (!risposte.empty()) throw std::logic_error("no answers to prompts on a Windows console");
  SECURITY_ATTRIBUTES sa = Ereditabile();
  const HANDLE schermo = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                                   CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (schermo == INVALID_HANDLE_VALUE) throw std::runtime_error("CreateConsoleScreenBuffer");
  HANDLE copia = nullptr;
  DuplicateHandle(GetCurrentProcess(), schermo, GetCurrentProcess(), &copia, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  const Cartella dir;
  Scrivi(dir / "in", {});
  const PROCESS_INFORMATION pi =
      Avvia(argomenti, {}, ApriPerFiglio(dir / "in", false), schermo, schermo);
  Risultato r;
  r.stato = Attendi(pi.hProcess);
  CloseHandle(pi.hProcess);
  // The screen's rows, without the spaces that fill them.
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(copia, &info);
  std::wstring schermata;
  for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
    std::wstring riga(size_t(info.dwSize.X), L' ');
    DWORD letti = 0;
    ReadConsoleOutputCharacterW(copia, riga.data(), DWORD(riga.size()), COORD{0, y}, &letti);
    riga.resize(riga.find_last_not_of(L' ') + 1);
    schermata += riga + (y < info.dwCursorPosition.Y ? L"\n" : L"");
  }
  CloseHandle(copia);
  const int n = WideCharToMultiByte(CP_UTF8, 0, schermata.data(), int(schermata.size()), nullptr,
                                    0, nullptr, nullptr);
  r.out.resize(size_t(n));
  WideCharToMultiByte(CP_UTF8, 0, schermata.data(), int(schermata.size()), r.out.data(), n,
                      nullptr, nullptr);
  return r;
}

}  // namespace prova
