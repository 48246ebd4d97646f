// Every output of a generation run of the bundled designs, to the last bit:
// the console, each generated value of the hull record, the hydrostatics
// report, the DXF and the GF1 lines, each reduced to a 64-bit digest. Faster
// code must leave all of them unchanged; a deliberate change of the results
// updates the table with the digests the failure prints.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "GeneratorFixture.h"
#include "analysis/HydrostaticsReport.h"
#include "export/DxfFile.h"
#include "export/ExportTextFile.h"
#include "export/Gf1Export.h"
#include "export/HullOutlineExport.h"
#include "generator/RunGeneration.h"

using namespace sloopform;

namespace {

// FNV-1a, 64 bits.
class Digest {
public:
    void Add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) value_ = (value_ ^ bytes[i]) * 0x100000001b3ULL;
    }
    void Add(Real48 r)
    {
        const double bits = r.Value();
        Add(&bits, sizeof bits);
    }
    void Add(const TPoint2r& p)
    {
        Add(p.x);
        Add(p.y);
    }
    void Add(const TPoint3r& p)
    {
        Add(p.x);
        Add(p.y);
        Add(p.z);
    }
    void Add(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines) Add(line.data(), line.size() + 1);  // with its end
    }
    std::uint64_t Value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

template <typename Lines>
std::uint64_t DigestOf(const Lines& lines)
{
    Digest digest;
    digest.Add(lines);
    return digest.Value();
}

// Everything a run writes into the record.
std::uint64_t RecordDigest(const HullRecord& hull)
{
    Digest d;
    for (Real48 r : {hull.StemUpperTangent, hull.StemAngle, hull.StemLowerTangent, hull.TransomRise,
                     hull.ForefootKeelHeight, hull.AftKeelHeight, hull.TransomTopX})
        d.Add(r);
    for (int i = 1; i <= TPointBlock2::Capacity(); ++i) {
        d.Add(hull.ProfilePoints[i]);
        d.Add(hull.WaterlinePoints[i]);
    }
    for (int i = 1; i <= TPointBlock3::Capacity(); ++i) {
        d.Add(hull.SheerPoints[i]);
        d.Add(hull.TransomPoints[i]);
    }
    for (const TStation& s : hull.Stations) {
        for (Real48 r : {s.KeelHeight, s.DesignWaterlineBeam, s.SheerBeam, s.SheerHeight,
                         s.RequiredSectionCoefficient, s.SectionArea, s.SectionCoefficient, s.WaterlineBeam,
                         s.SectionVca, s.DiagonalOffset[1], s.DiagonalOffset[2], s.DiagonalOffset[3]})
            d.Add(r);
        d.Add(&s.SectionDefined, sizeof s.SectionDefined);
    }
    for (int i = 1; i <= 3; ++i) {
        d.Add(hull.DiagonalEndStation[i]);
        d.Add(hull.DiagonalEndOffset[i]);
    }
    for (int i = 1; i <= 4; ++i) {
        const TDiagonal& g = hull.Diagonals[i];
        for (Real48 r : {g.Y0, g.Z0, g.DY, g.DZ, g.Angle}) d.Add(r);
    }
    d.Add(&hull.DefinedSectionCount, sizeof hull.DefinedSectionCount);
    return d.Value();
}

struct OutputDigests {
    std::uint64_t console, record, report, dxf, gf1;
    bool operator==(const OutputDigests& o) const
    {
        return console == o.console && record == o.record && report == o.report && dxf == o.dxf &&
               gf1 == o.gf1;
    }
};

std::ostream& operator<<(std::ostream& out, const OutputDigests& d)
{
    return out << std::hex << std::showbase << "{" << d.console << "ULL, " << d.record << "ULL, " << d.report
               << "ULL, " << d.dxf << "ULL, " << d.gf1 << "ULL}" << std::dec;
}

struct Expected {
    const char* name;
    OutputDigests digests;
};

const Expected kExpected[] = {
    {"cruiser-10m",
     {0xae5ee82ba89595a6ULL, 0x7c62dc5ed14f420fULL, 0x8cd55e5712bbb241ULL, 0x8a54c17c64a43526ULL,
      0x67547a898eb49a42ULL}},
    {"daysailer-6m",
     {0x70cc14873e93b5f5ULL, 0x3f9232d0a1e44f46ULL, 0x353dff3f562a1681ULL, 0x801d0dcee77f760fULL,
      0x59c692da77210496ULL}},
    {"racer-12m",
     {0xd5bcbbf13baf6826ULL, 0x31f2b6b117527ad0ULL, 0x0f39b29015e9d44eULL, 0x0441058eba761d03ULL,
      0x13c7d6be16d2259bULL}},
};

class BundledDesignDigestTest : public test::GeneratorFixture {};

}  // namespace

TEST_F(BundledDesignDigestTest, EveryOutputOfEveryBundledDesignIsUnchanged)
{
    for (const Expected& expected : kExpected) {
        SCOPED_TRACE(expected.name);
        ResetGeneratorState();
        memo.ClearText();
        auto hull = test::BundledDesign(expected.name);
        RunGeneration(*hull, console);
        ASSERT_TRUE(hull->HullComplete && hull->TransomDone);

        OutputDigests actual{};
        actual.console = DigestOf(memo.Lines());
        actual.record = RecordDigest(*hull);

        StringListMemo reportMemo;
        TOutput report;
        report.SetOutputMemo(&reportMemo);
        ASSERT_TRUE(ReportHydrostatics(*hull, report));
        actual.report = DigestOf(reportMemo.Lines());

        ExportLineList dxfLines("hull.dxf");
        TDxfFile dxf(dxfLines);
        WriteHullOutlines(*hull, dxf);
        actual.dxf = DigestOf(dxfLines.Lines());

        ExportLineList gf1Lines("hull.gf1");
        WriteGF1(*hull, gf1Lines);
        actual.gf1 = DigestOf(gf1Lines.Lines());

        EXPECT_EQ(actual, expected.digests);
    }
}
