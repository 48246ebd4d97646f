#pragma once
#include <array>
#include <vector>

#include "analysis/HullSurfaceNet.h"
#include "model/HullRecord.h"

namespace sloopform {

// A closed triangle mesh: every edge belongs to exactly two triangles, which
// run through it in opposite directions, and each triangle's corners turn
// anticlockwise seen from outside.
struct TriangleMesh {
    std::vector<NetPoint> Vertices;
    std::vector<std::array<int, 3>> Triangles;
};

// The default chord deviation of the mesh from the surfaces it stands for.
constexpr long double kDefaultMeshToleranceMm = 0.5L;

// The canoe body of the STEP export as triangles, in metres: both sides of
// the hull surface, the deck and the flat transom, with the corners on the
// surfaces and no chord further than `toleranceMetres` from them. Throws as
// BuildHullSurfaceNet does, and std::invalid_argument for a tolerance that
// is not positive.
TriangleMesh BuildHullMesh(const HullRecord& hull, long double toleranceMetres);

}  // namespace sloopform
