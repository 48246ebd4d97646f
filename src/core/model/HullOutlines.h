#pragma once
#include "model/HullRecord.h"
#include "numeric/BSpline.h"

namespace sloopform {

// The hull outlines as straight segments, shared by the lines plan and the DXF
// export: they differ only in how finely the curves are sampled.
enum class OutlineDetail { Screen, Dxf };

// x of station s as the drawing and the exports compute it: Fovh + (Lwl * s) * 0.05.
long double StationPosition(const HullRecord& hull, int s);

// A copy with the half-breadths of the first `count` points negated: the other side.
TPointBlock3 MirroredY(const TPointBlock3& points, int count);

// The 23-point profile in the centre plane.
void EmitProfile(const HullRecord& hull, LineSink& sink, OutlineDetail detail);
// The sheer and its mirror image.
void EmitSheerline(const HullRecord& hull, LineSink& sink, OutlineDetail detail);
// Straight segments between the stations at the design waterline, through the
// half-beams the generated sections reach, on both sides: the DXF's waterline.
void EmitWaterlineSegments(const HullRecord& hull, LineSink& sink);
// The transom outline, its mirror image and the line that closes it across
// the centre plane at the sheer.
void EmitTransom(const HullRecord& hull, LineSink& sink, OutlineDetail detail);

}  // namespace sloopform
