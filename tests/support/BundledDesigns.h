#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/HullRecord.h"

namespace sloopform::test {

// The designs bundled in examples/, by file name without extension.
std::vector<std::string> BundledDesignNames();

// A fresh hull record with the parameters of a bundled design, read straight
// from its key=value lines (independent of the project loader under test).
std::unique_ptr<HullRecord> BundledDesign(const std::string& name);

// A bundled design generated from program start with the default goals, its
// console discarded; whatever the run shows goes to the caller's UiServices.
std::unique_ptr<HullRecord> GeneratedBundledDesign(const std::string& name);

// The bundled design generated once for the whole test program and kept,
// for tests that only read it; the generator state is reset afterwards.
const HullRecord& SharedGeneratedDesign(const std::string& name);

// A fresh hull record with the parameters given as key=value words separated
// by blanks or line ends, in any order.
std::unique_ptr<HullRecord> DesignFromText(const std::string& keyValues);

// The preferences' default goals: 0.001 m, 0.1 %, 0.01.
void SetDefaultGoals(HullRecord& hull);

}  // namespace sloopform::test
