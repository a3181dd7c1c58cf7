// How tavelin-cli words what its argument parser says: the parser's own
// errors in the language spoken, and the labels of its help.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace Cli {

// The commands, as the messages list them (to be passed through _()).
extern const char* const kComandi;

std::string ErroreArgomenti(const CLI::App* app, const CLI::Error& e);
void Etichette(CLI::App& app);

}  // namespace Cli
