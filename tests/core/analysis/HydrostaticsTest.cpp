#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingUi.h"
#include "analysis/Hydrostatics.h"
#include "analysis/HydrostaticsReport.h"
#include "generator/Output.h"
#include "numeric/ArithmeticFault.h"

using namespace sloopform;

namespace {

constexpr long double kTight = 1e-9L;

// Every section a rectangle of beam b and depth t on a waterline of length l.
std::unique_ptr<HullRecord> RectangleHull(long double l, long double b, long double t)
{
    auto hull = HullRecord::Create();
    hull->Loa = l + 1;
    hull->BMax = b + 0.5L;
    hull->Lwl = l;
    hull->Bwl = b;
    hull->Tc = t;
    for (TStation& station : hull->Stations) {
        station.KeelHeight = 0;
        station.DesignWaterlineBeam = b;
        station.WaterlineBeam = b;
        station.SectionArea = b * t;
        station.SectionVca = t / 2;
    }
    hull->HullComplete = true;
    return hull;
}

std::vector<std::string> Report(const HullRecord& hull)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ReportHydrostatics(hull, report);
    return memo.Lines();
}

}  // namespace

TEST(Hydrostatics, RectangularSectionsGiveTheExactPrismValues)
{
    const long double l = 8, b = 2.5, t = 0.75;
    const auto hull = RectangleHull(l, b, t);
    const Hydrostatics h = ComputeHydrostatics(*hull);
    EXPECT_NEAR(h.Volume, l * b * t, kTight);
    EXPECT_NEAR(h.Displacement, l * b * t * 1025, 1e-6);
    EXPECT_NEAR(h.VCB, t / 2, kTight);
    EXPECT_NEAR(h.LCB, 50, kTight);
    EXPECT_NEAR(h.WaterplaneArea, l * b, kTight);
    EXPECT_NEAR(h.KgPerCm, l * b * 1025 * 0.01L, 1e-7);
    EXPECT_NEAR(h.LCF, 50, kTight);
    EXPECT_NEAR(h.MidshipArea, b * t, kTight);
    EXPECT_NEAR(h.Cb, 1, kTight);
    EXPECT_NEAR(h.Cp, 1, kTight);
    EXPECT_NEAR(h.Cwl, 1, kTight);
    EXPECT_NEAR(h.Cm, 1, kTight);
    EXPECT_NEAR(h.BMT, b * b / (12 * t), kTight);
    EXPECT_NEAR(h.BML, l * l / (12 * t), 1e-8);
    EXPECT_NEAR(h.MCT, h.Displacement * h.BML / (100 * l), 1e-6);
}

TEST(Hydrostatics, CentresFollowTheShiftedVolumeAndBeams)
{
    // Sections only on the aft half move the centres aft of midships; Cb uses the
    // parameters, Cm the generated midship beam and depth.
    auto hull = RectangleHull(10, 3, 0.5);
    for (int i = 0; i < 10; ++i) {
        hull->Stations[i].SectionArea = 0;
        hull->Stations[i].WaterlineBeam = 0;
    }
    hull->Stations[10].KeelHeight = 0.1L;  // depth 0.4 at midships
    const Hydrostatics h = ComputeHydrostatics(*hull);
    EXPECT_GT(h.LCB, 50);
    EXPECT_GT(h.LCF, 50);
    EXPECT_NEAR(h.LCB, h.LCF, kTight);  // same distribution of area and beam
    EXPECT_LT(h.Cb, 0.6L);
    EXPECT_NEAR(h.Cm, 1.5L / (3 * 0.4L), kTight);
}

TEST(Hydrostatics, ReportLayoutIsExact)
{
    const auto hull = RectangleHull(10, 3, 0.5);
    hull->Stations[7].KeelHeight = 0.125L;
    hull->Stations[7].DesignWaterlineBeam = 2.75L;
    const std::vector<std::string> lines = Report(*hull);
    ASSERT_EQ(lines.size(), 59u);
    const std::vector<std::string> head = {
        "",
        "------------------- Hull Data and Hydrostatics ------------------",
        "Vessel Dimensions:",
        "Length(OA)     11.000 m",
        "Beam      3.500 m",
        "Length(Wl)     10.000 m",
        "Beam(WL)      3.000 m",
        "Draught(TC)      0.500 m",
        "",
        "Vessel Volumes and Centres:",
        "Volume     15.000 m³",
        "Water Density   1025.000 kg/m³",
        "Displacement  15375.000 kg",
        "VCB      0.250 m above baseline",
        "LCB     50.000 %",
        "kgPC    307.500 kg",
        "",
        "Vessel Areas and Centres",
        "Waterplane Area     30.000 m²",
        "LCF    50.000 %",
        "Midship Section      1.500 m²",
        "",
        "Vessel Coefficients",
        "Block           Cp      1.000",
        "Prismatic       Cp      1.000",
        "Waterplane     Cwl      1.000",
        "Midship Section Cm      1.000",
        "",
        "",
        "Vessel Stability",
        "BMT      1.500 m",
        "BML     16.667 m",
        "MCT-1cm    256.250 kg m (BML based)",
        "",
        "-------------------- Station Information --------------------",
        "Sta        Tc        Bwl       Area       Vca ",
    };
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
    EXPECT_EQ(lines[36], "   0     0.500     3.000     1.500     0.250");
    EXPECT_EQ(lines[43], "   7     0.375     2.750     1.500     0.250");
    EXPECT_EQ(lines[56], "  20     0.500     3.000     1.500     0.250");
    EXPECT_EQ(lines[57], "-------------------------------------------------------------");
    EXPECT_EQ(lines[58], "");
}

TEST(Hydrostatics, WideNumbersGrowTheirFieldInsteadOfBeingCut)
{
    const auto hull = RectangleHull(100, 20, 5);
    const std::vector<std::string> lines = Report(*hull);
    ASSERT_EQ(lines.size(), 59u);
    EXPECT_EQ(lines[12], "Displacement 10250000.000 kg");
}

TEST(Hydrostatics, UngeneratedHullIsRefusedWithoutWritingAnything)
{
    test::RecordingUi ui;
    auto hull = RectangleHull(10, 3, 0.5);
    hull->HullComplete = false;
    EXPECT_TRUE(Report(*hull).empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No Data Available, Run Generator");
}

TEST(Hydrostatics, ArithmeticFaultEndsTheCommandBeforeAnyLine)
{
    test::RecordingUi ui;
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);

    // A complete flag over empty stations: zero volume and waterplane.
    auto empty = HullRecord::Create();
    empty->Lwl = 10;
    empty->HullComplete = true;
    EXPECT_THROW(ReportHydrostatics(*empty, report), ArithmeticFault);

    // Only the midship section empty: Cm and Cp divide by it after the
    // volume and the centres are already known.
    auto hull = RectangleHull(10, 3, 0.5);
    hull->Stations[10].SectionArea = 0;
    hull->Stations[10].WaterlineBeam = 0;
    EXPECT_THROW(ReportHydrostatics(*hull, report), ArithmeticFault);

    EXPECT_TRUE(memo.Lines().empty());
    EXPECT_TRUE(ui.messages.empty());
}
