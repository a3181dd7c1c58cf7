// The passphrase as both tabs ask for it, and the wait while it becomes a
// key: the dialog again after an empty or mismatched entry, as the command
// line's prompt does; the key derivation away from the window's thread, with
// a busy cursor while the window keeps painting.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "Segreto.h"

class QWidget;

namespace Frase {

// The passphrase's bytes (UTF-8, as a terminal gives them to the command
// line) in the engine's locked buffer, asked twice with `conferma`; nothing
// when the user cancels.
std::optional<Crypta::Segreto> Chiedi(QWidget* padre, bool conferma);

// Runs `lavoro` through the seam's wait, with a busy cursor.
void Attendi(const std::function<void()>& lavoro);

// The message for a wrong passphrase or a changed carrier.
QString Errata();

}  // namespace Frase
