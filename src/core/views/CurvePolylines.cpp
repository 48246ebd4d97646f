#include "views/CurvePolylines.h"

namespace sloopform {

namespace {

struct SpacePoint {
    long double x, y, z;
    bool operator==(const SpacePoint& o) const { return x == o.x && y == o.y && z == o.z; }
};

class Recorder : public LineSink {
public:
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        const SpacePoint a{x1, y1, z1}, b{x2, y2, z2};
        if (a.y < 0 || b.y < 0) return;
        for (std::vector<SpacePoint>& line : lines_)
            if (line.back() == a) {
                line.push_back(b);
                return;
            }
        lines_.push_back({a, b});
    }
    const std::vector<std::vector<SpacePoint>>& Lines() const { return lines_; }

private:
    std::vector<std::vector<SpacePoint>> lines_;
};

ViewPoint Seen(const SpacePoint& p, ViewPlane plane)
{
    switch (plane) {
    case ViewPlane::Profile: return {p.x, p.z};
    case ViewPlane::Plan: return {p.x, p.y};
    case ViewPlane::BodyPlan: break;
    }
    return {p.y, p.z};
}

}  // namespace

std::vector<ViewPolyline> RecordedPolylines(const std::function<void(LineSink&)>& emit, ViewPlane plane)
{
    Recorder recorder;
    emit(recorder);
    std::vector<ViewPolyline> polylines;
    for (const auto& line : recorder.Lines()) {
        ViewPolyline seen;
        for (const SpacePoint& p : line) seen.push_back(Seen(p, plane));
        polylines.push_back(seen);
    }
    return polylines;
}

}  // namespace sloopform
