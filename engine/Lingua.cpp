// The language rule and the engine's translation hook.
#include "Lingua.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace Crypta {

namespace {

Traduttore traduttore = nullptr;

const char* DaSistema(const char* nome) {
  return std::getenv(nome);
}

}  // namespace

Lingua LinguaDaNome(const char* nome) {
  std::string n = nome ? nome : "";
  n = n.substr(0, n.find(':'));  // LANGUAGE lists languages by preference
  // The bare C and POSIX locales are this program's own default: Italian.
  const std::string base = n.substr(0, n.find_first_of(".@"));
  if (n.empty() || base == "C" || base == "POSIX" || n.rfind("it", 0) == 0) return Lingua::Italiano;
  return Lingua::Inglese;
}

Lingua LinguaDellAmbiente(const char* (*ambiente)(const char*)) {
  if (!ambiente) ambiente = DaSistema;
  for (const char* variabile : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = ambiente(variabile);
    if (v && *v) return LinguaDaNome(v);
  }
  return Lingua::Italiano;
}

const char* Codice(Lingua l) {
  return l == Lingua::Inglese ? "en" : "it";
}

void ImpostaTraduttore(Traduttore t) {
  traduttore = t;
}

std::string Tr(const char* italiano) {
  return traduttore ? traduttore(italiano) : std::string(italiano);
}

std::string Tr(const char* italiano, std::initializer_list<std::string> argomenti) {
  return Componi(Tr(italiano), argomenti);
}

std::string Decimale(double valore, int cifre) {
  char testo[64];
  std::snprintf(testo, sizeof testo, "%.*f", cifre, valore);
  std::string s = testo;
  if (!traduttore)
    for (char& c : s)
      if (c == '.') c = ',';
  return s;
}

std::string Componi(const std::string& modello, std::initializer_list<std::string> argomenti) {
  const std::vector<std::string> a(argomenti);
  std::string esito;
  esito.reserve(modello.size() + 32);
  for (size_t i = 0; i < modello.size(); ++i) {
    const char c = modello[i];
    if (c == '%' && i + 1 < modello.size() && modello[i + 1] >= '1' && modello[i + 1] <= '9') {
      const size_t k = static_cast<size_t>(modello[i + 1] - '1');
      if (k < a.size()) {
        esito += a[k];  // an argument is never scanned again for markers
        ++i;
        continue;
      }
    }
    esito += c;
  }
  return esito;
}

}  // namespace Crypta
