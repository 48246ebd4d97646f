#pragma once
#include <functional>
#include <vector>

#include "numeric/BSpline.h"

namespace sloopform {

// A point of a curve as one view draws it.
struct ViewPoint {
    long double u;
    long double v;
};
using ViewPolyline = std::vector<ViewPoint>;

// Which two coordinates of a point in space a view draws.
enum class ViewPlane { Profile, Plan, BodyPlan };

// The lines an emitter writes, chained into polylines where one line starts
// where an earlier one ended, and seen in the plane; only the lines on the
// starboard side (half-breadth not below 0) are kept.
std::vector<ViewPolyline> RecordedPolylines(const std::function<void(LineSink&)>& emit, ViewPlane plane);

}  // namespace sloopform
