// The language both programs speak, and the engine's texts in it.
// Italian is the source language: every text is written in Italian and looked
// up, in the other language, by a translator that the front end installs
// (gettext for the command line, Qt's translators for the window).
#pragma once

#include <initializer_list>
#include <string>

namespace Crypta {

enum class Lingua { Italiano, Inglese };

// The language of the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is
// set and not empty, read by name whether or not that locale is installed:
// Italian for it*, C, C.UTF-8 and POSIX (and when none is set), English for
// every other until more translations exist. Of a LANGUAGE list, the first
// entry counts. `ambiente` reads a variable (std::getenv by default).
Lingua LinguaDaNome(const char* nome);
Lingua LinguaDellAmbiente(const char* (*ambiente)(const char*) = nullptr);
// The two-letter code of a language: "it", "en".
const char* Codice(Lingua l);

// A translator turns an Italian text into the language spoken; none installed
// leaves it Italian. Installed once at start-up, before any thread.
using Traduttore = std::string (*)(const char* italiano);
void ImpostaTraduttore(Traduttore t);

// The text `italiano` in the language spoken, with %1..%9 replaced by the
// arguments in order. Texts meant for translation are written as a literal
// directly inside Tr(...), so that the extraction tools find them.
std::string Tr(const char* italiano);
std::string Tr(const char* italiano, std::initializer_list<std::string> argomenti);
// `valore` with `cifre` decimals, written as the texts come out: a decimal
// comma in Italian, a point in English (that is, with a translator installed).
std::string Decimale(double valore, int cifre);
// Replaces %1..%9 in `modello` (a translated text) by the arguments.
std::string Componi(const std::string& modello, std::initializer_list<std::string> argomenti);

}  // namespace Crypta
