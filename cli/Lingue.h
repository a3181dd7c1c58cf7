// tavelin-cli's texts in the language spoken: the gettext catalog
// "tavelin-cli" where the build has gettext, else the Italian source text.
#pragma once

namespace Cli {

// The text `italiano` in the language spoken. Texts for translation are a
// literal written inside _(...), or inside N_(...) where a constant keeps
// them for a later _(constant): the extraction finds them there.
const char* _(const char* italiano);
constexpr const char* N_(const char* italiano) {
  return italiano;
}
// The form of a text that counts `n` things: Italian writes both forms
// alike where the source's wording does, English need not.
const char* P_(const char* italiano, const char* plurale, unsigned long n);

// Chooses the language by Crypta::LinguaDellAmbiente(). For English it
// points gettext at the catalogs of tavelin-cli and of the engine, whatever
// locale the user has, and installs the engine's translator; for Italian it
// changes nothing. First thing at start-up, before any text is made.
void ImpostaLingua();

}  // namespace Cli
