#include "StabilityCommand.h"

#include <iostream>
#include <stdexcept>

#include "BatchGeneration.h"
#include "ConsoleUi.h"
#include "ExitStatus.h"
#include "OutputFile.h"
#include "ProjectInput.h"
#include "StabilityJson.h"
#include "analysis/DesignStability.h"
#include "analysis/StabilityReport.h"

namespace sloopform::batch {

int StabilityCommand(const BatchOptions& options, ConsoleUi& ui)
{
    const auto editor = ReadProject(options.project, ui);
    if (!editor || !StoredValuesAccepted(*editor)) return kExitBadInput;
    HullRecord& hull = editor->Hull();
    const std::optional<double> vcg = options.vcg     ? options.vcg
                                      : editor->Vcg() ? std::optional<double>(editor->Vcg()->Value())
                                                      : std::nullopt;
    if (!vcg) {
        std::cerr << "sloopform-batch: the project holds no VCG: give the height of G above the base line "
                     "with --vcg Z\n";
        return kExitBadInput;
    }
    StringListMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);
    if (!GenerateHull(options, editor->Design().Method, hull, console, ui).finished) return kExitNotFinished;

    StabilityResult result;
    try {
        result = ComputeDesignStability(hull, *vcg, options.angles.value_or(DefaultHeelAngles()));
    } catch (const std::invalid_argument& refusal) {
        std::cerr << "sloopform-batch: " << refusal.what() << '\n';
        return kExitBadInput;
    }
    for (const std::string& line : StabilitySummaryLines(result)) std::cout << line << '\n';
    bool written = true;
    if (options.curve) written &= WriteLines(*options.curve, StabilityCsvLines(result));
    if (options.json) written &= WriteText(*options.json, StabilityJson(result).dump(2));
    return written ? kExitDone : kExitBadInput;
}

}  // namespace sloopform::batch
