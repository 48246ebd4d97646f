#include "ScaledSvg.h"

#include "model/ShortFileName.h"
#include "platform/Today.h"
#include "views/ScaledSheet.h"
#include "views/SvgViews.h"

namespace sloopform::batch {

std::string ScaledLinesPlanSvg(const HullRecord& hull, int scale, const std::string& projectPath)
{
    const SheetTitle title{ShortFileName(projectPath), TodayText()};
    return ScaledSheetSvg(ScaledSheet(hull, scale, title, DisplaySwitches{}));
}

}  // namespace sloopform::batch
