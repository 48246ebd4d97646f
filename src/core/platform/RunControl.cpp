#include "generator/RunControl.h"

#include "generator/Output.h"

namespace sloopform {

namespace {
bool cancelFlag = false;
TOutput* runConsole = nullptr;
}  // namespace

bool CancelFlag() { return cancelFlag; }

void CancelGeneration()
{
    cancelFlag = true;
    ConsoleLine("TARNOVIC: Cancelling...");
}

void ResetCancel() { cancelFlag = false; }

TOutput* RunConsole() { return runConsole; }

void SetRunConsole(TOutput* console) { runConsole = console; }

void ConsoleLine(const std::string& text)
{
    if (runConsole) runConsole->WriteLn(text);
}

}  // namespace sloopform
