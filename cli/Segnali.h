// Ctrl-C, SIGTERM and SIGHUP as a request to stop: the operation that runs
// undoes what it did, and the program exits with 128 + the signal's number.
#pragma once

namespace Cli {

// Once, at start. Signals that the parent ignored (nohup) stay ignored; a
// second signal of the kind ends the program at once.
void InstallaSegnali();

// The signal that asked to stop, or 0.
int SegnaleRicevuto();

// Waits until standard input has something to read (or its end); false when
// a signal came first. A signal that arrives just before the wait still ends
// it, so no request to stop is ever missed while the program waits for input.
bool AttendiIngresso();

}  // namespace Cli
