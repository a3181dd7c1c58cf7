#include "Spiega.h"

#include <cctype>

#include "Diagnosi.h"

namespace Cli {

namespace {

// A path as a shell takes it: bare when nothing in it is special.
std::string Citato(const std::string& path) {
  bool semplice = !path.empty();
  for (const char c : path)
    if (!std::isalnum(static_cast<unsigned char>(c)) &&
        std::string("_./-+,:@%").find(c) == std::string::npos)
      semplice = false;
  if (semplice) return path;
  std::string citato = "'";
  for (const char c : path) citato += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return citato + "'";
}

}  // namespace

std::string Spiega(const std::string& path, const Crypta::Analisi& a) {
  const Crypta::Diagnosi d = Crypta::Diagnostica(path, a);
  if (!d.convertibile) return d.perche;
  return d.perche + " Per convertirla: tavelin-cli prepare " + Citato(path) + " -o " +
         Citato(Crypta::NomeBitmap(path));
}

}  // namespace Cli
