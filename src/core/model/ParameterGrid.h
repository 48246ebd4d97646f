#pragma once
#include <string>

namespace sloopform {

constexpr int kCaptionColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kUnitColumn = 2;
constexpr int kCommentColumn = 3;

// The four-column table the parameter editor fills: text per cell, column 0
// caption, 1 value, 2 unit, 3 comment; row 0 is the header row.
class ParameterGrid {
public:
    virtual ~ParameterGrid() = default;
    virtual std::string Cell(int column, int row) const = 0;
    virtual void SetCell(int column, int row, const std::string& text) = 0;
};

}  // namespace sloopform
