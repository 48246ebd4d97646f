#include "BatchGeneration.h"

#include <chrono>
#include <exception>
#include <iostream>

#include "ConsoleUi.h"
#include "generator/RunGeneration.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

namespace sloopform::batch {

GoalAccuracies GoalsOf(const BatchOptions& options)
{
    return {options.goals.dimension, options.goals.percentage, options.goals.coefficient};
}

Generation GenerateHull(const BatchOptions& options, GeneratorMethod projectMethod, HullRecord& hull,
                        TOutput& console, ConsoleUi& ui)
{
    ui.Deadline().Set(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(options.timeoutSeconds)));
    const auto start = std::chrono::steady_clock::now();
    bool raised = false;
    try {
        RunGeneration(hull, console, GoalsOf(options), options.method.value_or(projectMethod));
    } catch (const std::exception& fault) {
        ui.ShowError(fault.what(), kGlobalHandlerOrigin);
        raised = true;
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    ui.Deadline().Clear();
    if (ui.Deadline().Passed())
        std::cerr << "sloopform-batch: the generation did not finish within " << options.timeoutSeconds << " s\n";
    return {!raised && !CancelFlag(), seconds.count()};
}

}  // namespace sloopform::batch
