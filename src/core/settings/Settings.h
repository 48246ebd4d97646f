#pragma once
#include "generator/RunGeneration.h"
#include "views/DrawingSettings.h"

namespace sloopform {

// The preferences: drawing colours, the screen aspect ratio and the goal
// accuracies, with their defaults.
struct Settings {
    DrawingSettings Drawing;
    int BackGroundIndex = 0;
    int ConstructionIndex = 15;
    int OutlineIndex = 15;
    bool UserRatio = false;
    GoalAccuracies Goals;
};

// The program's settings, read at start-up and written when the frame closes.
Settings& ProgramSettings();

}  // namespace sloopform
