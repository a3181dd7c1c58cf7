// The language of tavelin-cli: gettext pointed at the English catalogs, or
// nothing at all for Italian, the source language. A build without gettext
// (the static Windows one) speaks Italian only.
#include "Lingue.h"

#include "Lingua.h"

#if TAVELIN_GETTEXT
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#endif

namespace Cli {

#if TAVELIN_GETTEXT

namespace {

constexpr const char* kDominio = "tavelin-cli";
constexpr const char* kDominioMotore = "tavelin-crypta";

// The catalogs beside the program: share/locale of its installation, or the
// build tree's locale folder when it runs from there; else where the
// installation was configured to put them.
std::string CartellaCataloghi() {
  namespace fs = std::filesystem;
  std::error_code e;
  const fs::path programma = fs::read_symlink("/proc/self/exe", e);
  if (!e) {
    const fs::path sopra = programma.parent_path().parent_path();
    for (const fs::path& c : {sopra / "share" / "locale", sopra / "locale"})
      if (fs::exists(c / "en" / "LC_MESSAGES" / (std::string(kDominio) + ".mo"), e))
        return c.string();
  }
  return TAVELIN_CARTELLA_LOCALE;
}

std::string Motore(const char* italiano) {
  return dgettext(kDominioMotore, italiano);
}

}  // namespace

const char* _(const char* italiano) {
  // In Italian the message locale stays "C", where gettext gives back the
  // source text whatever LANGUAGE says.
  return dgettext(kDominio, italiano);
}

const char* P_(const char* italiano, const char* plurale, unsigned long n) {
  return dngettext(kDominio, italiano, plurale, n);
}

void ImpostaLingua() {
  const Crypta::Lingua lingua = Crypta::LinguaDellAmbiente();
  if (lingua == Crypta::Lingua::Italiano) return;
  // gettext picks a catalog from the message locale, which need not be
  // installed, and from LANGUAGE, which it ignores in the bare "C" locale:
  // C.UTF-8, always there, with LANGUAGE naming the language chosen by the
  // rule. Only messages change: numbers keep the form they have in Italian.
  bool fatto = false;
  for (const char* nome : {"C.UTF-8", "C.utf8", ""})
    if (!fatto && std::setlocale(LC_MESSAGES, nome)) fatto = true;
  if (!fatto) return;
  ::setenv("LANGUAGE", Crypta::Codice(lingua), 1);
  const std::string cartella = CartellaCataloghi();
  for (const char* dominio : {kDominio, kDominioMotore}) {
    ::bindtextdomain(dominio, cartella.c_str());
    ::bind_textdomain_codeset(dominio, "UTF-8");
  }
  Crypta::ImpostaTraduttore(Motore);
}

#else

const char* _(const char* italiano) {
  return italiano;
}

const char* P_(const char* italiano, const char* plurale, unsigned long n) {
  return n == 1 ? italiano : plurale;
}

void ImpostaLingua() {}

#endif

}  // namespace Cli
