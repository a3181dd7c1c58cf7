#include "Sintassi.h"

#include "Lingua.h"
#include "Lingue.h"

namespace Cli {

namespace {
constexpr const char* kNome = "tavelin-cli";
}  // namespace

const char* const kComandi = N_("info, analyze, prepare, hide, reveal, scan o decrypt");

// CLI11 words its own errors in English; these are the ones a user can cause.
std::string ErroreArgomenti(const CLI::App*, const CLI::Error& e) {
  std::string testo = e.what();
  std::string messaggio;
  if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
    const size_t due = testo.find(": ");
    messaggio = Crypta::Componi(_("Argomenti non previsti: %1"),
                                {due == std::string::npos ? testo : testo.substr(due + 2)});
  } else if (dynamic_cast<const CLI::RequiredError*>(&e)) {
    const size_t fine = testo.find(" is required");
    const std::string nome = testo.substr(0, fine);
    messaggio = nome == "A subcommand"
                    ? Crypta::Componi(_("Indicare un comando: %1"), {_(kComandi)})
                    : Crypta::Componi(_("Manca l'argomento obbligatorio %1"), {nome});
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
    messaggio =
        Crypta::Componi(_("Manca il valore dell'opzione %1"), {testo.substr(0, testo.find(':'))});
  } else {
    messaggio = Crypta::Componi(_("Argomenti non validi (%1)"), {testo});
  }
  return std::string(kNome) + ": " + messaggio + ".\n" +
         _("Usare tavelin-cli --help per le istruzioni.") + "\n";
}

void Etichette(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", _("Uso"));
  f->label("OPTIONS", _("OPZIONI"));
  f->label("SUBCOMMAND", _("COMANDO"));
  f->label("Positionals", _("Argomenti"));
  f->label("REQUIRED", _("(obbligatorio)"));
  f->column_width(28);
}

}  // namespace Cli
