#include "model/HullRecord.h"

namespace sloopform {

std::unique_ptr<HullRecord> HullRecord::Create()
{
    auto hull = std::make_unique<HullRecord>();
    hull->Gravity = kGravity;
    hull->Viscosity = kViscosity;
    hull->WaterDensity = kWaterDensity;
    return hull;
}

void HullRecord::ClearFlags()
{
    HullComplete = false;
    TransomDone = false;
    SheerDone = false;
    ProfileDone = false;
    WaterlineDone = false;
}

Real48 HullRecord::StationX(int s) const
{
    return Fovh + 0.05L * s * Lwl;
}

namespace {
HullRecord* currentHull = nullptr;
}  // namespace

HullRecord* CurrentHull() { return currentHull; }

void SetCurrentHull(HullRecord* hull) { currentHull = hull; }

}  // namespace sloopform
