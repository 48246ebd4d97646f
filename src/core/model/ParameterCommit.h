#pragma once

namespace sloopform {

class ParameterGrid;
class TDataEdit;

// What happens when the designer commits the text typed into a row's value
// cell: the trimmed text is converted and handed to the editor, and the cell
// is rewritten with the value now stored. The caller clears its own
// cell-edited flag and decides whether the project is modified.
void CommitParameterValue(TDataEdit& editor, ParameterGrid& grid, int row);

}  // namespace sloopform
