#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "analysis/ExactHydrostatics.h"
#include "numeric/ArithmeticFault.h"

using namespace sloopform;

namespace {

constexpr long double kRelative = 1e-4L;  // 0.01 %
constexpr long double kL = 9, kT = 0.6L, kSheer = 1.5L;

// A hull of exact shapes: the section outlines' control points sit in corners
// (tripled) or on one straight line, so every section is a rectangle or a V.
// `station(record, xi)` sets the station at xi = s / 20 along the waterline.
std::unique_ptr<HullRecord> ShapeHull(const std::function<void(HullRecord&)>& diagonals,
                                      const std::function<void(TStation&, long double)>& station)
{
    auto hull = HullRecord::Create();
    hull->Fovh = 1;
    hull->Loa = kL + 2;
    hull->Lwl = kL;
    hull->Bwl = 2;
    hull->Tc = kT;
    hull->Diagonals[4].Angle = 0;  // no keel flat: the second point is the keel
    diagonals(*hull);
    for (int s = 0; s <= kLastStation; ++s)
        station(hull->Stations[static_cast<std::size_t>(s)], s / 20.0L);
    hull->HullComplete = true;
    return hull;
}

void SetDiagonals(HullRecord& hull, long double y0, long double dy, long double dz)
{
    for (int d = 1; d <= 3; ++d) hull.Diagonals[d] = {y0, 0, dy, dz, 0};
}

struct Expected {
    long double volume, lcb, vcb, awp, lcf, bmt, bml, wetted, cm;
};

struct ShapeCase {
    const char* name;
    std::unique_ptr<HullRecord> hull;
    Expected expected;
};

std::vector<ShapeCase> ShapeCases()
{
    std::vector<ShapeCase> cases;
    const long double L = kL, T = kT;
    {
        // Rectangles whose half-breadth grows linearly from b0 to b1: a wedge in plan.
        const long double b0 = 0.5L, b1 = 1.0L;
        auto hull = ShapeHull([](HullRecord& h) { SetDiagonals(h, 0, 1, 0); },
                              [=](TStation& st, long double xi) {
                                  const long double b = b0 + (b1 - b0) * xi;
                                  st.SheerBeam = 2 * b;
                                  st.SheerHeight = kSheer;
                                  for (int d = 1; d <= 3; ++d) st.DiagonalOffset[d] = b;
                              });
        const long double volume = T * L * (b0 + b1);
        const long double lcf = L * L * (b0 / 6 + b1 / 3) / (L * (b0 + b1) / 2);
        const long double awp = L * (b0 + b1);
        const long double inertiaX = 2 * L * L * L * (b0 / 12 + b1 / 4) - awp * lcf * lcf;
        cases.push_back({"wedge of rectangles", std::move(hull),
                         {volume, 100 * lcf / L, T / 2, awp, 100 * lcf / L,
                          2.0L / 3 * L * (b0 + b1) * (b0 * b0 + b1 * b1) / 4 / volume,
                          inertiaX / volume, awp + 2 * T * std::hypot(L, b1 - b0), 1}});
    }
    {
        // Rectangles of half-breadth b whose keel rises linearly from k0 to k1.
        const long double b = 0.8L, k0 = 0, k1 = 0.3L;
        auto hull = ShapeHull([=](HullRecord& h) { SetDiagonals(h, b, 0, 1); },
                              [=](TStation& st, long double xi) {
                                  const long double k = k0 + (k1 - k0) * xi;
                                  st.KeelHeight = k;
                                  st.SheerBeam = 2 * b;
                                  st.SheerHeight = kSheer;
                                  for (int d = 1; d <= 3; ++d) st.DiagonalOffset[d] = k;
                              });
        const long double meanDepth = T - (k0 + k1) / 2;
        const long double volume = 2 * b * L * meanDepth;
        const long double lcb = (T / 2 - (k0 / 6 + k1 / 3)) / meanDepth;
        const long double vcb = b * L * (T * T - (k0 * k0 + k0 * k1 + k1 * k1) / 3) / volume;
        cases.push_back({"rectangles on a rising keel", std::move(hull),
                         {volume, 100 * lcb, vcb, 2 * b * L, 50, 2.0L / 3 * b * b * b * L / volume,
                          b * L * L * L / 6 / volume,
                          2 * L * meanDepth + 2 * b * std::hypot(L, k1 - k0), 1}});
    }
    {
        // V sections of half-breadth b at the waterline, all along the length.
        const long double b = 0.9L, side = std::hypot(b, T);
        auto hull = ShapeHull([=](HullRecord& h) { SetDiagonals(h, 0, b / side, T / side); },
                              [=](TStation& st, long double) {
                                  st.SheerBeam = 2 * b * kSheer / T;
                                  st.SheerHeight = kSheer;
                                  for (int d = 1; d <= 3; ++d) st.DiagonalOffset[d] = side * d / 2;
                              });
        const long double volume = b * T * L;
        cases.push_back({"V sections", std::move(hull),
                         {volume, 50, 2 * T / 3, 2 * b * L, 50, 2.0L / 3 * b * b * b * L / volume,
                          b * L * L * L / 6 / volume, 2 * side * L, 0.5L}});
    }
    return cases;
}

void ExpectRelative(long double actual, long double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, kRelative * std::fabs(expected)) << what;
}

}  // namespace

TEST(ExactHydrostatics, HullsOfExactShapesGiveTheAnalyticFigures)
{
    for (const ShapeCase& c : ShapeCases()) {
        SCOPED_TRACE(c.name);
        const ExactHydrostatics h = ComputeExactHydrostatics(*c.hull);
        const Expected& e = c.expected;
        ExpectRelative(h.Volume, e.volume, "volume");
        ExpectRelative(h.Displacement, e.volume * kWaterDensity, "displacement");
        ExpectRelative(h.LCB, e.lcb, "LCB");
        ExpectRelative(h.VCB, e.vcb, "VCB");
        ExpectRelative(h.WaterplaneArea, e.awp, "waterplane");
        ExpectRelative(h.LCF, e.lcf, "LCF");
        ExpectRelative(h.BMT, e.bmt, "BMT");
        ExpectRelative(h.BML, e.bml, "BML");
        ExpectRelative(h.MCT, e.volume * kWaterDensity * e.bml / (100 * kL), "MCT");
        ExpectRelative(h.WettedSurface, e.wetted, "wetted surface");
        ExpectRelative(h.Cm, e.cm, "Cm");
        ExpectRelative(h.Cb, e.volume / (kL * c.hull->Bwl * kT), "Cb");
        ExpectRelative(h.Cwl, e.awp / (kL * c.hull->Bwl), "Cwl");
        ExpectRelative(h.Cp, e.volume / (kL * h.MidshipArea), "Cp");
        EXPECT_EQ(h.MidshipArea, h.Stations[10].SectionArea);
    }
}

TEST(ExactHydrostatics, RefusesASectionBelowTheWaterlineAndAnEmptyHull)
{
    auto cases = ShapeCases();
    HullRecord& hull = *cases.front().hull;
    hull.Stations[4].SheerHeight = 0.4L;  // pulls the side below the waterline
    try {
        ComputeExactHydrostatics(hull);
        ADD_FAILURE() << "a section below the waterline was measured";
    } catch (const std::runtime_error& fault) {
        EXPECT_STREQ(fault.what(),
                     "The section at station 4.00 does not reach the design waterline");
    }

    const auto empty = HullRecord::Create();
    EXPECT_THROW(ComputeExactHydrostatics(*empty), ArithmeticFault);
}
