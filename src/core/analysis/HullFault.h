#pragma once
#include <string>

namespace sloopform {

enum class HullFaultKind {
    Folds,                  // a section's height falls back along the curve
    PastBeam,               // a section point past BMax/2
    AcrossCentrePlane,      // a section point on the port side
    Tumblehome,             // a section wider below than at its own sheer
    PastWaterlineBeam,      // the design waterline past Bwl/2
    WaterlineOutsideSheer,  // the design waterline outside the sheer line in plan
    ProfileRunsBack,        // the centre-line profile turns back towards the bow
    CrossesItself,
    UnfairWaterline,
    AreaCurveMaxima,
};

// One shape no designer would draw, in plain words, with where it lies so
// that a drawing can mark the curve it names.
struct HullFault {
    HullFaultKind Kind;
    int Station = -1;  // the station of a section fault
    std::string Text;
    // The stretch along the hull (x from the stem head) of a profile or
    // design-waterline fault.
    long double FromX = 0;
    long double ToX = 0;
    // The height of an unfair waterline.
    long double Level = 0;
};

}  // namespace sloopform
