// Texts between the window's controls and the engine: the string box and the
// key boxes hold Unicode, the engine one byte per character (Windows-1252,
// its gaps taken as the C1 controls), and a line break is CR LF there.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace Codici {

// The codes of a control's text, line breaks as CR LF; nothing when a
// character has no code, which then goes into `errato`.
std::optional<std::string> DaTesto(const QString& testo, QString* errato = nullptr);
// A text for a control from codes, CR LF shown as a line break.
QString ATesto(const std::string& codici);
// A path as the file system takes it.
std::string Percorso(const QString& percorso);

}  // namespace Codici
