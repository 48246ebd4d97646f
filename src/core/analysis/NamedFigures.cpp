#include "analysis/NamedFigures.h"

#include <limits>

namespace sloopform {

namespace {

double Figure(Real48 value) { return value.Value(); }
double Figure(long double value) { return static_cast<double>(value); }

// Both hydrostatics carry the same figures under the same member names.
template <typename H>
NamedFigures CommonHydrostaticsFigures(const H& h)
{
    return {{"volume", Figure(h.Volume)},
            {"displacement", Figure(h.Displacement)},
            {"vcb", Figure(h.VCB)},
            {"lcb", Figure(h.LCB)},
            {"waterplane_area", Figure(h.WaterplaneArea)},
            {"lcf", Figure(h.LCF)},
            {"midship_area", Figure(h.MidshipArea)},
            {"cb", Figure(h.Cb)},
            {"cp", Figure(h.Cp)},
            {"cwl", Figure(h.Cwl)},
            {"cm", Figure(h.Cm)},
            {"bmt", Figure(h.BMT)},
            {"bml", Figure(h.BML)},
            {"mct", Figure(h.MCT)}};
}

}  // namespace

NamedFigures HydrostaticsFigures(const Hydrostatics& h) { return CommonHydrostaticsFigures(h); }

NamedFigures ExactHydrostaticsFigures(const ExactHydrostatics& h)
{
    NamedFigures figures = CommonHydrostaticsFigures(h);
    figures.push_back({"wetted_surface", Figure(h.WettedSurface)});
    return figures;
}

NamedFigures StationFigures(const HullRecord& hull, int s)
{
    const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    return {{"x", hull.StationX(s).Value()},
            {"keel_height", station.KeelHeight.Value()},
            {"design_waterline_beam", station.DesignWaterlineBeam.Value()},
            {"waterline_beam", station.WaterlineBeam.Value()},
            {"sheer_beam", station.SheerBeam.Value()},
            {"sheer_height", station.SheerHeight.Value()},
            {"section_area", station.SectionArea.Value()},
            {"section_coefficient", station.SectionCoefficient.Value()},
            {"section_vca", station.SectionVca.Value()}};
}

NamedFigures ResistanceFigures(const ResistanceResult& r)
{
    return {{"fn", r.Fn.Value()},
            {"velocity", r.Velocity.Value()},
            {"wetted_area", r.WettedArea.Value()},
            {"friction", r.FrictionResistance.Value()},
            {"residuary", r.ResiduaryResistance.Value()},
            {"total", r.TotalResistance.Value()}};
}

NamedFigures OptimumFigures(Real48 fn, const ResistanceOptimiser::Optimum& optimum)
{
    return {{"fn", fn.Value()},
            {"cp", optimum.Cp.Value()},
            {"lcb", optimum.LCB.Value()},
            {"cm", optimum.Cm.Value()},
            {"resistance", optimum.Resistance.Value()}};
}

NamedFigures StabilityFigures(const StabilityResult& result)
{
    const StabilitySummary& s = result.Summary;
    const auto figure = [](const std::optional<double>& value) {
        return value.value_or(std::numeric_limits<double>::quiet_NaN());
    };
    return {{"vcg", s.Vcg},
            {"displacement", result.Displacement},
            {"gm", s.Gm},
            {"gz_max", s.GzMax},
            {"heel_gz_max", s.HeelGzMax},
            {"avs", figure(s.Avs)},
            {"deck_immersion", figure(s.DeckImmersion)},
            {"area_30", figure(s.Area30)},
            {"area_40", figure(s.Area40)},
            {"area_avs", figure(s.AreaAvs)},
            {"area_ratio", figure(s.AreaRatio)}};
}

NamedFigures StabilityPointFigures(const StabilityPoint& point)
{
    return {{"heel", point.Heel},
            {"gz", point.Gz},
            {"righting_moment", point.RightingMoment},
            {"trim", point.Trim},
            {"sinkage", point.Sinkage}};
}

}  // namespace sloopform
