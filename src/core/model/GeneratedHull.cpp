#include "model/GeneratedHull.h"

#include "platform/UiServices.h"

namespace sloopform {

bool GeneratedOrSaySo(const HullRecord& hull)
{
    if (hull.HullComplete) return true;
    Ui().ShowMessage("No Data Available, Run Generator", MessageIcon::Error, MessageButtons::Ok);
    return false;
}

}  // namespace sloopform
