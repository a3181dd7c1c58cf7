#include "Spiega.h"

#include <cctype>

#include "Diagnosi.h"
#include "Lingua.h"
#include "Lingue.h"

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
  return d.perche + " " +
         Crypta::Componi(_("Per convertirla: tavelin-cli prepare %1 -o %2"),
                         {Citato(path), Citato(Crypta::NomeBitmap(path))});
}

}  // namespace Cli
