#pragma once
#include <string>

namespace sloopform {

class TOutput;

// The process-wide cancel flag: true means stop the run as soon as possible.
bool CancelFlag();
// Sets the flag and writes "TARNOVIC: Cancelling..." to the run console, if any.
void CancelGeneration();
void ResetCancel();

// The console the current (or last) run writes to; unset until the first run.
TOutput* RunConsole();
void SetRunConsole(TOutput* console);

// Writes a line to the run console when one is set.
void ConsoleLine(const std::string& text);

}  // namespace sloopform
