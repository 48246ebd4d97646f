#include "analysis/NamedFigures.h"

namespace sloopform {

NamedFigures HydrostaticsFigures(const Hydrostatics& h)
{
    return {{"volume", h.Volume.Value()},
            {"displacement", h.Displacement.Value()},
            {"vcb", h.VCB.Value()},
            {"lcb", h.LCB.Value()},
            {"waterplane_area", h.WaterplaneArea.Value()},
            {"lcf", h.LCF.Value()},
            {"midship_area", h.MidshipArea.Value()},
            {"cb", h.Cb.Value()},
            {"cp", h.Cp.Value()},
            {"cwl", h.Cwl.Value()},
            {"cm", h.Cm.Value()},
            {"bmt", h.BMT.Value()},
            {"bml", h.BML.Value()},
            {"mct", h.MCT.Value()}};
}

NamedFigures ExactHydrostaticsFigures(const ExactHydrostatics& h)
{
    return {{"volume", static_cast<double>(h.Volume)},
            {"displacement", static_cast<double>(h.Displacement)},
            {"vcb", static_cast<double>(h.VCB)},
            {"lcb", static_cast<double>(h.LCB)},
            {"waterplane_area", static_cast<double>(h.WaterplaneArea)},
            {"lcf", static_cast<double>(h.LCF)},
            {"midship_area", static_cast<double>(h.MidshipArea)},
            {"cb", static_cast<double>(h.Cb)},
            {"cp", static_cast<double>(h.Cp)},
            {"cwl", static_cast<double>(h.Cwl)},
            {"cm", static_cast<double>(h.Cm)},
            {"bmt", static_cast<double>(h.BMT)},
            {"bml", static_cast<double>(h.BML)},
            {"mct", static_cast<double>(h.MCT)},
            {"wetted_surface", static_cast<double>(h.WettedSurface)}};
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

}  // namespace sloopform
