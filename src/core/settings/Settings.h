#pragma once
#include <string>
#include <vector>

#include "generator/RunGeneration.h"
#include "views/DrawingSettings.h"

namespace sloopform {

// The preferences: drawing colours, the screen aspect ratio and the goal
// accuracies, with their defaults; and the list of recent projects. What
// belongs to one design (its generator method, offset levels and lines-plan
// check marks) is saved with it instead (DesignSettings).
struct Settings {
    DrawingSettings Drawing;
    int BackGroundIndex = 0;
    int ConstructionIndex = 15;
    int OutlineIndex = 15;
    bool UserRatio = false;
    GoalAccuracies Goals;
    std::vector<std::string> RecentProjects;  // most recent first
    // Every committed value, undo or redo runs the generator at once.
    bool RegenerateWhileEditing = false;
};

// The program's settings, read at start-up and written when the frame closes.
// Assigning Settings{} restores the defaults.
Settings& ProgramSettings();

// The slider of the user-defined aspect ratio, in hundredths.
constexpr int kAspectRatioLowest = 80;
constexpr int kAspectRatioHighest = 120;

}  // namespace sloopform
