#include <gtest/gtest.h>

#include "ExportTestFiles.h"
#include "TestPaths.h"
#include "export/DxfFile.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

const std::string kHeader = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
const std::string kTrailer = "0\r\nENDSEC\r\n  0\r\nEOF\r\n";

}  // namespace

TEST(DxfFile, WritesEntitiesBetweenHeaderAndTrailerWithCrLf)
{
    TempDir dir;
    const auto path = dir / "a.dxf";
    {
        TDxfFile file(path.string());
        EXPECT_EQ(file.LayerName(), "0");
        file.Line3d(1, 2, 3, 4, 5, 6);
        file.Layer("Hull");
        file.Line2d(1.5L, -2, 3, 4);
        file.Circle(0, 0.25L, -1, 2);
        file.Close();
    }
    const std::string expected =
        kHeader +
        "  0\r\nLINE\r\n  8\r\n0\r\n"
        " 10\r\n     1.000\r\n 20\r\n     2.000\r\n 30\r\n     3.000\r\n"
        " 11\r\n     4.000\r\n 21\r\n     5.000\r\n 31\r\n     6.000\r\n"
        "  0\r\nLINE\r\n  8\r\nHull\r\n"
        " 10\r\n     1.500\r\n 20\r\n    -2.000\r\n 30\r\n0\r\n"
        " 11\r\n     3.000\r\n 21\r\n     4.000\r\n 31\r\n0\r\n"
        "  0\r\nCIRCLE\r\n  8\r\nHull\r\n"
        " 10\r\n     0.000\r\n 20\r\n     0.250\r\n 30\r\n    -1.000\r\n 40\r\n     2.000\r\n" +
        kTrailer;
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(DxfFile, RealsHaveThreeDecimalsRightAlignedInAtLeastTenCharacters)
{
    TempDir dir;
    const auto path = dir / "numbers.dxf";
    {
        TDxfFile file(path.string());
        file.Line3d(-12.345L, 1234567.5L, -0.0L, 0.0004L, -0.0006L, 98765432.1L);
        file.Close();
    }
    const std::string bytes = ReadFileBytes(path);
    for (const char* group : {" 10\r\n   -12.345\r\n", " 20\r\n1234567.500\r\n",
                              " 30\r\n     0.000\r\n", " 11\r\n     0.000\r\n",
                              " 21\r\n    -0.001\r\n", " 31\r\n98765432.100\r\n"})
        EXPECT_NE(bytes.find(group), std::string::npos) << group;
}

TEST(DxfFile, FileAppearsOnlyWhenClosed)
{
    TempDir dir;
    const auto path = dir / "a.dxf";
    WriteFileBytes(path, "previous drawing");
    {
        TDxfFile file(path.string());
        file.Line3d(1, 2, 3, 4, 5, 6);
        EXPECT_EQ(ReadFileBytes(path), "previous drawing");
    }
    EXPECT_EQ(ReadFileBytes(path), "previous drawing");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::set<std::string>{"a.dxf"});
}

TEST(DxfFile, FileThatCannotBeCreatedIsNamedInTheError)
{
    TempDir dir;
    for (const std::string& name :
         {(dir / "missing" / "a.dxf").string(), dir.Path().string(), std::string()}) {
        try {
            TDxfFile file(name);
            ADD_FAILURE() << "created " << name;
        } catch (const ExportFileError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + name + "\"");
        }
    }
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(DxfFile, WriteErrorNamesTheFileAndKeepsThePreviousOne)
{
    TempDir dir;
    const auto path = dir / "a.dxf";
    WriteFileBytes(path, "previous drawing");
    {
        FailingWrites failing(10);
        TDxfFile file(path.string());
        try {
            file.Line3d(1, 2, 3, 4, 5, 6);
            ADD_FAILURE() << "the write error went unnoticed";
        } catch (const ExportFileError& error) {
            EXPECT_EQ(std::string(error.what()), "Error writing file \"" + path.string() + "\"");
        }
        EXPECT_THROW(file.Close(), ExportFileError);
    }
    EXPECT_EQ(ReadFileBytes(path), "previous drawing");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::set<std::string>{"a.dxf"});
}

TEST(DxfFile, TakesCurveSegmentsOnTheCurrentLayer)
{
    TempDir dir;
    const auto path = dir / "curve.dxf";
    TPointBlock3 ctrl;
    ctrl[1] = {0, 0, 0};
    ctrl[2] = {1, 2, 0};
    ctrl[3] = {2, 0, 1};
    {
        TDxfFile file(path.string());
        file.Layer("Sheerline");
        DxfBSpline3d(3, 3, ctrl, file);
        file.Close();
    }
    const std::string bytes = ReadFileBytes(path);
    int lines = 0;
    for (auto at = bytes.find("LINE\r\n  8\r\nSheerline\r\n"); at != std::string::npos;
         at = bytes.find("LINE\r\n  8\r\nSheerline\r\n", at + 1))
        ++lines;
    EXPECT_EQ(lines, 3 * kDxfSamplesPerPoint - 1);
}
