#include "platform/RunControl.h"

namespace sloopform {

namespace {
// Per thread: a run is cancelled, and writes its console, in the thread that runs it.
thread_local bool cancelFlag = false;
thread_local RunConsoleTarget* runConsole = nullptr;
}  // namespace

RunConsoleTarget::~RunConsoleTarget()
{
    if (runConsole == this) runConsole = nullptr;
}

bool CancelFlag() { return cancelFlag; }

void CancelGeneration()
{
    cancelFlag = true;
    ConsoleLine("TARNOVIC: Cancelling...");
}

void ResetCancel() { cancelFlag = false; }

RunConsoleTarget* RunConsole() { return runConsole; }

void SetRunConsole(RunConsoleTarget* console) { runConsole = console; }

void ConsoleLine(const std::string& text)
{
    if (runConsole) runConsole->WriteLn(text);
}

}  // namespace sloopform
