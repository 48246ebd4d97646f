#include <gtest/gtest.h>

#include <cmath>

#include "DxfEntities.h"
#include "ExportTestFiles.h"
#include "HandMadeHull.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "export/HullOutlineExport.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

constexpr long double kWritten = 0.0005L;  // three decimals in the file
constexpr std::size_t kDescribedDxfBytes = 748822;
constexpr std::uint64_t kDescribedDxfDigest = 15270129483426664389ull;

using StatusTexts = std::vector<std::pair<int, std::string>>;

const StatusTexts kAllParts = {{2, "Exporting Waterline"}, {2, "Exporting Profile"},
                               {2, "Exporting Sheerline"}, {2, "Exporting Transom"},
                               {2, "Exporting Stations"},  {2, ""}};

std::vector<DxfEntity> OnLayer(const std::vector<DxfEntity>& entities, const std::string& layer)
{
    std::vector<DxfEntity> found;
    for (const DxfEntity& entity : entities)
        if (entity.Layer() == layer) found.push_back(entity);
    return found;
}

void ExpectPoint(const DxfEntity& line, int first, long double x, long double y, long double z)
{
    EXPECT_NEAR(line.Real(first), x, kWritten);
    EXPECT_NEAR(line.Real(first + 10), y, kWritten);
    EXPECT_NEAR(line.Real(first + 20), z, kWritten);
}

std::vector<DxfEntity> ExportToFile(const HullRecord& hull, const std::filesystem::path& path)
{
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(hull);
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front().message;
    return ReadDxfEntities(path);
}

}  // namespace

TEST(HullOutlineExport, AsksForADxfFileAndACancelWritesNothing)
{
    TempDir dir;
    RecordingUi ui;
    ui.saveAnswers.push_back(std::nullopt);
    ExportHullOutlines(*HandMadeHull());

    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].title, "Export Hull Outlines to AutoCAD");
    EXPECT_EQ(ui.saveRequests[0].filter, "AutoCAD (*.dxf)|*.dxf|All files (*.*)|*.*");
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, "dxf");
    EXPECT_EQ(ui.saveRequests[0].fileName, "");
    EXPECT_EQ(ui.statusTexts, (StatusTexts{{2, ""}}));
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(HullOutlineExport, BeforeGenerationWritesOnlyHeaderAndTrailer)
{
    TempDir dir;
    RecordingUi ui;
    ui.saveAnswers.push_back((dir / "empty.dxf").string());
    ExportHullOutlines(*HullRecord::Create());

    EXPECT_EQ(ReadFileBytes(dir / "empty.dxf"),
              "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    EXPECT_EQ(ui.statusTexts, kAllParts);
    EXPECT_GE(ui.processMessagesCalls, 5);
    EXPECT_TRUE(ui.errors.empty());
}

TEST(HullOutlineExport, CompleteHullHasEveryPartOnItsLayerInOrder)
{
    TempDir dir;
    const auto entities = ExportToFile(*HandMadeHull(), dir / "hull.dxf");

    EXPECT_EQ(entities.size(), 5854u);
    const std::map<std::string, int> expected = {{"Waterline", 40}, {"Profile", 459},
                                                 {"Sheerline", 118}, {"Transom", 239},
                                                 {"Stations", 4998}};
    EXPECT_EQ(EntitiesPerLayer(entities), expected);

    const std::vector<std::string> order = {"Waterline", "Profile", "Sheerline", "Transom",
                                            "Stations"};
    std::size_t part = 0;
    for (const DxfEntity& entity : entities) {
        EXPECT_EQ(entity.type, "LINE");
        while (part < order.size() && entity.Layer() != order[part]) ++part;
        ASSERT_LT(part, order.size()) << "layer " << entity.Layer() << " out of order";
    }
}

TEST(HullOutlineExport, WaterlineJoinsTheAchievedHalfBeamsAtTheDesignWaterline)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto waterline = OnLayer(ExportToFile(*hull, dir / "hull.dxf"), "Waterline");
    ASSERT_EQ(waterline.size(), 40u);
    for (int s = 1; s <= 20; ++s) {
        const long double x0 = 0.5L + 0.45L * (s - 1), x1 = 0.5L + 0.45L * s;
        const long double b0 = hull->Stations[s - 1].WaterlineBeam / 2;
        const long double b1 = hull->Stations[s].WaterlineBeam / 2;
        const DxfEntity& side = waterline[2 * (s - 1)];
        const DxfEntity& mirror = waterline[2 * (s - 1) + 1];
        ExpectPoint(side, 10, x0, b0, 1.5L);
        ExpectPoint(side, 11, x1, b1, 1.5L);
        ExpectPoint(mirror, 10, x0, -b0, 1.5L);
        ExpectPoint(mirror, 11, x1, -b1, 1.5L);
    }
    // No negative zero at the ends, where the beam is 0.
    EXPECT_EQ(waterline[1].groups.at(20), "     0.000");
}

TEST(HullOutlineExport, ProfileLiesInTheCentrePlaneFromStemHeadToTransom)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto profile = OnLayer(ExportToFile(*hull, dir / "hull.dxf"), "Profile");
    ASSERT_EQ(profile.size(), 459u);
    for (const DxfEntity& line : profile) {
        EXPECT_EQ(line.groups.at(20), "     0.000");
        EXPECT_EQ(line.groups.at(21), "     0.000");
    }
    // Each segment runs from the current sample back to the previous one.
    ExpectPoint(profile.front(), 11, hull->ProfilePoints[1].x, 0, hull->ProfilePoints[1].y);
    ExpectPoint(profile.back(), 10, hull->ProfilePoints[23].x, 0, hull->ProfilePoints[23].y);
    for (std::size_t i = 1; i < profile.size(); ++i)
        EXPECT_EQ(profile[i].groups.at(11), profile[i - 1].groups.at(10));
}

TEST(HullOutlineExport, SheerAndTransomAreWrittenOnBothSidesAndTheTransomIsClosed)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto entities = ExportToFile(*hull, dir / "hull.dxf");

    const auto sheer = OnLayer(entities, "Sheerline");
    ASSERT_EQ(sheer.size(), 118u);
    for (std::size_t i = 0; i < 59; ++i) {
        EXPECT_GE(sheer[i].Real(20), 0.0L);
        EXPECT_EQ(sheer[i + 59].Real(20), -sheer[i].Real(20));
        EXPECT_EQ(sheer[i + 59].groups.at(10), sheer[i].groups.at(10));
    }

    const auto transom = OnLayer(entities, "Transom");
    ASSERT_EQ(transom.size(), 239u);
    const TPoint3r& corner = hull->TransomPoints[6];
    ExpectPoint(transom[118], 10, corner.x, corner.y, corner.z);
    ExpectPoint(transom[237], 10, corner.x, -corner.y, corner.z);
    ExpectPoint(transom.back(), 10, corner.x, -corner.y, corner.z);
    ExpectPoint(transom.back(), 11, corner.x, corner.y, corner.z);
}

TEST(HullOutlineExport, StationsLieInTheirPlanesFromKeelToSheerOnBothSides)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto stations = OnLayer(ExportToFile(*hull, dir / "hull.dxf"), "Stations");
    ASSERT_EQ(stations.size(), 4998u);
    for (int s = 0; s <= 20; ++s) {
        const TStation& station = hull->Stations[static_cast<std::size_t>(s)];
        const long double x = 0.5L + 0.45L * s;
        const auto first = stations.begin() + 238 * s;
        for (auto line = first; line != first + 238; ++line) {
            EXPECT_NEAR(line->Real(10), x, kWritten);
            EXPECT_EQ(line->groups.at(10), line->groups.at(11));
            const bool mirrored = line - first >= 119;
            EXPECT_TRUE(mirrored ? line->Real(20) <= 0 : line->Real(20) >= 0) << "station " << s;
        }
        ExpectPoint(first[0], 11, x, 0, station.KeelHeight);
        ExpectPoint(first[118], 10, x, station.SheerBeam / 2, station.SheerHeight);
        ExpectPoint(first[237], 10, x, -station.SheerBeam / 2, station.SheerHeight);
    }
}

TEST(HullOutlineExport, PartsWhoseFlagIsClearAreLeftOut)
{
    TempDir dir;
    auto hull = HandMadeHull();
    hull->ClearFlags();
    hull->ProfileDone = true;
    EXPECT_EQ(EntitiesPerLayer(ExportToFile(*hull, dir / "profile.dxf")),
              (std::map<std::string, int>{{"Profile", 459}}));

    hull->ClearFlags();
    hull->SheerDone = hull->TransomDone = true;
    EXPECT_EQ(EntitiesPerLayer(ExportToFile(*hull, dir / "cancelled.dxf")),
              (std::map<std::string, int>{{"Sheerline", 118}, {"Transom", 239}}));

    hull->ClearFlags();
    hull->HullComplete = true;
    EXPECT_EQ(EntitiesPerLayer(ExportToFile(*hull, dir / "stations.dxf")),
              (std::map<std::string, int>{{"Stations", 4998}, {"Waterline", 40}}));
}

TEST(HullOutlineExport, FileThatCannotBeCreatedIsReportedAndNothingIsWritten)
{
    TempDir dir;
    RecordingUi ui;
    const std::string path = (dir / "no such folder" / "hull.dxf").string();
    ui.saveAnswers.push_back(path);
    ExportHullOutlines(*HandMadeHull());

    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Cannot create file \"" + path + "\"");
    EXPECT_EQ(ui.errors[0].origin, "From Global Error Handler, i.e not local");
    EXPECT_EQ(ui.statusTexts, (StatusTexts{{2, ""}}));
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(HullOutlineExport, WriteErrorKeepsThePreviousFileAndClearsTheStatus)
{
    TempDir dir;
    const auto path = dir / "hull.dxf";
    WriteFileBytes(path, "previous drawing");
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    {
        FailingWrites failing(5000);
        ExportHullOutlines(*HandMadeHull());
    }
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Error writing file \"" + path.string() + "\"");
    // Line 5000 lies in the profile, so the later parts never start.
    EXPECT_EQ(ui.statusTexts,
              (StatusTexts{{2, "Exporting Waterline"}, {2, "Exporting Profile"}, {2, ""}}));
    EXPECT_EQ(ReadFileBytes(path), "previous drawing");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::set<std::string>{"hull.dxf"});
}

TEST(HullOutlineExport, UnrepresentableGeometryIsReportedWithoutAFile)
{
    TempDir dir;
    auto hull = HandMadeHull();
    hull->Stations[7].DiagonalOffset[2] = 1e38L;  // a crossing beyond the 6-byte range
    hull->Diagonals[2].DY = 10;
    RecordingUi ui;
    ui.saveAnswers.push_back((dir / "hull.dxf").string());
    ExportHullOutlines(*hull);

    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Floating point overflow");
    EXPECT_EQ(ui.statusTexts.back(), (std::pair<int, std::string>{2, ""}));
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(HullOutlineExport, TheFileStaysByteForByteAsDescribed)
{
    // FNV-1a over every byte of the hand-made hull's file: a change of
    // order, number format, line end or layer name changes it.
    TempDir dir;
    const auto path = dir / "hull.dxf";
    ExportToFile(*HandMadeHull(), path);
    std::uint64_t digest = 14695981039346656037ull;
    const std::string bytes = ReadFileBytes(path);
    for (const char c : bytes) digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    EXPECT_EQ(bytes.size(), kDescribedDxfBytes);
    EXPECT_EQ(digest, kDescribedDxfDigest);
}
