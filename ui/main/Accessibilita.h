// What a screen reader says of the windows' controls: a name of its own for
// each control that takes the focus or shows a value, a description where
// the name does not say what the control is for, and each caption tied to
// the box it labels. Applied by objectName once a window is built, so the
// layout code stays as the design gives it.
#pragma once

class QWidget;

namespace Accessibilita {

// Names, descriptions and buddies for the controls under `finestra` (the
// main window or the folder chooser), in the language of the translators
// installed.
void Applica(QWidget* finestra);

}  // namespace Accessibilita
