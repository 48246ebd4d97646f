#include "views/DrawnHull.h"

#include <memory>

#include "model/DataEdit.h"

const sloopform::HullRecord& DrawnHull()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull()) return *hull;
    static const std::unique_ptr<sloopform::HullRecord> none = sloopform::HullRecord::Create();
    return *none;
}

const sloopform::DesignSettings& DrawnDesign()
{
    if (const sloopform::TDataEdit* editor = sloopform::CurrentDataEdit()) return editor->Design();
    static const sloopform::DesignSettings defaults;
    return defaults;
}
