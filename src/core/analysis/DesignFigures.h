#pragma once
#include <array>

#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "model/HullRecord.h"

namespace sloopform {

// The five figures a design requests of its hull, in this order: volume
// (Cp Cm Lwl Bwl Tc, m³), LCB (%), Cm, Cwl (requested as Cwp) and LCF (%).
enum DesignFigure { kVolumeFigure, kLcbFigure, kCmFigure, kCwlFigure, kLcfFigure, kDesignFigureCount };
using DesignFigureValues = std::array<long double, kDesignFigureCount>;

// A hull meets its volume within this share of the request, or the dimension
// goal in m³ where that is larger.
constexpr long double kVolumeTolerance = 0.005L;

const char* DesignFigureName(DesignFigure figure);

DesignFigureValues RequestedFigures(const HullRecord& hull);
// From the goal accuracies the hull was generated with.
DesignFigureValues FigureTolerances(const HullRecord& hull);
DesignFigureValues MeasuredFigures(const Hydrostatics& hydrostatics);
DesignFigureValues MeasuredFigures(const ExactHydrostatics& hydrostatics);

// Each figure's miss over its tolerance: at most 1 means met.
DesignFigureValues FigureMisses(const HullRecord& hull, const DesignFigureValues& measured);
bool AllFiguresMet(const DesignFigureValues& misses);

}  // namespace sloopform
