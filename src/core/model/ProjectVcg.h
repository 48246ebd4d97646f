#pragma once
#include <optional>
#include <string>

#include "numeric/Real48.h"

namespace sloopform {

// The designer's VCG travels in the project file as one optional line after
// the nineteen parameters, "VCG=0.350": a reader of the nineteen alone stops
// before it, and a file without it is read as before.
inline constexpr const char* kVcgKey = "VCG";

// Reads the optional line among those after the nineteen parameters, in any
// order with other optional lines. `vcg` is unset when there is none. A value
// that is no number is shown as a parameter's would be and leaves `vcg`
// unset; the result is then false.
bool ReadProjectVcg(const std::string& fileName, std::optional<Real48>& vcg);

}  // namespace sloopform
