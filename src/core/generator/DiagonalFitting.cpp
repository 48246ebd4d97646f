#include "generator/DiagonalFitting.h"

#include <cmath>

#include "generator/GeneratorState.h"
#include "generator/SectionMeasures.h"
#include "generator/Sections.h"
#include "model/StationOutline.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/Geometry.h"
#include "numeric/Matrix.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

constexpr int kFitSamplesPerPoint = 10;
constexpr int kBowEnd = -1;  // the walk position of the diagonal's bow end
constexpr int kFittedDiagonals = 3;

// Station 20's offset on diagonal 3: where the flare line through the sheer
// corner meets diagonal 3.
Real48 AftOffsetOnDiagonal3(const HullRecord& hull)
{
    const TStation& aft = hull.Stations[kLastStation];
    const long double theta2 = hull.Diagonals[2].Angle;
    const long double theta3 = hull.Diagonals[3].Angle;
    if (hull.ApAngle == 0)
        return Divide(aft.SheerBeam * 0.5L, std::sin(kPi / 2 - theta3) * 2);

    const long double a = DegreesToRadians(hull.ApAngle);
    const TPoint2r flareTop{aft.SheerBeam * 0.5L, aft.SheerHeight + hull.Tc};
    const TPoint2r flareFoot{flareTop.x - std::sin(a) * 10, flareTop.y - std::cos(a) * 10};
    const TPoint2r diagonalStart{0, hull.Bwl * 0.25L + hull.Tc};
    const TPoint2r diagonalFar{DiagonalY(hull.Diagonals[3], 10), DiagonalZ(hull.Diagonals[3], 10)};
    TPoint2r crossing{0, 0};
    IntersectLines(crossing.x, crossing.y, flareTop, flareFoot, diagonalStart, diagonalFar);
    return Divide(crossing.x, std::sin(theta2));
}

}  // namespace

void InitialiseDiagonalEnds(HullRecord& hull)
{
    hull.DefinedSectionCount = 0;
    for (TStation& station : hull.Stations) {
        for (int d = 1; d <= kFittedDiagonals; ++d) station.DiagonalOffset[d] = 0;
        station.SectionDefined = false;
    }

    // Bow ends: diagonal 1 a hair ahead of station 0, diagonals 2 and 3 where
    // the straight stem reaches the heights at which they leave the centre plane.
    for (int d = 1; d <= kFittedDiagonals; ++d) hull.DiagonalEndOffset[d] = 0;
    hull.DiagonalEndStation[1] = -1e-11L;
    hull.DiagonalEndStation[2] =
        Divide(Divide((-hull.Bwl * 0.125L) * hull.Fovh, hull.FreeBow), hull.Lwl * 0.05L);
    hull.DiagonalEndStation[3] =
        Divide(Divide((-hull.Bwl * 0.25L) * hull.Fovh, hull.FreeBow), hull.Lwl * 0.05L);
    hull.DefinedSectionCount += 1;

    TStation& aft = hull.Stations[kLastStation];
    aft.DiagonalOffset[1] = 0;
    aft.DiagonalOffset[2] = Divide(hull.Bwl, std::cos(static_cast<long double>(hull.Diagonals[2].Angle)) * 8);
    aft.DiagonalOffset[3] = AftOffsetOnDiagonal3(hull);
    aft.SectionDefined = true;
    hull.DefinedSectionCount += 1;

    TStation& midship = hull.Stations[kMidshipStation];
    midship.RequiredSectionCoefficient = hull.Cm;
    midship.DesignWaterlineBeam = hull.Bwl;
}

void InitialiseDiagonals(HullRecord& hull)
{
    InitialiseDiagonalEnds(hull);
    CreateNewSection(kMidshipStation, hull);
}

void FitDiagonalsToSections(HullRecord& hull, int order)
{
    for (int d = 1; d <= kFittedDiagonals; ++d) {
        TPointBlock2 points;
        int count = 0;
        int position = kBowEnd;
        for (; position <= kLastStation; ++position) {
            if (position == kBowEnd) {
                points[++count] = {hull.DiagonalEndStation[d], hull.DiagonalEndOffset[d]};
            } else if (hull.Stations[position].SectionDefined) {
                points[++count] = {Real48(position), hull.Stations[position].DiagonalOffset[d]};
            } else {
                continue;
            }
            if (count == hull.DefinedSectionCount) break;
        }
        // The fit is only sound when the count is consistent and station 20,
        // the last constructed section, closed the walk.
        if (count != hull.DefinedSectionCount || position != kLastStation) {
            ConsoleLine("Fatal Error[1]: Unable to Fit Diagonals to Sections");
            CancelGeneration();
            return;
        }

        const StationOffsets& offsets = FitDiagonal(count, order, points);
        for (int s = 0; s <= kLastStation; ++s)
            if (!hull.Stations[s].SectionDefined) hull.Stations[s].DiagonalOffset[d] = offsets[s];
    }
}

const StationOffsets& FitDiagonal(int nPts, int order, const TPointBlock2& points)
{
    const TPointBlock2 ctrl = FitBSpline2d(nPts, order, points);
    CurveSamples<TPoint2r, kFitSamplesPerPoint * TMatrix::kMaxSize> samples;
    SampleBSpline2d(nPts, order, ctrl, kFitSamplesPerPoint * nPts, samples);
    StationOffsets& table = Generator().DiagonalFit.Offsets;
    TPoint2r previous = samples.front();
    int s = 0;
    for (const TPoint2r& current : samples) {
        if (previous.x <= s && s <= current.x && s <= kLastStation) {
            if (current.x == previous.x)
                table[s] = current.y;
            else
                table[s] = current.y + (current.y - previous.y) * (s - current.x) / (current.x - previous.x);
            ++s;
        }
        previous = current;
    }
    return table;
}

void SectionsFromDiagonals(HullRecord& hull)
{
    for (int s : {0, kLastStation}) {
        TStation& end = hull.Stations[s];
        end.WaterlineBeam = 0;
        end.SectionArea = 0;
        end.SectionVca = 0;
        end.SectionCoefficient = 0;
    }
    for (int s = 1; s < kLastStation; ++s) {
        TStation& station = hull.Stations[s];
        const SectionSamples samples = SampleSection(kStationOutlinePoints, 4, StationOutline(hull, s));
        station.WaterlineBeam = 2 * SectionHalfBreadthAt(samples, hull.Tc);
        station.SectionArea = 2 * SectionHalfArea(samples, station.KeelHeight, hull.Tc);
        station.SectionVca = SectionCentroid(samples, station.KeelHeight, hull.Tc);
        station.SectionCoefficient =
            Divide(station.SectionArea, station.WaterlineBeam * (hull.Tc - station.KeelHeight));
    }
}

}  // namespace sloopform
