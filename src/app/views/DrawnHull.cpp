#include "views/DrawnHull.h"

#include <memory>

const sloopform::HullRecord& DrawnHull()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull()) return *hull;
    static const std::unique_ptr<sloopform::HullRecord> none = sloopform::HullRecord::Create();
    return *none;
}
