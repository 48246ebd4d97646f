#pragma once
#include "CommandLine.h"

namespace sloopform::batch {

class ConsoleUi;

// Generates the project's hull and writes what the options ask for.
// Returns the process exit status.
int RunCommand(const BatchOptions& options, ConsoleUi& ui);

}  // namespace sloopform::batch
