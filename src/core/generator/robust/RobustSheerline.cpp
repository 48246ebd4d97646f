#include "generator/robust/RobustSheerline.h"

#include "generator/Sheerline.h"
#include "generator/StationCrossing.h"
#include "generator/robust/RobustFailure.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"

namespace sloopform {

void CreateRobustSheerline(HullRecord& hull)
{
    CreateSheerline(hull);
    if (CancelFlag()) return;
    const long double waterlineEnd = SampledStationX(hull, kLastStation);
    if (hull.TransomTopX >= waterlineEnd) return;
    FailRun("Required TransomAngle " + FormatFixed(hull.TransomAngle, 1) + " too steep for FreeAft " +
            FormatFixed(hull.FreeAft, 3) + " m: the transom top stands at " + FormatFixed(hull.TransomTopX, 3) +
            " m, forward of the waterline's aft end at " + FormatFixed(waterlineEnd, 3) +
            " m, so the deck would end before the hull does; lower TransomAngle or FreeAft, or lengthen Loa");
}

}  // namespace sloopform
