// Ctrl-C, SIGTERM and SIGHUP as a request to stop: the operation that runs
// undoes what it did, and the program exits with 128 + the signal's number.
#pragma once

namespace Cli {

// Once, at start. Signals that the parent ignored (nohup) stay ignored; a
// second signal of the kind ends the program at once.
void InstallaSegnali();

// The signal that asked to stop, or 0.
int SegnaleRicevuto();

}  // namespace Cli
