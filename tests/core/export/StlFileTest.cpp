#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "analysis/ExactHydrostatics.h"
#include "export/ExportTextFile.h"
#include "export/StlFile.h"
#include "export/ChosenFileExport.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

constexpr long double kMillimetre = 0.001L;
constexpr double kVolumeShare = 0.001;  // 0.1 %

using Corner = std::array<float, 3>;
using Facet = std::array<Corner, 3>;

// The triangles of a binary STL file as a reader sees them, the declared
// count checked against the length.
std::vector<Facet> ReadStl(const std::string& bytes)
{
    std::vector<Facet> facets;
    if (bytes.size() < 84) {
        ADD_FAILURE() << "no STL header";
        return facets;
    }
    std::uint32_t count;
    std::memcpy(&count, bytes.data() + 80, 4);
    EXPECT_EQ(bytes.size(), 84 + 50 * static_cast<std::size_t>(count));
    for (std::size_t t = 0; t < count && 84 + 50 * (t + 1) <= bytes.size(); ++t) {
        Facet facet;
        std::memcpy(facet.data(), bytes.data() + 84 + 50 * t + 12, sizeof facet);
        facets.push_back(facet);
    }
    return facets;
}

// Every edge of the file, its corners merged by value as a mesher does:
// how often it is run through in each direction.
std::map<std::pair<Corner, Corner>, int> DirectedEdges(const std::vector<Facet>& facets)
{
    std::map<std::pair<Corner, Corner>, int> edges;
    for (const Facet& f : facets)
        for (int i = 0; i < 3; ++i) ++edges[{f[static_cast<std::size_t>(i)], f[static_cast<std::size_t>((i + 1) % 3)]}];
    return edges;
}

// The volume the closed surface encloses below z = level: each triangle cut
// at the level, and what is below it projected onto the level (the cap on
// the level itself adds nothing measured from it).
double VolumeBelow(const std::vector<Facet>& facets, double level)
{
    double volume = 0;
    for (const Facet& f : facets) {
        std::vector<std::array<double, 3>> below;
        for (std::size_t i = 0; i < 3; ++i) {
            const Corner& a = f[i];
            const Corner& b = f[(i + 1) % 3];
            const double da = a[2] - level, db = b[2] - level;
            if (da <= 0) below.push_back({a[0], a[1], a[2]});
            if ((da < 0) != (db < 0) && da != db) {
                const double s = da / (da - db);
                below.push_back({a[0] + s * (b[0] - a[0]), a[1] + s * (b[1] - a[1]), level});
            }
        }
        // The polygon below the level as a fan; each piece contributes its
        // projected (signed) area times its mean depth below the level.
        for (std::size_t i = 1; i + 1 < below.size(); ++i) {
            const auto& p = below[0];
            const auto& q = below[i];
            const auto& r = below[i + 1];
            const double projected = ((q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])) / 2;
            volume += projected * ((p[2] + q[2] + r[2]) / 3 - level);
        }
    }
    return volume;
}

}  // namespace

TEST(StlFile, TheCanoeBodyIsClosedOutwardAndHoldsTheExactVolume)
{
    for (const std::string& name : BundledDesignNames()) {
        SCOPED_TRACE(name);
        const HullRecord& hull = SharedGeneratedDesign(name);
        const std::vector<Facet> facets =
            ReadStl(StlBytes(BuildHullMesh(hull, kDefaultMeshToleranceMm * kMillimetre)));
        ASSERT_FALSE(facets.empty());

        // Every edge shared by two triangles that run through it in opposite
        // directions, and none shrunk to a point.
        const auto edges = DirectedEdges(facets);
        int unpaired = 0, degenerate = 0;
        for (const auto& [edge, count] : edges) {
            unpaired += count != 1 || edges.count({edge.second, edge.first}) == 0;
            degenerate += edge.first == edge.second;
        }
        EXPECT_EQ(unpaired, 0);
        EXPECT_EQ(degenerate, 0);

        // Outward: the enclosed volume is positive, and below the design
        // waterline it is the exact hydrostatics' volume.
        const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
        EXPECT_GT(VolumeBelow(facets, 100), exact.Volume);
        EXPECT_NEAR(VolumeBelow(facets, static_cast<double>(hull.Tc)), static_cast<double>(exact.Volume),
                    kVolumeShare * exact.Volume);
    }
}

TEST(StlFile, AFinerToleranceMakesMoreTrianglesAndACloserVolume)
{
    const HullRecord& hull = SharedGeneratedDesign("cruiser-10m");
    const double exact = static_cast<double>(ComputeExactHydrostatics(hull).Volume);
    const double level = static_cast<double>(hull.Tc);
    const TriangleMesh coarse = BuildHullMesh(hull, 5 * kMillimetre);
    const TriangleMesh fine = BuildHullMesh(hull, 0.1L * kMillimetre);
    EXPECT_LT(coarse.Triangles.size() * 10, fine.Triangles.size());
    const double coarseError = std::abs(VolumeBelow(ReadStl(StlBytes(coarse)), level) - exact);
    const double fineError = std::abs(VolumeBelow(ReadStl(StlBytes(fine)), level) - exact);
    EXPECT_LT(fineError, coarseError / 4);

    for (const long double bad : {0.0L, -1.0L})
        EXPECT_THROW(BuildHullMesh(hull, bad), std::invalid_argument);
}

TEST(StlFile, TheExportAsksForAFileAndKeepsThePreviousOneOnFailure)
{
    // Generated before the recorder is installed: a first generation answers
    // its own dialogs.
    const HullRecord& hull = SharedGeneratedDesign("daysailer-6m");
    TempDir dir;
    RecordingUi ui;
    auto empty = BundledDesign("cruiser-10m");
    ExportHullStl(*empty);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
    EXPECT_TRUE(ui.saveRequests.empty());

    const auto path = dir / "hull.stl";
    ui.saveAnswers.push_back(path.string());
    ExportHullStl(hull, kDefaultMeshToleranceMm, "/boats/cruiser-10m.sfp");
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, "stl");
    EXPECT_EQ(ui.saveRequests[0].fileName, SuggestedExportName("/boats/cruiser-10m.sfp", "stl"));
    EXPECT_EQ(ReadFileBytes(path), StlBytes(BuildHullMesh(hull, kDefaultMeshToleranceMm * kMillimetre)));
    EXPECT_EQ(ReadFileBytes(path).substr(0, 5), "Sloop");  // not "solid": that opens an ASCII file

    // A folder where the file should go, and a missing folder: refused, and
    // nothing else in the folder.
    const auto folder = dir / "taken.stl";
    std::filesystem::create_directory(folder);
    const TriangleMesh mesh = BuildHullMesh(hull, 5 * kMillimetre);
    EXPECT_THROW(WriteStlFile(mesh, folder.string()), ExportFileError);
    EXPECT_THROW(WriteStlFile(mesh, (dir / "missing" / "hull.stl").string()), ExportFileError);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}
