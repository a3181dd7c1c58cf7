// How the windows read to assistive technology, beyond what Qt gives a plain
// widget: the main window and the folder chooser as windows with their
// titles, and the tab control as a list of page tabs, each selected while
// current and holding its page's frame. The frames stay children of the tab
// control itself, where the design places them, so the structure is told to
// assistive technology rather than built into the widgets. The folder
// chooser's drive list keeps its own name, not its current item's.
#pragma once

namespace SchedeAccessibili {

// Installs, once, the factory that gives those windows, the tab control
// of the main window and the drive list their accessible interfaces. Must run before the first
// window is built, since Qt keeps an object's interface once made.
void Installa();

}  // namespace SchedeAccessibili
