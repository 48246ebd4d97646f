#pragma once
#include <string>
#include <vector>

#include "model/HullRecord.h"

namespace sloopform {

class TOutput;

// One requested figure of a generated hull: what was asked, what the
// hydrostatics report measures, what the hull's own section curves measure,
// the goal it is held to, and whether the exact figure meets it.
struct DesignCheckRow {
    std::string Figure;  // "Volume", "Displacement", "LCB", "Cm", "Cwl", "LCF"
    std::string Unit;    // "m3", "kg", "%" or empty
    long double Requested = 0;
    long double Hydrostatics = 0;
    long double Exact = 0;
    long double Goal = 0;
    bool Met = false;
    long double Miss() const { return Exact - Requested; }
};

// The six figures of a generated hull: volume, displacement, LCB, Cm, Cwl
// (against the requested Cwp) and LCF, with the goals the hull was generated
// to (the volume within 0.5 % or the dimension goal in m3).
std::vector<DesignCheckRow> CheckDesign(const HullRecord& hull);

// "All requested figures met", or the figure missed by the most goals, as
// "Largest miss: LCF 55.612 % against 55.000 % (goal 0.100 %)".
std::string DesignCheckVerdict(const std::vector<DesignCheckRow>& rows);

// The "Design Check" block of the report: a line per figure and the verdict.
// A hull that has not been generated gets "No Data Available, Run Generator"
// and nothing is written. Returns whether the block was written.
bool ReportDesignCheck(const HullRecord& hull, TOutput& report);

}  // namespace sloopform
