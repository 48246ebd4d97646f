#include "model/ParameterCommit.h"

#include "model/DataEdit.h"
#include "model/ParameterGrid.h"
#include "numeric/NumberText.h"

namespace sloopform {

void CommitParameterValue(TDataEdit& editor, ParameterGrid& grid, int row)
{
    const std::string text = Trim(grid.Cell(kValueColumn, row));
    if (const auto value = ParseReal(text))
        editor.Edit(row, *value);
    else
        editor.RejectText(row, text);
    grid.SetCell(kValueColumn, row, FormatParameterValue(editor.GetValue(row)));
}

}  // namespace sloopform
