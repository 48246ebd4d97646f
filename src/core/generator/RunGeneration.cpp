#include "generator/RunGeneration.h"

#include "generator/DiagonalFitting.h"
#include "generator/GeneratorState.h"
#include "generator/Diagonals.h"
#include "generator/HullGeneration.h"
#include "generator/Output.h"
#include "generator/Profile.h"
#include "generator/Sheerline.h"
#include "generator/Transom.h"
#include "generator/Waterline.h"
#include "generator/robust/RobustDiagonals.h"
#include "generator/robust/RobustHullGeneration.h"
#include "generator/robust/RobustSheerline.h"
#include "generator/robust/RobustWaterline.h"
#include "model/ProjectFile.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

void InitialiseAndFitDiagonals(HullRecord& hull)
{
    InitialiseDiagonals(hull);
    FitDiagonalsToSections(hull, 3);
}

void GenerateCompleteHull(HullRecord& hull)
{
    GenerateHull(hull);
    hull.HullComplete = true;
}

struct Stage {
    const char* line;
    void (*run)(HullRecord&);
};

const Stage kClassicStages[] = {
    {"Creating Profile...", CreateProfile},
    {"Creating Sheerline...", CreateSheerline},
    {"Creating Diagonals...", CreateDiagonals},
    {"Creating WaterLine...", CreateWaterline},
    {"Initialising Diagonals...", InitialiseAndFitDiagonals},
    {"Generating Hull...", GenerateCompleteHull},
    {"Creating Transom...", CreateTransom},
};

void CreateRobustProfile(HullRecord& hull)
{
    Generator().Profile.KeepRunningAft = true;
    CreateProfile(hull);
}

void GenerateCompleteRobustHull(HullRecord& hull)
{
    GenerateRobustHull(hull);
    hull.HullComplete = true;
}

// The same stage lines; the diagonals are laid for the hull's proportions, and
// the waterline, the midship section and the hull are built to their targets
// without open-ended alternation.
const Stage kRobustStages[] = {
    {"Creating Profile...", CreateRobustProfile},
    {"Creating Sheerline...", CreateRobustSheerline},
    {"Creating Diagonals...", CreateRobustDiagonals},
    {"Creating WaterLine...", CreateRobustWaterline},
    {"Initialising Diagonals...", InitialiseRobustDiagonals},
    {"Generating Hull...", GenerateCompleteRobustHull},
    {"Creating Transom...", CreateRobustTransom},
};

// A run starts from the program-start state: the stages' working values and
// everything a previous run left in the record go; the design parameters and
// the water constants stay. So the same parameters always give the same hull.
void StartFromParameters(HullRecord& hull)
{
    HullRecord fresh;
    for (const auto& [key, field] : ProjectKeys()) fresh.*field = hull.*field;
    fresh.Gravity = hull.Gravity;
    fresh.Viscosity = hull.Viscosity;
    fresh.WaterDensity = hull.WaterDensity;
    hull = fresh;
    ResetGeneratorState();
}

// Each stage but the last is followed by the cancel test.
template <std::size_t N>
void RunStages(HullRecord& hull, TOutput& console, const Stage (&stages)[N])
{
    bool first = true;
    for (const Stage& stage : stages) {
        if (!first && CancelFlag()) return;
        first = false;
        console.WriteLn(stage.line);
        stage.run(hull);
    }
}

// A run that did not get through every stage leaves nothing to show.
void EndRun(HullRecord& hull, TOutput& console, bool completed)
{
    if (completed) {
        console.WriteLn("...Finished");
        console.WriteLn();
        return;
    }
    console.WriteLn("...Process Terminated");
    console.WriteLn();
    hull.ClearFlags();
}

}  // namespace

void RunGeneration(HullRecord& hull, TOutput& console, const GoalAccuracies& goals, GeneratorMethod method)
{
    const bool robust = method == GeneratorMethod::Robust;
    StartFromParameters(hull);
    hull.DimensionGoal = goals.Dimension;
    hull.PercentageGoal = goals.Percentage;
    hull.CoefficientGoal = goals.Coefficient;
    ResetCancel();
    SetRunConsole(&console);

    console.WriteLn("Carvelon Version 1.04");
    console.WriteLn(robust ? "Sloopform hull generator, Robust method" : "Sloopform hull generator");
    console.WriteLn();

    hull.ForefootKeelHeight = hull.Tc / 6;
    hull.AftKeelHeight = hull.Tc * 0.2L;

    try {
        if (robust)
            RunStages(hull, console, kRobustStages);
        else
            RunStages(hull, console, kClassicStages);
    } catch (...) {
        EndRun(hull, console, false);
        throw;
    }
    EndRun(hull, console, !CancelFlag());
}

}  // namespace sloopform
