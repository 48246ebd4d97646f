#pragma once
#include "numeric/Real48.h"

namespace sloopform {

// One regression table of the Delft series: rows of coefficients at Froude
// numbers FirstFn, FirstFn + 0.025, ...
struct ResiduaryTable {
    long double FirstFn;
    int Rows;
    int Coefficients;
    const long double* Values;  // Rows x Coefficients, row-major

    // Coefficient k (0-based) of row j (0-based), as the 6-byte real it is stored as;
    // indices outside the table throw.
    Real48 At(int j, int k) const;
};

// a0..a9 for Fn 0.125 .. 0.450.
const ResiduaryTable& ResiduaryTableLow();
// c0..c5 for Fn 0.475 .. 0.750.
const ResiduaryTable& ResiduaryTableHigh();

// Coefficient k interpolated linearly between the two tabulated Froude numbers
// around fn; below the first row it extrapolates from the first two rows, at
// the last row it gives that row's value. A speed that would need a row outside
// the table throws std::out_of_range.
Real48 ResiduaryCoefficient(const ResiduaryTable& table, int k, long double fn);

}  // namespace sloopform
