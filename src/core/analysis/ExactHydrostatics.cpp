#include "analysis/ExactHydrostatics.h"

#include <stdexcept>

#include "analysis/GaussLegendre.h"
#include "analysis/StationLoft.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

// Integrals along the length as weighted sums; x in metres aft of station 0.
struct LengthSums {
    long double A = 0, AX = 0, AV = 0, B = 0, BX = 0, BX2 = 0, Y3 = 0, G = 0;

    void Add(long double weight, long double x, const ExactStation& st)
    {
        const long double halfBeam = st.WaterlineBeam / 2;
        A += weight * st.SectionArea;
        AX += weight * st.SectionArea * x;
        AV += weight * st.SectionArea * st.SectionVca;
        B += weight * st.WaterlineBeam;
        BX += weight * st.WaterlineBeam * x;
        BX2 += weight * st.WaterlineBeam * x * x;
        Y3 += weight * halfBeam * halfBeam * halfBeam;
        G += weight * st.SurfaceGirth;
    }
};

void FillFigures(const HullRecord& hull, const LengthSums& sums, const ExactStation& midship,
                 ExactHydrostatics& h)
{
    const long double lwl = hull.Lwl;
    h.Volume = sums.A;
    h.Displacement = h.Volume * hull.WaterDensity;
    h.LCB = 100 * Divide(sums.AX, sums.A) / lwl;
    h.VCB = Divide(sums.AV, sums.A);
    h.WaterplaneArea = sums.B;
    h.KgPerCm = h.WaterplaneArea * hull.WaterDensity * 0.01L;
    const long double lcf = Divide(sums.BX, sums.B);
    h.LCF = 100 * lcf / lwl;
    h.MidshipArea = midship.SectionArea;
    h.Cm = Divide(midship.SectionArea, midship.WaterlineBeam * midship.Depth);
    h.Cb = Divide(h.Volume, lwl * hull.Bwl * hull.Tc);
    h.Cp = Divide(h.Volume, lwl * h.MidshipArea);
    h.Cwl = Divide(h.WaterplaneArea, lwl * hull.Bwl);
    // Transverse second moment of the waterplane, (2/3) of the integral of y³.
    h.BMT = Divide(2.0L / 3.0L * sums.Y3, h.Volume);
    // Second moment about station 0, moved to the centre of flotation.
    h.BML = Divide(sums.BX2 - h.WaterplaneArea * lcf * lcf, h.Volume);
    h.MCT = Divide(h.Displacement * h.BML, 100 * lwl);
    h.WettedSurface = sums.G;
}

}  // namespace

std::optional<ExactStation> MeasureSectionOutline(const std::vector<ExtendedPoint>& outline,
                                                  long double level, int pieces,
                                                  const std::vector<ExtendedPoint>& slope,
                                                  ImmersedMeasures measures)
{
    std::optional<ExtendedBSpline> slopeCurve;
    if (!slope.empty()) slopeCurve.emplace(kCubic, slope);
    const auto side = MeasureImmersedSection(ExtendedBSpline(kCubic, outline), level, pieces,
                                             slopeCurve ? &*slopeCurve : nullptr, measures);
    if (!side) return std::nullopt;
    ExactStation station;
    station.Depth = level - outline.front().b;
    station.WaterlineBeam = 2 * side->HalfBreadth;
    station.SectionArea = 2 * side->HalfArea;
    station.SectionVca = side->HalfArea == 0 ? 0 : side->AreaMoment / side->HalfArea;
    station.Girth = 2 * side->HalfGirth;
    station.SurfaceGirth = 2 * side->HalfSurfaceGirth;
    return station;
}

ExactHydrostatics ComputeExactHydrostatics(const HullRecord& hull,
                                           const ExactResolution& resolution)
{
    const StationLoft loft(hull);
    const long double spacing = 0.05L * hull.Lwl;
    const bool surfaces = resolution.Measures == ImmersedMeasures::All;
    const auto measure = [&](long double station) {
        StationLoft::OutlineAndSlope lofted;
        if (surfaces)
            lofted = loft.OutlineAndSlopeAt(station);
        else
            lofted.Outline = loft.OutlineAt(station);
        for (ExtendedPoint& p : lofted.Slope) p = {Divide(p.a, spacing), Divide(p.b, spacing)};
        const auto section = MeasureSectionOutline(lofted.Outline, hull.Tc, resolution.SectionPieces,
                                                   lofted.Slope, resolution.Measures);
        if (!section)
            throw std::runtime_error("The section at station " + FormatFixed(station, 2) +
                                     " does not reach the design waterline");
        return *section;
    };
    ExactHydrostatics h;
    for (int s = 0; s <= kLastStation; ++s) h.Stations[static_cast<std::size_t>(s)] = measure(s);

    // Each station spacing by its own Gauss rule, since the loft bends at the
    // stations. At the two ends the sections lose their depth and the
    // waterline beam falls like a square root of the distance to the end; the
    // substitution s = u² from the end makes that smooth for the rule.
    LengthSums sums;
    for (const QuadratureNode& node : GaussLegendre(resolution.EndPoints)) {
        const long double u = node.x;
        const long double endWeight = node.w * 2 * u;
        sums.Add(endWeight * spacing, u * u * spacing, measure(u * u));
        sums.Add(endWeight * spacing, (kLastStation - u * u) * spacing,
                 measure(kLastStation - u * u));
    }
    for (const QuadratureNode& node : GaussLegendre(resolution.InteriorPoints))
        for (int i = 1; i < kLastStation - 1; ++i)
            sums.Add(node.w * spacing, (i + node.x) * spacing, measure(i + node.x));

    FillFigures(hull, sums, h.Stations[kMidshipStation], h);
    return h;
}

}  // namespace sloopform
