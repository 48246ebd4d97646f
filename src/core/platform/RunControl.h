#pragma once
#include <string>

namespace sloopform {

// Anything a run can write its console lines to (the frame's console in the
// desktop program). The binding to the run console is cleared when the bound
// object is destroyed, so the run console never names a dead object,
// whatever the caller does.
class RunConsoleTarget {
public:
    virtual void WriteLn(const std::string& text) = 0;

protected:
    RunConsoleTarget() = default;
    RunConsoleTarget(const RunConsoleTarget&) = default;
    RunConsoleTarget& operator=(const RunConsoleTarget&) = default;
    ~RunConsoleTarget();
};

// The cancel flag of this thread's run: true means stop the run as soon as possible.
bool CancelFlag();
// Sets the flag and writes "TARNOVIC: Cancelling..." to the run console, if any.
void CancelGeneration();
void ResetCancel();

// The console the current (or last) run writes to; unset until the first run
// and again once that console is gone.
RunConsoleTarget* RunConsole();
void SetRunConsole(RunConsoleTarget* console);

// Writes a line to the run console when one is set.
void ConsoleLine(const std::string& text);

}  // namespace sloopform
