// sloopform-batch: the whole main road without a window — generate, report,
// export, resistance, optimisation and stability — for designers' scripts.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConsoleUi.h"
#include "ExitStatus.h"
#include "RunCommand.h"
#include "SpeedCommands.h"
#include "StabilityCommand.h"

using namespace sloopform;
using namespace sloopform::batch;

namespace {

int Dispatch(const BatchOptions& options, ConsoleUi& ui)
{
    switch (options.command) {
    case Command::Help: std::cout << UsageText(); return kExitDone;
    case Command::Version: std::cout << "sloopform-batch " << SLOOPFORM_VERSION << '\n'; return kExitDone;
    case Command::Run: return RunCommand(options, ui);
    case Command::Resistance: return ResistanceCommand(options, ui);
    case Command::Optimise: return OptimiseCommand(options, ui);
    case Command::QuickCalc: return QuickCalcCommand(options, ui);
    case Command::Stability: return StabilityCommand(options, ui);
    }
    return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv)
{
    const ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "sloopform-batch: " << parsed.error << '\n' << UsageText();
        return kExitBadInput;
    }
    ConsoleUi ui(std::cerr);
    SetUi(&ui);
    try {
        return Dispatch(*parsed.options, ui);
    } catch (const std::exception& fault) {
        // A computation that failed outside the routines that report their own
        // faults reaches the global handler, as in the desktop program.
        ui.ShowError(fault.what(), kGlobalHandlerOrigin);
        return kExitNotFinished;
    }
}
