// Speed of the curve core: one 1000-point sampling of the 23-point profile
// polygon, and one 6 x 6 interpolating fit.
#include <benchmark/benchmark.h>

#include <cmath>

#include "numeric/BSpline.h"

using namespace sloopform;

namespace {

TPointBlock2 Polygon(int n)
{
    TPointBlock2 points;
    for (int i = 1; i <= n; ++i) points[i] = {Real48(0.5L * i), Real48(std::sin(0.3L * i))};
    return points;
}

void BM_SampleProfile1000(benchmark::State& state)
{
    const TPointBlock2 ctrl = Polygon(23);
    for (auto _ : state) benchmark::DoNotOptimize(SampleBSpline2d(20, 4, ctrl, 1000));
}
BENCHMARK(BM_SampleProfile1000);

void BM_FitSixPoints(benchmark::State& state)
{
    const TPointBlock2 data = Polygon(6);
    for (auto _ : state) benchmark::DoNotOptimize(FitBSpline2d(6, 4, data));
}
BENCHMARK(BM_FitSixPoints);

}  // namespace
