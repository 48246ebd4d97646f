#include "generator/RunGeneration.h"

#include "generator/DiagonalFitting.h"
#include "generator/Diagonals.h"
#include "generator/HullGeneration.h"
#include "generator/Output.h"
#include "generator/Profile.h"
#include "generator/Sheerline.h"
#include "generator/Transom.h"
#include "generator/Waterline.h"
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

const Stage kStages[] = {
    {"Creating Profile...", CreateProfile},
    {"Creating Sheerline...", CreateSheerline},
    {"Creating Diagonals...", CreateDiagonals},
    {"Creating WaterLine...", CreateWaterline},
    {"Initialising Diagonals...", InitialiseAndFitDiagonals},
    {"Generating Hull...", GenerateCompleteHull},
    {"Creating Transom...", CreateTransom},
};

// Each stage but the last is followed by the cancel test.
void RunStages(HullRecord& hull, TOutput& console)
{
    bool first = true;
    for (const Stage& stage : kStages) {
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

void RunGeneration(HullRecord& hull, TOutput& console, const GoalAccuracies& goals)
{
    hull.DimensionGoal = goals.Dimension;
    hull.PercentageGoal = goals.Percentage;
    hull.CoefficientGoal = goals.Coefficient;
    ResetCancel();
    SetRunConsole(&console);

    console.WriteLn("Carvelon Version 1.04");
    console.WriteLn("Sloopform hull generator");
    console.WriteLn();

    hull.ForefootKeelHeight = hull.Tc / 6;
    hull.AftKeelHeight = hull.Tc * 0.2L;

    try {
        RunStages(hull, console);
    } catch (...) {
        EndRun(hull, console, false);
        throw;
    }
    EndRun(hull, console, !CancelFlag());
}

}  // namespace sloopform
