#include "analysis/HeeledImmersion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/CubicSignChanges.h"
#include "analysis/GaussLegendre.h"

namespace sloopform {

namespace {

// Gauss rules on 0 .. 1 in double precision. Six points integrate the side
// terms exactly: a normal of degree 5 in the section parameter times depth
// and lever, cubics each. Across the deck and the ends the terms are cubics
// in the straight line's parameter, which two points integrate exactly.
template <int N>
struct Rule {
    std::array<double, N> x{};
    std::array<double, N> w{};
    Rule()
    {
        const std::vector<QuadratureNode> nodes = GaussLegendre(N);
        for (std::size_t i = 0; i < N; ++i) {
            x[i] = static_cast<double>(nodes[i].x);
            w[i] = static_cast<double>(nodes[i].w);
        }
    }
};
const Rule<6>& SectionRule()
{
    static const Rule<6> rule;
    return rule;
}
const Rule<2>& LineRule()
{
    static const Rule<2> rule;
    return rule;
}

// The surface integrals, each of a term times Dot(Up, N) dA with N the
// outward normal, h the depth below the waterplane and a, l the levers along
// Across and Along.
struct SurfaceSums {
    double flux = 0, h = 0, hh = 0, ha = 0, hl = 0, l = 0, ll = 0;
};

class Integrator {
public:
    Integrator(const HeelFrame& frame, double level) : frame_(frame), level_(level) {}

    double Depth(Vector3 p) const { return level_ - Dot(frame_.Up, p); }

    // `normal` is the outward normal times the area it stands for.
    void Add(Vector3 p, Vector3 normal)
    {
        const double flux = Dot(frame_.Up, normal);
        const double h = Depth(p);
        const double a = Dot(frame_.Across, p);
        const double l = Dot(frame_.Along, p);
        sums_.flux += flux;
        sums_.h += h * flux;
        sums_.hh += h * h * flux;
        sums_.ha += h * a * flux;
        sums_.hl += h * l * flux;
        sums_.l += l * flux;
        sums_.ll += l * l * flux;
    }

    // The starboard side of the hull at one cut: each piece of the section
    // where it lies below the waterplane.
    void AddSide(const CanoeBody::Cut& cut)
    {
        const Rule<6>& rule = SectionRule();
        for (std::size_t m = 0; m < cut.Section.size(); ++m) {
            const Bezier3& section = cut.Section[m];
            const Bezier3& slope = cut.Slope[m];
            const PositiveParts wet = CubicPositiveParts(
                {Depth(section[0]), Depth(section[1]), Depth(section[2]), Depth(section[3])});
            for (int k = 0; k < wet.Count; ++k) {
                const auto [lo, hi] = wet.Part[static_cast<std::size_t>(k)];
                for (std::size_t i = 0; i < rule.x.size(); ++i) {
                    const double v = lo + (hi - lo) * rule.x[i];
                    // The outward normal of the starboard surface is S_v × S_u.
                    const Vector3 normal = Cross(BezierSlope(section, v), BezierPoint(slope, v));
                    Add(BezierPoint(section, v), (cut.Weight * rule.w[i] * (hi - lo)) * normal);
                }
            }
        }
    }

    // The deck at one cut: the straight line from the port sheer (s = -1) to
    // the starboard sheer (s = 1), where it lies below the waterplane.
    void AddDeck(const CanoeBody::Cut& cut)
    {
        const Vector3 sheer = cut.Section.back().back();
        const Vector3 slope = cut.Slope.back().back();
        AddAcross(sheer, cut.Weight * Vector3{-slope.z * sheer.y, 0, slope.x * sheer.y});
    }

    // An end face: the outline ruled straight across between the sides;
    // `outward` +1 at the aft end, -1 forward.
    void AddEnd(const SectionPieces& outline, double outward)
    {
        const Rule<6>& rule = SectionRule();
        for (const Bezier3& piece : outline) {
            const CubicOrdinates starboard = {Depth(piece[0]), Depth(piece[1]), Depth(piece[2]), Depth(piece[3])};
            const CubicOrdinates port = {Depth(Mirrored(piece[0])), Depth(Mirrored(piece[1])),
                                         Depth(Mirrored(piece[2])), Depth(Mirrored(piece[3]))};
            if (std::all_of(starboard.begin(), starboard.end(), [](double d) { return d <= 0; }) &&
                std::all_of(port.begin(), port.end(), [](double d) { return d <= 0; }))
                continue;
            // The face's depth is smooth between the places where the waterplane
            // crosses either outline.
            std::vector<double> ends = {0, 1};
            for (const CubicOrdinates& side : {starboard, port}) {
                const SignChanges changes = CubicSignChanges(side);
                ends.insert(ends.end(), changes.At.begin(), changes.At.begin() + changes.Count);
            }
            std::sort(ends.begin(), ends.end());
            for (std::size_t k = 1; k < ends.size(); ++k) {
                const double lo = ends[k - 1];
                const double hi = ends[k];
                for (std::size_t i = 0; i < rule.x.size() && hi > lo; ++i) {
                    const double v = lo + (hi - lo) * rule.x[i];
                    const Vector3 p = BezierPoint(piece, v);
                    const Vector3 tangent = BezierSlope(piece, v);
                    const Vector3 normal = {p.y * tangent.z, 0, -p.y * tangent.x};
                    AddAcross(p, (outward * rule.w[i] * (hi - lo)) * normal);
                }
            }
        }
    }

    ImmersedBody Result() const
    {
        ImmersedBody body;
        body.Volume = -sums_.h;
        body.AcrossMoment = -sums_.ha;
        body.AlongMoment = -sums_.hl;
        // Dot(Up, p) = level - h, and the integral of h is -hh / 2.
        body.UpMoment = level_ * body.Volume + sums_.hh / 2;
        body.WaterplaneArea = -sums_.flux;
        body.WaterplaneAlongMoment = -sums_.l;
        body.WaterplaneAlongInertia = -sums_.ll;
        return body;
    }

private:
    // A straight line from (x, -y, z) to (x, y, z), s from -1 to 1, whose
    // surface has the normal `normal` per unit of s, where it is wet.
    void AddAcross(Vector3 p, Vector3 normal)
    {
        const double middle = Depth({p.x, 0, p.z});
        const double perUnit = -frame_.Up.y * p.y;  // depth = middle + s perUnit
        double lo = -1, hi = 1;
        if (perUnit == 0) {
            if (middle <= 0) return;
        } else {
            const double dry = -middle / perUnit;
            if (perUnit > 0)
                lo = std::max(lo, dry);
            else
                hi = std::min(hi, dry);
        }
        if (hi <= lo) return;
        const Rule<2>& rule = LineRule();
        for (std::size_t i = 0; i < rule.x.size(); ++i) {
            const double s = lo + (hi - lo) * rule.x[i];
            Add({p.x, s * p.y, p.z}, (rule.w[i] * (hi - lo)) * normal);
        }
    }

    HeelFrame frame_;
    double level_;
    SurfaceSums sums_;
};

HeelFrame Mirrored(const HeelFrame& frame)
{
    return {sloopform::Mirrored(frame.Up), sloopform::Mirrored(frame.Across), sloopform::Mirrored(frame.Along)};
}

}  // namespace

HeelFrame FrameAt(double heel, double trim)
{
    const double sh = std::sin(heel), ch = std::cos(heel);
    const double st = std::sin(trim), ct = std::cos(trim);
    return {{-st, -sh * ct, ch * ct}, {0, ch, sh}, {ct, -sh * st, ch * st}};
}

ImmersedBody IntegrateImmersed(const CanoeBody& body, const HeelFrame& frame, double level)
{
    // The port side is the starboard side seen in the mirrored world: the same
    // integrals with the frame's directions mirrored.
    Integrator port(Mirrored(frame), level);
    Integrator rest(frame, level);
    for (const CanoeBody::Cut& cut : body.Cuts()) {
        rest.AddSide(cut);
        port.AddSide(cut);
        rest.AddDeck(cut);
    }
    rest.AddEnd(body.ForwardEnd(), -1);
    rest.AddEnd(body.AftEnd(), 1);
    const ImmersedBody a = rest.Result();
    const ImmersedBody b = port.Result();
    ImmersedBody sum;
    sum.Volume = a.Volume + b.Volume;
    sum.AcrossMoment = a.AcrossMoment + b.AcrossMoment;
    sum.AlongMoment = a.AlongMoment + b.AlongMoment;
    sum.UpMoment = a.UpMoment + b.UpMoment;
    sum.WaterplaneArea = a.WaterplaneArea + b.WaterplaneArea;
    sum.WaterplaneAlongMoment = a.WaterplaneAlongMoment + b.WaterplaneAlongMoment;
    sum.WaterplaneAlongInertia = a.WaterplaneAlongInertia + b.WaterplaneAlongInertia;
    return sum;
}

}  // namespace sloopform
