#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

#include <BRepAlgoAPI_Common.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeHalfSpace.hxx>
#include <BRep_Tool.hxx>
#include <GProp_GProps.hxx>
#include <GeomAdaptor_Surface.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Precision.hxx>
#include <IGESControl_Reader.hxx>
#include <ShapeAnalysis_FreeBounds.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <gp_Pln.hxx>

#include "BundledDesigns.h"
#include "StepDesigns.h"
#include "CadExport.h"
#include "HullSolid.h"
#include "analysis/HullSurfaceNet.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/ExtendedBSpline.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"

using namespace sloopform;
using namespace sloopform::cad;
using test::Design;
using test::Designs;

namespace {

constexpr double kOnSurface = 1e-4;          // m: 0.1 mm
constexpr double kVolumeShare = 0.002;       // 0.2 %
constexpr double kLcbPoints = 0.05;          // per cent of Lwl
constexpr double kAreaShare = 0.002;         // 0.2 %
// OpenCASCADE's default integration precision is off by per cents on lofted
// B-spline faces; this one is well below the tolerances above.
constexpr double kIntegrationPrecision = 1e-7;

int Count(const TopoDS_Shape& shape, TopAbs_ShapeEnum type)
{
    int n = 0;
    for (TopExp_Explorer it(shape, type); it.More(); it.Next()) ++n;
    return n;
}

double Area(const TopoDS_Shape& shape)
{
    GProp_GProps props;
    BRepGProp::SurfaceProperties(shape, props, kIntegrationPrecision);
    return props.Mass();
}

// The hull faces of both sides covering the length parameter u: the B-spline
// faces cubic across whose span holds it.
std::vector<TopoDS_Face> HullFacesAt(const TopoDS_Shape& shape, double u)
{
    std::vector<TopoDS_Face> faces;
    for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) {
        const TopoDS_Face& face = TopoDS::Face(it.Current());
        const auto surface = Handle(Geom_BSplineSurface)::DownCast(BRep_Tool::Surface(face));
        if (surface && surface->VDegree() == 3 && surface->UKnot(1) <= u &&
            u <= surface->UKnot(surface->NbUKnots()))
            faces.push_back(face);
    }
    return faces;
}

// The solid below the design waterline.
TopoDS_Shape ImmersedPart(const TopoDS_Shape& solid, double tc)
{
    const TopoDS_Face waterplane = BRepBuilderAPI_MakeFace(gp_Pln(gp_Pnt(0, 0, tc), gp_Dir(0, 0, 1))).Face();
    const TopoDS_Solid below = BRepPrimAPI_MakeHalfSpace(waterplane, gp_Pnt(0, 0, tc - 1)).Solid();
    BRepAlgoAPI_Common cut(solid, below);
    EXPECT_TRUE(cut.IsDone());
    return cut.Shape();
}

// How many entities of each type an IGES file's directory holds: the type
// opens the first of each entity's two 'D' lines.
std::map<int, int> IgesEntityCounts(const std::string& text)
{
    std::map<int, int> counts;
    std::istringstream lines(text);
    bool first = true;
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < 73 || line[72] != 'D') continue;
        if (first) ++counts[std::stoi(line.substr(0, 8))];
        first = !first;
    }
    return counts;
}

bool OnPlaneZ(const TopoDS_Face& face, double z)
{
    GeomAdaptor_Surface surface(BRep_Tool::Surface(face));
    return surface.GetType() == GeomAbs_Plane &&
           std::fabs(surface.Plane().Axis().Direction().Z()) > 1 - 1e-12 &&
           std::fabs(surface.Plane().Location().Z() - z) < 1e-9;
}

}  // namespace

TEST(HullSolid, StepFileReadsBackAsOneValidClosedSolidWithNamedFaces)
{
    for (const auto& [name, design] : Designs()) {
        SCOPED_TRACE(name);
        const TopoDS_Shape& shape = design->stepShape;
        ASSERT_EQ(Count(shape, TopAbs_SOLID), 1);
        EXPECT_TRUE(BRepCheck_Analyzer(shape).IsValid());
        ShapeAnalysis_FreeBounds bounds(shape);
        EXPECT_EQ(Count(bounds.GetClosedWires(), TopAbs_EDGE), 0);
        EXPECT_EQ(Count(bounds.GetOpenWires(), TopAbs_EDGE), 0);
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props, kIntegrationPrecision);
        EXPECT_GT(props.Mass(), design->exact.Volume);  // the topsides add to the canoe body

        // Both sides, the transom and the deck, each named.
        const std::string text = test::ReadFileBytes(design->dir / "hull.step");
        EXPECT_NE(text.find("FILE_SCHEMA(('AUTOMOTIVE_DESIGN"), std::string::npos);
        for (const char* face : {"ADVANCED_FACE('Hull'", "ADVANCED_FACE('Transom'",
                                 "ADVANCED_FACE('Deck'"})
            EXPECT_NE(text.find(face), std::string::npos) << face;
        // Hull and deck one face per span, and the transom.
        EXPECT_EQ(Count(shape, TopAbs_FACE), 3 * BuildHullSurfaceNet(*design->hull).Spans() + 1);
    }
}

TEST(HullSolid, EveryStationCurveLiesOnTheSurface)
{
    constexpr int kPointsPerSpan = 8;
    for (const auto& [name, design] : Designs()) {
        SCOPED_TRACE(name);
        const HullRecord& hull = *design->hull;
        double worst = 0;
        for (int s = 0; s <= kLastStation; ++s) {
            // The read-back hull faces on either side of the station: a point
            // search over one face misses the exact station line where station
            // 0 and 20 shrink into the keel.
            const std::vector<TopoDS_Face> near = HullFacesAt(design->stepShape, StationSpan(s));
            ASSERT_EQ(near.size(), 4u);
            const ExtendedBSpline curve(kStationOutlinePoints, kCubic, StationOutline(hull, s));
            const double x = static_cast<double>(StationPosition(hull, s));
            for (int i = 0; i <= curve.LastKnot() * kPointsPerSpan; ++i) {
                const CurvePoint p = curve.At(static_cast<long double>(i) / kPointsPerSpan);
                for (double side : {1.0, -1.0}) {
                    const gp_Pnt point(x, side * static_cast<double>(p.a), static_cast<double>(p.b));
                    double nearest = 1e9;
                    for (const TopoDS_Face& face : near) {
                        BRepExtrema_DistShapeShape distance(BRepBuilderAPI_MakeVertex(point).Vertex(), face);
                        ASSERT_TRUE(distance.IsDone());
                        nearest = std::min(nearest, distance.Value());
                    }
                    worst = std::max(worst, nearest);
                }
            }
        }
        EXPECT_LT(worst, kOnSurface);
    }
}

TEST(HullSolid, CutAtTheWaterlineMatchesTheExactHydrostatics)
{
    for (const auto& [name, design] : Designs()) {
        SCOPED_TRACE(name);
        const HullRecord& hull = *design->hull;
        const TopoDS_Shape body = ImmersedPart(design->stepShape, static_cast<double>(hull.Tc));
        const double tc = static_cast<double>(hull.Tc);

        GProp_GProps volume;
        BRepGProp::VolumeProperties(body, volume, kIntegrationPrecision);
        const ExactHydrostatics& exact = design->exact;
        EXPECT_NEAR(volume.Mass(), exact.Volume, kVolumeShare * exact.Volume);
        const double lcb = 100 * (volume.CentreOfMass().X() - StationPosition(hull, 0)) / hull.Lwl;
        EXPECT_NEAR(lcb, exact.LCB, kLcbPoints);

        double wetted = 0;
        for (TopExp_Explorer it(body, TopAbs_FACE); it.More(); it.Next()) {
            const TopoDS_Face& face = TopoDS::Face(it.Current());
            if (!OnPlaneZ(face, tc)) wetted += Area(face);
        }
        EXPECT_NEAR(wetted, exact.WettedSurface, kAreaShare * exact.WettedSurface);
    }
}

// What a reader measures with OpenCASCADE's default integration (FreeCAD's
// Volume, Area and CenterOfMass): the same as the exact hydrostatics below the
// waterline, and as the fine adaptive integration for the whole solid.
TEST(HullSolid, DefaultIntegrationMeasuresTheSolidAndItsImmersedPart)
{
    constexpr double kDefaultShare = 0.001;  // 0.1 %
    for (const auto& [name, design] : Designs()) {
        SCOPED_TRACE(name);
        const HullRecord& hull = *design->hull;
        const TopoDS_Shape body = ImmersedPart(design->stepShape, static_cast<double>(hull.Tc));
        GProp_GProps immersed;
        BRepGProp::VolumeProperties(body, immersed);
        const ExactHydrostatics& exact = design->exact;
        EXPECT_NEAR(immersed.Mass(), exact.Volume, kDefaultShare * exact.Volume);
        const double lcb = 100 * (immersed.CentreOfMass().X() - StationPosition(hull, 0)) / hull.Lwl;
        EXPECT_NEAR(lcb, exact.LCB, kDefaultShare * 100);
        EXPECT_NEAR(immersed.CentreOfMass().Z(), exact.VCB, kDefaultShare * hull.Tc);

        GProp_GProps coarse, fine, coarseArea, fineArea;
        BRepGProp::VolumeProperties(design->stepShape, coarse);
        BRepGProp::VolumeProperties(design->stepShape, fine, kIntegrationPrecision);
        BRepGProp::SurfaceProperties(design->stepShape, coarseArea);
        BRepGProp::SurfaceProperties(design->stepShape, fineArea, kIntegrationPrecision);
        EXPECT_NEAR(coarse.Mass(), fine.Mass(), kDefaultShare * fine.Mass());
        EXPECT_NEAR(coarseArea.Mass(), fineArea.Mass(), kDefaultShare * fineArea.Mass());
        EXPECT_LT(coarse.CentreOfMass().Distance(fine.CentreOfMass()), kDefaultShare * hull.Loa);
    }
}

TEST(HullSolid, IgesFileReadsBackWithTheSameSurfaces)
{
    for (const auto& [name, design] : Designs()) {
        SCOPED_TRACE(name);
        const auto path = design->dir / "hull.igs";
        WriteHullCad(*design->hull, CadFormat::Iges, path.string());
        IGESControl_Reader reader;
        ASSERT_EQ(reader.ReadFile(path.string().c_str()), IFSelect_RetDone);
        reader.TransferRoots();
        const TopoDS_Shape shape = reader.OneShape();

        std::vector<double> igesAreas, stepAreas;
        for (TopExp_Explorer it(shape, TopAbs_FACE); it.More(); it.Next()) {
            const TopoDS_Face& face = TopoDS::Face(it.Current());
            EXPECT_EQ(GeomAdaptor_Surface(BRep_Tool::Surface(face)).GetType(), GeomAbs_BSplineSurface);
            igesAreas.push_back(Area(face));
        }
        for (TopExp_Explorer it(design->stepShape, TopAbs_FACE); it.More(); it.Next())
            stepAreas.push_back(Area(it.Current()));
        std::sort(igesAreas.begin(), igesAreas.end());
        std::sort(stepAreas.begin(), stepAreas.end());
        ASSERT_EQ(igesAreas.size(), stepAreas.size());
        for (std::size_t i = 0; i < igesAreas.size(); ++i)
            EXPECT_NEAR(igesAreas[i], stepAreas[i], 1e-6 * stepAreas[i]) << i;

        // Metres and version 5.3 in the global section; four trimmed
        // surfaces, each over a B-spline surface (type 128), one per face.
        const std::string text = test::ReadFileBytes(path);
        EXPECT_NE(text.find(",6,1HM,"), std::string::npos);
        EXPECT_NE(text.find(",11,"), std::string::npos);
        const std::map<int, int> entities = IgesEntityCounts(text);
        const int faces = Count(design->stepShape, TopAbs_FACE);
        EXPECT_EQ(entities.at(144), faces);
        EXPECT_EQ(entities.at(128), faces);
        for (int plane : {108, 190}) EXPECT_EQ(entities.count(plane), 0u) << plane;
    }
}

TEST(HullSolid, AHullNotGeneratedExportsNothingAndSaysWhy)
{
    auto hull = test::BundledDesign("cruiser-10m");
    test::TempDir dir;
    const auto path = dir / "hull.step";
    try {
        WriteHullCad(*hull, CadFormat::Step, path.string());
        ADD_FAILURE() << "an empty hull was exported";
    } catch (const std::runtime_error& refusal) {
        EXPECT_STREQ(refusal.what(), "No Data Available, Run Generator");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    test::RecordingUi ui;
    ExportHullCad(*hull, CadFormat::Iges);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
    EXPECT_TRUE(ui.saveRequests.empty());
}

TEST(HullSolid, AHullWhoseDeckEndsBeforeItsWaterlineExportsNothingAndSaysWhy)
{
    // A transom raked 18.9 degrees forward from its foot: its top stands
    // forward of the last station, which ends on the transom's face.
    auto hull = test::DesignFromText(
        "Loa=10.696 Lwl=9.931 BMax=3.435 Bwl=3.011 BTransom=2.16 Tc=0.716 Fovh=0.46 FreeBow=1.513 "
        "FreeCenter=1.404 FreeAft=1.397 BPDA=9.352 BPLWLT=0.377 TransomAngle=18.946 Cp=0.587 Cm=0.703 "
        "Cwp=0.739 LCF=54.98 LCB=55.433 ApAngle=2.058");
    test::SetDefaultGoals(*hull);
    test::RecordingUi ui;
    ResetGeneratorState();
    TOutput console;
    RunGeneration(*hull, console, {}, GeneratorMethod::Robust);
    ResetGeneratorState();
    ASSERT_TRUE(HullReadyForCad(*hull));
    test::TempDir dir;
    for (const CadFormat format : {CadFormat::Step, CadFormat::Iges}) {
        try {
            WriteHullCad(*hull, format, (dir / "hull").string());
            ADD_FAILURE() << "the hull was exported";
        } catch (const std::runtime_error& refusal) {
            EXPECT_STREQ(refusal.what(), kDeckEndsForwardMessage);
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(HullSolid, AFailedWriteLeavesNoFileAndKeepsThePreviousOne)
{
    Design& design = *Designs().at("daysailer-6m");
    const auto missing = design.dir / "no such folder" / "hull.step";
    EXPECT_THROW(WriteHullCad(*design.hull, CadFormat::Step, missing.string()), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));

    // A folder where the file should go: refused, the folder left as it was.
    const auto folder = design.dir / "taken.igs";
    std::filesystem::create_directory(folder);
    EXPECT_THROW(WriteHullCad(*design.hull, CadFormat::Iges, folder.string()), std::runtime_error);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}
