#include "analysis/HullCheckReport.h"

#include "analysis/HullCheck.h"
#include "model/GeneratedHull.h"
#include "generator/Output.h"

namespace sloopform {

bool ReportHullCheck(const HullRecord& hull, TOutput& report)
{
    if (!GeneratedOrSaySo(hull)) return false;
    const std::vector<std::string> faults = HullCheckLines(hull);
    report.WriteLn("----------------- Hull Check -----------------");
    report.WriteLn();
    if (faults.empty()) report.WriteLn("No faults found");
    for (const std::string& fault : faults) report.WriteLn(fault);
    report.WriteLn();
    return true;
}

}  // namespace sloopform
