#pragma once
// A signal that stops the program (Ctrl+C, a closed terminal, kill, a closed
// pipe) first removes the temporary file of a SOSI file being written, then
// stops the program as the signal would have. Signals the program was
// started to ignore stay ignored.

void RemoveTemporaryFileOnStop();
