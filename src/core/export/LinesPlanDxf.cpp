#include "export/LinesPlanDxf.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "analysis/Offsets.h"
#include "export/ChosenFileExport.h"
#include "export/DxfDrawing.h"
#include "analysis/HullSurfaceNet.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"
#include "numeric/NumberText.h"
#include "views/LevelLines.h"
#include "views/LinesPlan.h"

namespace sloopform {

namespace {

// Text heights and clearances as shares of Loa.
constexpr long double kTextHeight = 0.008L;
constexpr long double kLabelClearance = 0.02L;
constexpr int kDiagonals = 3;
// The colours of the layers, AutoCAD colour indices, in kLinesPlanLayers' order.
constexpr int kLayerColors[] = {7, 7, 5, 3, 1, 6, 4, 7, 8, 7};

struct SpacePoint {
    long double x, y, z;
    bool operator==(const SpacePoint& o) const { return x == o.x && y == o.y && z == o.z; }
};
using Chain = std::vector<SpacePoint>;

// The starboard half of the segments a level line is traced in, joined into
// the chains it breaks into where it leaves the hull. On the centre plane
// the port copy is the same segment again and is dropped.
class StarboardChains : public LineSink {
public:
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        if (y1 < 0 || y2 < 0) return;
        const SpacePoint a{x1, y1, z1}, b{x2, y2, z2};
        if (!chains_.empty() && chains_.back().size() >= 2 && chains_.back().back() == b &&
            chains_.back()[chains_.back().size() - 2] == a)
            return;
        if (chains_.empty() || !(chains_.back().back() == a)) chains_.push_back({a});
        chains_.back().push_back(b);
    }
    const std::vector<Chain>& Chains() const { return chains_; }

private:
    std::vector<Chain> chains_;
};

// Where the views lie in the drawing (metres, y up), as the lines plan window
// places them: the profile with the stern to the left, the half-breadths below
// the plan's centre line and the developed diagonals above it (which may
// reach further than the half-breadths), the body plan right of the profile
// on the same base line.
class PlanViews {
public:
    PlanViews(const HullRecord& hull, long double diagonalReach)
        : loa_(hull.Loa), halfBeam_(hull.BMax / 2), layout_(MeasureLinesPlan(hull)),
          baseLine_(halfBeam_ + std::max(halfBeam_, diagonalReach) + layout_.Margin)
    {
    }
    DrawingPoint Profile(long double x, long double z) const { return {loa_ - x, BaseLine() + z}; }
    DrawingPoint Plan(long double x, long double y) const { return {loa_ - x, halfBeam_ - y}; }
    DrawingPoint Developed(long double x, long double t) const { return {loa_ - x, halfBeam_ + t}; }
    DrawingPoint Body(long double y, long double z) const
    {
        return {loa_ + layout_.Margin + halfBeam_ + y, BaseLine() + z};
    }
    long double Loa() const { return loa_; }
    long double HalfBeam() const { return halfBeam_; }
    long double Height() const { return layout_.TotalHeight; }
    long double TextHeight() const { return kTextHeight * loa_; }
    long double Clearance() const { return kLabelClearance * loa_; }

private:
    long double BaseLine() const { return baseLine_; }
    long double loa_;
    long double halfBeam_;
    LinesPlanLayout layout_;
    long double baseLine_;
};

std::vector<Chain> TracedLine(const std::function<void(LineSink&)>& emit)
{
    StarboardChains chains;
    emit(chains);
    return chains.Chains();
}

// A diagonal's distance from its origin on the centre line.
long double AlongDiagonal(const TDiagonal& diagonal, const SpacePoint& p)
{
    return std::hypot(p.y - diagonal.Y0, p.z - diagonal.Z0);
}

class LinesPlanDrawing {
public:
    explicit LinesPlanDrawing(const HullRecord& hull)
        : hull_(hull), diagonals_(TraceDiagonals()), views_(hull, DiagonalReach())
    {
        for (std::size_t i = 0; i < std::size(kLinesPlanLayers); ++i)
            drawing_.AddLayer(kLinesPlanLayers[i], kLayerColors[i]);
    }

    void Draw()
    {
        Grid();
        Profile();
        Sheer();
        Transom();
        Stations();
        DesignWaterline();
        const OffsetLevels levels = DefaultOffsetLevels(hull_);
        for (const long double z : levels.Waterlines)
            if (z != static_cast<long double>(hull_.Tc)) Waterline(z);
        for (const long double y : levels.Buttocks) Buttock(y);
        for (int d = 1; d <= kDiagonals; ++d) Diagonal(d);
    }
    const DxfDrawing& Drawing() const { return drawing_; }

private:
    // A hull curve in one view: the projection of a B-spline is the B-spline
    // of the projected control points.
    template <typename Project>
    void Spline(const char* layer, const TPointBlock3& points, int count, int order, Project project)
    {
        std::vector<DrawingPoint> projected;
        for (int i = 1; i <= count; ++i) projected.push_back(project(points[i]));
        drawing_.Spline(layer, order, projected);
    }
    template <typename Project>
    void Polyline(const char* layer, const Chain& chain, Project project)
    {
        std::vector<DrawingPoint> projected;
        for (const SpacePoint& p : chain) projected.push_back(project(p));
        drawing_.Polyline(layer, projected);
    }
    void Label(DrawingPoint at, const std::string& text, TextAnchor anchor)
    {
        drawing_.Text("Text", at, views_.TextHeight(), text, anchor);
    }

    void Grid()
    {
        const long double loa = views_.Loa(), b = views_.HalfBeam();
        drawing_.Line("Grid", views_.Profile(0, 0), views_.Profile(loa, 0));
        drawing_.Line("Grid", views_.Plan(0, 0), views_.Plan(loa, 0));
        drawing_.Line("Grid", views_.Body(-b, 0), views_.Body(b, 0));
        drawing_.Line("Grid", views_.Body(0, 0), views_.Body(0, views_.Height()));
        const long double c = views_.Clearance();
        Label(views_.Profile(loa + c, 0), "BL", TextAnchor::Right);
        Label(views_.Body(-b - c, 0), "BL", TextAnchor::Right);
        Label(views_.Profile(loa / 2, views_.Height() + c), "Profile", TextAnchor::Centre);
        Label(views_.Plan(loa / 2, b + c), "Plan", TextAnchor::Centre);
        Label(views_.Body(0, views_.Height() + c), "Body Plan", TextAnchor::Centre);
    }

    void Profile()
    {
        TPointBlock3 points;
        for (int i = 1; i <= kProfilePointCount; ++i)
            points[i] = {hull_.ProfilePoints[i].x, 0, hull_.ProfilePoints[i].y};
        Spline("Profile", points, kProfilePointCount, kCubic,
               [&](const TPoint3r& p) { return views_.Profile(p.x, p.z); });
    }

    // A curve in space in all three views, the body plan on both halves.
    void InEveryView(const char* layer, const TPointBlock3& points, int count, int order)
    {
        Spline(layer, points, count, order, [&](const TPoint3r& p) { return views_.Profile(p.x, p.z); });
        Spline(layer, points, count, order, [&](const TPoint3r& p) { return views_.Plan(p.x, p.y); });
        for (const long double side : {1.0L, -1.0L})
            Spline(layer, points, count, order, [&](const TPoint3r& p) { return views_.Body(side * p.y, p.z); });
    }

    void Sheer() { InEveryView("Sheer", hull_.SheerPoints, hull_.SheerPointCount, hull_.SheerOrder); }

    void Transom()
    {
        InEveryView("Transom", hull_.TransomPoints, kTransomPointCount, kCubic);
        const TPoint3r& top = hull_.TransomPoints[kTransomPointCount];
        drawing_.Line("Transom", views_.Body(-top.y, top.z), views_.Body(top.y, top.z));
    }

    // The sections in the body plan, the forward ones on its right half and
    // the aft ones on its left; straight lines in the profile and the plan.
    void Stations()
    {
        for (int s = 0; s <= kLastStation; ++s) {
            const long double x = StationPosition(hull_, s);
            const TPointBlock2 outline = StationOutline(hull_, s);
            TPointBlock3 section;
            for (int i = 1; i <= kStationOutlinePoints; ++i) section[i] = {x, outline[i].x, outline[i].y};
            for (const long double side : {1.0L, -1.0L})
                if (side > 0 ? s <= kMidshipStation : s >= kMidshipStation)
                    Spline("Stations", section, kStationOutlinePoints, kCubic,
                           [&](const TPoint3r& p) { return views_.Body(side * p.y, p.z); });
            const TPoint3r& keel = section[1];
            const TPoint3r& sheer = section[kStationOutlinePoints];
            drawing_.Line("Stations", views_.Profile(x, keel.z), views_.Profile(x, sheer.z));
            drawing_.Line("Stations", views_.Plan(x, 0), views_.Plan(x, sheer.y));
            Label(views_.Profile(x, -views_.Clearance()), std::to_string(s), TextAnchor::Centre);
        }
    }

    std::vector<std::vector<Chain>> TraceDiagonals() const
    {
        std::vector<std::vector<Chain>> diagonals;
        for (int d = 1; d <= kDiagonals; ++d)
            diagonals.push_back(TracedLine([&](LineSink& sink) { EmitDiagonal(hull_, d, sink); }));
        return diagonals;
    }
    long double DiagonalReach(int d) const
    {
        long double reach = 0;
        for (const Chain& chain : diagonals_[static_cast<std::size_t>(d - 1)])
            for (const SpacePoint& p : chain) reach = std::max(reach, AlongDiagonal(hull_.Diagonals[d], p));
        return reach;
    }
    long double DiagonalReach() const
    {
        long double reach = 0;
        for (int d = 1; d <= kDiagonals; ++d) reach = std::max(reach, DiagonalReach(d));
        return reach;
    }

    // A level line: traced in one view, straight at its level in the two
    // others, as far as the hull reaches.
    void DesignWaterline()
    {
        const long double tc = hull_.Tc, loa = views_.Loa(), b = views_.HalfBeam();
        for (const Chain& chain : TracedLine([&](LineSink& sink) { EmitWaterlines(hull_, {tc}, sink); }))
            Polyline("DWL", chain, [&](const SpacePoint& p) { return views_.Plan(p.x, p.y); });
        drawing_.Line("DWL", views_.Profile(0, tc), views_.Profile(loa, tc));
        drawing_.Line("DWL", views_.Body(-b, tc), views_.Body(b, tc));
        Label(views_.Profile(loa + views_.Clearance(), tc), "DWL", TextAnchor::Right);
        Label(views_.Body(-b - views_.Clearance(), tc), "DWL", TextAnchor::Right);
    }

    void Waterline(long double z)
    {
        const std::vector<Chain> traced = TracedLine([&](LineSink& sink) { EmitWaterlines(hull_, {z}, sink); });
        long double aft = 0, fore = views_.Loa(), widest = 0;
        for (const Chain& chain : traced) {
            Polyline("Waterlines", chain, [&](const SpacePoint& p) { return views_.Plan(p.x, p.y); });
            for (const SpacePoint& p : chain) {
                aft = std::max(aft, p.x);
                fore = std::min(fore, p.x);
                widest = std::max(widest, p.y);
            }
        }
        if (traced.empty()) return;
        drawing_.Line("Waterlines", views_.Profile(fore, z), views_.Profile(aft, z));
        drawing_.Line("Waterlines", views_.Body(-widest, z), views_.Body(widest, z));
        Label(views_.Body(widest + views_.Clearance(), z), "WL " + FormatFixed(z, 3), TextAnchor::Left);
    }

    void Buttock(long double y)
    {
        const std::vector<Chain> traced = TracedLine([&](LineSink& sink) { EmitButtocks(hull_, {y}, sink); });
        long double aft = 0, fore = views_.Loa(), low = views_.Height(), high = 0;
        for (const Chain& chain : traced) {
            Polyline("Buttocks", chain, [&](const SpacePoint& p) { return views_.Profile(p.x, p.z); });
            for (const SpacePoint& p : chain) {
                aft = std::max(aft, p.x);
                fore = std::min(fore, p.x);
                low = std::min(low, p.z);
                high = std::max(high, p.z);
            }
        }
        if (traced.empty()) return;
        drawing_.Line("Buttocks", views_.Plan(fore, y), views_.Plan(aft, y));
        for (const long double side : {1.0L, -1.0L})
            drawing_.Line("Buttocks", views_.Body(side * y, low), views_.Body(side * y, high));
        Label(views_.Plan(fore - views_.Clearance(), y), "BT " + FormatFixed(y, 3), TextAnchor::Left);
    }

    // A diagonal: straight in the body plan, developed in the plan (the
    // distance along it from the centre line, against x).
    void Diagonal(int d)
    {
        const TDiagonal& diagonal = hull_.Diagonals[d];
        const long double length =
            std::hypot(static_cast<long double>(diagonal.DY), static_cast<long double>(diagonal.DZ));
        const std::vector<Chain>& traced = diagonals_[static_cast<std::size_t>(d - 1)];
        if (traced.empty() || length == 0) return;
        for (const Chain& chain : traced)
            Polyline("Diagonals", chain,
                     [&](const SpacePoint& p) { return views_.Developed(p.x, AlongDiagonal(diagonal, p)); });
        const long double reach = DiagonalReach(d);
        const long double y0 = diagonal.Y0, z0 = diagonal.Z0;
        const long double y1 = y0 + reach * diagonal.DY / length, z1 = z0 + reach * diagonal.DZ / length;
        for (const long double side : {1.0L, -1.0L})
            drawing_.Line("Diagonals", views_.Body(side * y0, z0), views_.Body(side * y1, z1));
        const std::string name = "D" + std::to_string(d);
        Label(views_.Body(y1 + views_.Clearance(), z1), name, TextAnchor::Left);
        Label(views_.Developed(-views_.Clearance(), reach), name, TextAnchor::Left);
    }

    const HullRecord& hull_;
    std::vector<std::vector<Chain>> diagonals_;  // each diagonal's starboard chains
    PlanViews views_;
    DxfDrawing drawing_;
};

}  // namespace

void WriteLinesPlanDxf(const HullRecord& hull, ExportTarget& target)
{
    if (!HullReadyForCad(hull)) throw std::runtime_error(kNoHullMessage);
    LinesPlanDrawing plan(hull);
    plan.Draw();
    plan.Drawing().Write(target);
}

void WriteLinesPlanDxf(const HullRecord& hull, const std::string& fileName)
{
    if (!HullReadyForCad(hull)) throw std::runtime_error(kNoHullMessage);
    ExportTextFile file(fileName);
    WriteLinesPlanDxf(hull, file);
}

void ExportLinesPlanDxf(const HullRecord& hull, const std::string& designFile)
{
    if (!HullReadyForCad(hull)) {
        Ui().ShowMessage(kNoHullMessage, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    FileDialogRequest request;
    request.title = "Export Lines Plan to DXF";
    request.filter = "AutoCAD (*.dxf)|*.dxf|All files (*.*)|*.*";
    request.defaultExtension = "dxf";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    ExportToChosenFile(request, [&](const std::string& fileName) { WriteLinesPlanDxf(hull, fileName); });
}

}  // namespace sloopform
