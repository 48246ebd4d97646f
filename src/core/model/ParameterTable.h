#pragma once
#include <string>
#include <vector>

#include "model/HullRecord.h"

namespace sloopform {

constexpr int kFirstParameterRow = 1;
constexpr int kLastParameterRow = 19;
constexpr int kParameterHelpContextBase = 4000;

// One row of the parameter table: what the grid shows, where the value lives,
// and the rule a committed value must pass.
struct ParameterRow {
    const char* caption;
    const char* unit;
    const char* comment;
    Real48 HullRecord::*field;
    // Decides with the values currently stored in the hull record.
    bool (*accepts)(long double value, const HullRecord& hull);
    const char* rejection;
    bool viewsRefreshed;  // the value changes the drawing extents
};

// The values the rules of the coefficients the optimiser changes accept,
// both ends included.
struct ValueRange {
    long double Lowest;
    long double Highest;
};
inline constexpr ValueRange kCpRange{0.42L, 0.65L};
inline constexpr ValueRange kCmRange{0.5L, 0.82L};
inline constexpr ValueRange kLCBRange{48, 62};
inline constexpr int kCpRow = 8;
inline constexpr int kCmRow = 9;
inline constexpr int kLCBRow = 10;

bool IsParameterRow(int row);
// The table entry of a row in 1..19; throws std::out_of_range otherwise.
const ParameterRow& ParameterRowAt(int row);

// The rejection texts of every stored value its row's rule refuses, in row
// order, each text once; empty when all nineteen pass. A run must not start
// on such values, whatever way they were stored (a file, an older check).
std::vector<std::string> StoredParameterFaults(const HullRecord& hull);

}  // namespace sloopform
