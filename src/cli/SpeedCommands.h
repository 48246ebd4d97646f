#pragma once
#include "CommandLine.h"

namespace sloopform::batch {

class ConsoleUi;

// quickcalc: the three readouts of the parameters.
int QuickCalcCommand(const BatchOptions& options, ConsoleUi& ui);
// resistance: the "Add to Report" block at the given speed.
int ResistanceCommand(const BatchOptions& options, ConsoleUi& ui);
// optimise: the Cp and LCB searches, optionally applied to a new project file.
int OptimiseCommand(const BatchOptions& options, ConsoleUi& ui);

}  // namespace sloopform::batch
