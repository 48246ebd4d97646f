#pragma once
#include "CommandLine.h"

namespace sloopform::batch {

class ConsoleUi;

// stability: generates the hull and prints the summary of its stability
// curve at the VCG given (or the project's own), writing the curve and the
// figures on request. Returns the process exit status.
int StabilityCommand(const BatchOptions& options, ConsoleUi& ui);

}  // namespace sloopform::batch
