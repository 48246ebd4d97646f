#pragma once

namespace sloopform {

class ParameterGrid;
class TDataEdit;
class TFileManager;

// What happens when the designer commits the text typed into a row's value
// cell: the trimmed text is converted and handed to the editor, the cell is
// rewritten with the value now stored, and the project is marked modified.
// The caller clears its own cell-edited flag.
void CommitParameterValue(TDataEdit& editor, ParameterGrid& grid, int row, TFileManager& project);

}  // namespace sloopform
