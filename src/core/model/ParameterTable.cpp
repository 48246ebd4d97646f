#include "model/ParameterTable.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace sloopform {

namespace {

// The ends are compared as the 6-byte real stores them, so typing an end
// point exactly is accepted.
bool Within(long double value, long double low, long double high)
{
    return Round48(low) <= value && value <= Round48(high);
}

bool Within(long double value, const ValueRange& range) { return Within(value, range.Lowest, range.Highest); }

bool Positive(long double value, const HullRecord&) { return value > 0; }

const std::array<ParameterRow, kLastParameterRow> kRows = {{
    {"Length Overall", "m", "(Loa)", &HullRecord::Loa, Positive,
     "Length Overall must be greater than 0", true},
    {"Waterline Length", "m", "(Lwl)", &HullRecord::Lwl,
     [](long double value, const HullRecord& hull) { return value + hull.Fovh < hull.Loa; },
     "Overhang and Waterline Length must be less than Length Overall", false},
    {"Forward Overhang", "m", "", &HullRecord::Fovh,
     [](long double value, const HullRecord& hull) { return value + hull.Lwl < hull.Loa; },
     "Overhang and Waterline Length must be less than Length Overall", false},
    {"Maximum Beam", "m", "(Bmax)", &HullRecord::BMax, Positive,
     "Maximum Beam must be greater than 0", true},
    {"Waterline Beam", "m", "(Bwl)", &HullRecord::Bwl, Positive,
     "Waterline Beam must be greater than 0", false},
    {"Beam at Transom", "m", "", &HullRecord::BTransom,
     [](long double value, const HullRecord& hull) { return value > 0 && value < hull.BMax; },
     "Transom Beam must be greater than 0 and Less than Maximum Beam", false},
    {"Draught", "m", "(Tc)", &HullRecord::Tc, Positive,
     "Draught Beam must be greater than 0", true},
    {"Prismatic Coefficient", "-", "(Cp)", &HullRecord::Cp,
     [](long double value, const HullRecord&) { return Within(value, kCpRange); },
     "Prismatic Coefficient must be\rgreater than 0.42 and less than 0.65", false},
    {"Mid-Section Coefficient", "-", "(Cm)", &HullRecord::Cm,
     [](long double value, const HullRecord&) { return Within(value, kCmRange); },
     "Mid-Ship Section Coefficient must be\rgreater than 0.5 and less than 0.82", false},
    {"Longitudinal Center of Buoyancy", "%", "(LCB) Percent of Lwl, aft of Bow", &HullRecord::LCB,
     [](long double value, const HullRecord&) { return Within(value, kLCBRange); },
     "Longitudinal Centre of Buoyancy must be\rbe greater than 48% and less than 62%", false},
    {"Waterplane Coefficient", "-", "(Cwp)", &HullRecord::Cwp,
     [](long double value, const HullRecord&) { return Within(value, 0.68L, 0.8L); },
     "Waterplane Coefficient must be greater than 0.68 and\rless than 0.8", false},
    {"Longitudinal Center of Floatation", "%", "(LCF) Percent of Lwl, aft of Bow", &HullRecord::LCF,
     [](long double value, const HullRecord&) { return Within(value, 48, 62); },
     "Longitudinal Centre of Floatation must be\rbe greater than 48% and less than 62%", false},
    {"Bow Freeboard", "m", "", &HullRecord::FreeBow, Positive,
     "Bow Freeboard must be greater than 0", true},
    {"Mid-Ship Freeboard", "m", "", &HullRecord::FreeCenter, Positive,
     "Mid-Ship Freeboard must be greater than 0", false},
    {"Aft Freeboard", "m", "", &HullRecord::FreeAft, Positive,
     "Aft Freeboard must be greater than 0", false},
    {"Bow Curvature (Angle)", "\u00B0", "", &HullRecord::BPDA,
     [](long double value, const HullRecord&) { return Within(value, -45, 45); },
     "Bow Curvature must be greater than -45\u00B0 and less that 45\u00B0", false},
    {"Forefoot Length", "m", "", &HullRecord::BPLWLT,
     [](long double value, const HullRecord& hull) { return value >= 0 && value <= hull.Tc; },
     "Forefoot Length must be greater that 0 and less than Draught", false},
    {"Transom Angle", "\u00B0", "", &HullRecord::TransomAngle,
     [](long double value, const HullRecord&) { return value >= 0; },
     "Transom Angle must be greater or equal to 0", false},
    {"Flare Angle at Aft Perpendicular", "\u00B0", "", &HullRecord::ApAngle,
     [](long double value, const HullRecord&) { return Within(value, -15, 50); },
     "Flare Angle must be greater than -15\u00B0 and less than 50\u00B0", false},
}};

}  // namespace

bool IsParameterRow(int row) { return row >= kFirstParameterRow && row <= kLastParameterRow; }

const ParameterRow& ParameterRowAt(int row)
{
    if (!IsParameterRow(row))
        throw std::out_of_range("parameter row " + std::to_string(row) + " outside 1..19");
    return kRows[static_cast<std::size_t>(row - kFirstParameterRow)];
}

std::vector<std::string> StoredParameterFaults(const HullRecord& hull)
{
    std::vector<std::string> faults;
    for (const ParameterRow& row : kRows) {
        if (row.accepts(hull.*row.field, hull)) continue;
        if (std::find(faults.begin(), faults.end(), row.rejection) == faults.end())
            faults.emplace_back(row.rejection);
    }
    return faults;
}

}  // namespace sloopform
