#pragma once
#include "analysis/CanoeBody.h"

namespace sloopform {

// The directions of a heeled and trimmed body's world, in the body's own
// coordinates: Up, the normal of the waterplane; Across, level and
// athwartships towards the side a positive heel puts down; Along, level and
// fore and aft, pointing aft.
struct HeelFrame {
    Vector3 Up;
    Vector3 Across;
    Vector3 Along;
};

// The body heeled to starboard by `heel` (to port when negative) about its own
// x axis, then trimmed bow up by `trim` about the level transverse axis; radians.
HeelFrame FrameAt(double heel, double trim);

// The part of the body below the waterplane Dot(Up, p) = level.
struct ImmersedBody {
    double Volume = 0;                  // m³
    double AcrossMoment = 0;            // the integral of Dot(Across, p) over the volume, m⁴
    double AlongMoment = 0;             // of Dot(Along, p)
    double UpMoment = 0;                // of Dot(Up, p)
    double WaterplaneArea = 0;          // m²
    double WaterplaneAlongMoment = 0;   // the integral of Dot(Along, p) over the waterplane, m³
    double WaterplaneAlongInertia = 0;  // of Dot(Along, p)², m⁴
};

// By the divergence theorem over the wetted surface alone: every integrand
// carries the depth below the waterplane, or is constant along Up, so the
// waterplane itself adds nothing, and the cut needs no outline of its own.
// The sections are integrated exactly between the places where the
// waterplane crosses them, the length by the body's Gauss points.
ImmersedBody IntegrateImmersed(const CanoeBody& body, const HeelFrame& frame, double level);

}  // namespace sloopform
