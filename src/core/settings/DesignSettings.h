#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/Offsets.h"
#include "generator/RunGeneration.h"
#include "model/ProjectFile.h"
#include "numeric/Real48.h"
#include "views/DrawingSettings.h"

namespace sloopform {

// The lines plan's check marks that belong to the design.
struct LinesPlanToggles {
    bool ConstructionLines = true;
    bool HullOutlines = true;
    bool SplitBodyPlan = false;
    bool Waterlines = false;
    bool Buttocks = false;
    bool Labels = false;
    bool Diagonals = false;

    bool operator==(const LinesPlanToggles& other) const;
    bool operator!=(const LinesPlanToggles& other) const { return !(*this == other); }
};

// What the designer chooses for one design beside its nineteen parameters;
// it is saved with the design, a new one starts from these defaults.
struct DesignSettings {
    GeneratorMethod Method = GeneratorMethod::Classic;
    OffsetLevels Offsets;  // empty lists: the hull's default levels
    LinesPlanToggles LinesPlan;
    // The height of the centre of gravity above the base line for the
    // stability curve; unset until the designer gives one.
    std::optional<Real48> Vcg;

    bool operator==(const DesignSettings& other) const;
    bool operator!=(const DesignSettings& other) const { return !(*this == other); }
};

// The settings as entries after the nineteen keys of the project file.
ProjectEntries DesignSettingsEntries(const DesignSettings& settings);

// The settings the entries hold; a key that is absent keeps its default, and
// so does one whose value cannot be read: "key=value" of each of those is
// added to `unreadable`. Keys of other kinds are passed over.
DesignSettings DesignSettingsFromEntries(const ProjectEntries& entries, std::vector<std::string>& unreadable);

// The lines plan's switches for the design's check marks and offset levels.
DisplaySwitches LinesPlanSwitches(const DesignSettings& settings);

// "Classic", "Robust".
const char* GeneratorMethodName(GeneratorMethod method);

}  // namespace sloopform
