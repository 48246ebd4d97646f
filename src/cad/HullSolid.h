#pragma once
#include <string>
#include <vector>

#include <TopoDS_Face.hxx>
#include <TopoDS_Solid.hxx>

#include "model/HullRecord.h"

namespace sloopform::cad {

struct NamedFace {
    TopoDS_Face Face;
    std::string Name;  // "Hull", "Transom" or "Deck"
};

// The canoe body as one closed solid in the coordinates of the DXF export
// (metres): the starboard hull surface and its mirror image, the flat transom
// and the deck laid level across between the two sheers (the sheer is not a
// plane curve pair, so no flat deck closes it). The hull and the deck are one
// face per span of the surface net.
struct HullSolid {
    TopoDS_Solid Solid;
    std::vector<NamedFace> Faces;  // the solid's faces
};

// Throws std::runtime_error when the hull is not generated or its faces do
// not close into a valid solid, saying which.
HullSolid BuildHullSolid(const HullRecord& hull);

}  // namespace sloopform::cad
