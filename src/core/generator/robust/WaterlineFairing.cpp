#include "generator/robust/WaterlineFairing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/HullCheck.h"
#include "generator/robust/SectionToTargets.h"

namespace sloopform {

namespace {

constexpr int kLowLevels = 3;  // 1/4, 1/2 and 3/4 of Tc
// The coefficient step at which a section's response is measured.
constexpr long double kProbe = 0.01L;
// Weight of the shifts against the wiggles (half-breadths over Bwl/2, shifts
// as coefficients): each pass moves the sections only part of the way, since
// their response is far from linear, and the next pass measures them anew.
constexpr long double kShiftWeight = 4.0L;

using LevelHalfBreadths = std::array<std::array<std::optional<long double>, kStationCount>, kLowLevels>;

long double LowLevel(const HullRecord& hull, int level) { return hull.Tc * (level + 1) / 4; }

std::vector<std::optional<long double>> MeasureStation(const HullRecord& hull, int s)
{
    std::vector<long double> levels;
    for (int level = 0; level < kLowLevels; ++level) levels.push_back(LowLevel(hull, level));
    return SectionHalfBreadthsAtLevels(hull, s, levels);
}

LevelHalfBreadths MeasureStations(const HullRecord& hull)
{
    LevelHalfBreadths all;
    for (int s = 0; s <= kLastStation; ++s) {
        const auto station = MeasureStation(hull, s);
        for (int level = 0; level < kLowLevels; ++level) all[level][s] = station[level];
    }
    return all;
}

// The stations a level meets, bow to stern, as the check lists them.
std::vector<int> StationsMet(const LevelHalfBreadths& all, int level)
{
    std::vector<int> met;
    for (int s = 0; s <= kLastStation; ++s)
        if (all[level][s]) met.push_back(s);
    return met;
}

bool IsShifted(int s) { return s > 0 && s < kLastStation && s != kMidshipStation; }

// How station s's half-breadths at the levels move per unit of its
// coefficient: the section built again at its coefficient and one probe
// away, then put back as it was.
std::array<long double, kLowLevels> Response(HullRecord& hull, const AreaCurve& curve, int s)
{
    const TStation saved = hull.Stations[s];
    const long double beam = StationBeam(hull, s), coefficient = curve.Coefficient(hull, s);
    const long double probe = coefficient + kProbe <= curve.Highest[s] ? kProbe : -kProbe;
    const SectionReached from = ConstructSection(hull, s, beam, coefficient);
    const auto before = MeasureStation(hull, s);
    const SectionReached to = ConstructSection(hull, s, beam, coefficient + probe);
    const auto after = MeasureStation(hull, s);
    hull.Stations[s] = saved;
    std::array<long double, kLowLevels> response{};
    const long double moved = to.Coefficient - from.Coefficient;
    if (std::fabs(moved) < 0.1L * kProbe) return response;  // held at a limit of the family
    for (int level = 0; level < kLowLevels; ++level)
        if (before[level] && after[level]) response[level] = (*after[level] - *before[level]) / moved;
    return response;
}

// Solves a x = b by elimination with partial pivoting; false when singular.
bool SolveLinear(std::vector<std::vector<long double>> a, std::vector<long double>& b)
{
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
        if (a[pivot][col] == 0) return false;
        std::swap(a[pivot], a[col]);
        std::swap(b[pivot], b[col]);
        for (std::size_t row = 0; row < n; ++row) {
            if (row == col || a[row][col] == 0) continue;
            const long double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < n; ++k) a[row][k] -= factor * a[col][k];
            b[row] -= factor * b[col];
        }
    }
    for (std::size_t i = 0; i < n; ++i) b[i] /= a[i][i];
    return true;
}

}  // namespace

bool LowWaterlinesFair(const HullRecord& hull)
{
    const LevelHalfBreadths all = MeasureStations(hull);
    for (int level = 0; level < kLowLevels; ++level) {
        std::vector<long double> halfBreadths;
        for (int s : StationsMet(all, level)) halfBreadths.push_back(*all[level][s]);
        if (!FairAlongStations(halfBreadths, hull.Bwl)) return false;
    }
    return true;
}

void ShiftForFairWaterlines(HullRecord& hull, AreaCurve& curve)
{
    const LevelHalfBreadths all = MeasureStations(hull);
    std::vector<int> shifted;
    std::array<int, kStationCount> unknown;
    unknown.fill(-1);
    for (int s = 0; s <= kLastStation; ++s)
        if (IsShifted(s)) {
            unknown[s] = static_cast<int>(shifted.size());
            shifted.push_back(s);
        }
    std::array<std::array<long double, kLowLevels>, kStationCount> response{};
    for (int s : shifted) response[s] = Response(hull, curve, s);

    // Least squares of the third differences (half-breadths over Bwl/2) and
    // the weighted shifts, with the volume and moment of the shifts held at
    // nothing by two multipliers.
    const std::size_t n = shifted.size(), size = n + 2;
    std::vector<std::vector<long double>> normal(size, std::vector<long double>(size, 0));
    std::vector<long double> rhs(size, 0);
    const long double scale = 2 / hull.Bwl;
    static constexpr std::array<long double, 4> kThird = {1, -3, 3, -1};
    for (int level = 0; level < kLowLevels; ++level) {
        const std::vector<int> met = StationsMet(all, level);
        for (std::size_t i = 0; i + 3 < met.size(); ++i) {
            std::vector<long double> row(n, 0);
            long double residual = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const int s = met[i + k];
                residual += kThird[k] * *all[level][s] * scale;
                if (unknown[s] >= 0) row[unknown[s]] += kThird[k] * response[s][level] * scale;
            }
            for (std::size_t p = 0; p < n; ++p) {
                rhs[p] -= row[p] * residual;
                for (std::size_t q = 0; q < n; ++q) normal[p][q] += row[p] * row[q];
            }
        }
    }
    for (std::size_t p = 0; p < n; ++p) {
        normal[p][p] += kShiftWeight * kShiftWeight;
        const long double volume = VolumePerCoefficient(hull, shifted[p]);
        normal[p][n] = normal[n][p] = volume;
        normal[p][n + 1] = normal[n + 1][p] = volume * shifted[p];
    }
    if (!SolveLinear(normal, rhs)) return;
    for (std::size_t p = 0; p < n; ++p) curve.Shifts[shifted[p]] += rhs[p];
}

}  // namespace sloopform
