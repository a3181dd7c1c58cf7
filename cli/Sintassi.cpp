#include "Sintassi.h"

namespace Cli {

namespace {
constexpr const char* kNome = "tavelin-cli";
}  // namespace

const char* const kComandi = "info, analyze, prepare, hide, reveal, scan o decrypt";

// CLI11 words its own errors in English; these are the ones a user can cause.
std::string ErroreArgomenti(const CLI::App*, const CLI::Error& e) {
  std::string testo = e.what();
  std::string messaggio;
  if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
    const size_t due = testo.find(": ");
    messaggio =
        "Argomenti non previsti: " + (due == std::string::npos ? testo : testo.substr(due + 2));
  } else if (dynamic_cast<const CLI::RequiredError*>(&e)) {
    const size_t fine = testo.find(" is required");
    const std::string nome = testo.substr(0, fine);
    messaggio = nome == "A subcommand" ? std::string("Indicare un comando: ") + kComandi
                                       : "Manca l'argomento obbligatorio " + nome;
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
    messaggio = "Manca il valore dell'opzione " + testo.substr(0, testo.find(':'));
  } else {
    messaggio = "Argomenti non validi (" + testo + ")";
  }
  return std::string(kNome) + ": " + messaggio + ".\nUsare " + kNome +
         " --help per le istruzioni.\n";
}

void Etichette(CLI::App& app) {
  auto f = app.get_formatter();
  f->label("Usage", "Uso");
  f->label("OPTIONS", "OPZIONI");
  f->label("SUBCOMMAND", "COMANDO");
  f->label("Positionals", "Argomenti");
  f->label("REQUIRED", "(obbligatorio)");
  f->label("TEXT", "");
  f->column_width(28);
}

}  // namespace Cli
