#pragma once
#include <string>

#include "export/HullMesh.h"
#include "model/HullRecord.h"

namespace sloopform {

constexpr long double kMetresPerMillimetre = 0.001L;

// The mesh as binary STL: an 80-byte header, the triangle count, and per
// triangle its unit normal and three corners as little-endian 32-bit floats
// in metres, the corners anticlockwise seen from outside.
std::string StlBytes(const TriangleMesh& mesh);

// Writes the bytes beside the target, which they replace only when all are
// written; throws ExportFileError naming the file otherwise.
void WriteStlFile(const TriangleMesh& mesh, const std::string& fileName);

// The export menu command: refuses with "No Data Available, Run Generator"
// unless the hull is generated, otherwise asks for a file name and writes the
// canoe body's mesh with the chord deviation. A failure is shown in the error
// dialog and leaves no file behind.
void ExportHullStl(const HullRecord& hull, long double toleranceMm = kDefaultMeshToleranceMm,
                   const std::string& designFile = {});

}  // namespace sloopform
