#pragma once
#include <map>
#include <memory>
#include <string>

#include <TopoDS_Shape.hxx>

#include "TestPaths.h"
#include "analysis/ExactHydrostatics.h"
#include "model/HullRecord.h"

namespace sloopform::test {

// A bundled design generated, its exact hydrostatics, and its STEP file as
// OpenCASCADE reads it back.
struct Design {
    std::unique_ptr<HullRecord> hull;
    ExactHydrostatics exact;
    TempDir dir;
    TopoDS_Shape stepShape;
};

// Each bundled design made once for all the tests of the program, by name.
std::map<std::string, std::unique_ptr<Design>>& Designs();

}  // namespace sloopform::test
