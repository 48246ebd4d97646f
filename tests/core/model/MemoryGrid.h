#pragma once
#include <map>
#include <string>
#include <utility>

#include "model/ParameterGrid.h"

namespace sloopform::test {

// The parameter table as plain cells; unwritten cells read as empty.
class MemoryGrid : public ParameterGrid {
public:
    std::string Cell(int column, int row) const override
    {
        const auto found = cells.find({column, row});
        return found == cells.end() ? std::string() : found->second;
    }
    void SetCell(int column, int row, const std::string& text) override
    {
        cells[{column, row}] = text;
        ++writes;
    }

    std::map<std::pair<int, int>, std::string> cells;
    int writes = 0;
};

}  // namespace sloopform::test
