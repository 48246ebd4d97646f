#include "model/ProjectVcg.h"

#include <gtest/gtest.h>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "model/DataEdit.h"
#include "model/ProjectFile.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;
using test::WriteFileBytes;

// The VCG is one more line after the nineteen, which stay byte for byte.
TEST(ProjectVcg, TravelsAsOneLineAfterTheNineteenParameters)
{
    RecordingUi ui;
    TempDir dir;
    const auto hull = test::BundledDesign("cruiser-10m");
    const std::optional<Real48> given = Real48(0.35L);
    const auto path = dir / "cruiser.sfp";
    ASSERT_TRUE(SaveProject(*hull, path.string(), given));
    const std::string example = ReadFileBytes(test::ExampleProject("cruiser-10m"));
    EXPECT_EQ(ReadFileBytes(path), example + "VCG=0.350\r\n");
    EXPECT_EQ(ProjectFileLines(*hull, given).back(), "VCG=0.350");
    EXPECT_EQ(ProjectFileLines(*hull).size(), 19u);

    TDataEdit editor;
    ASSERT_TRUE(editor.LoadData(path.string()));
    ASSERT_TRUE(editor.Vcg());
    EXPECT_EQ(editor.Vcg()->Value(), given->Value());
    // A file of the nineteen alone leaves no VCG behind from before.
    ASSERT_TRUE(editor.LoadData(test::ExampleProject("cruiser-10m").string()));
    EXPECT_FALSE(editor.Vcg());
    EXPECT_TRUE(ui.messages.empty());
}

// Other optional lines may come before or after it; a value that is no
// number is said once, as a parameter's is.
TEST(ProjectVcg, IsFoundAmongOtherOptionalLinesAndRefusesText)
{
    RecordingUi ui;
    TempDir dir;
    const std::string example = ReadFileBytes(test::ExampleProject("cruiser-10m"));
    const auto path = dir / "p.sfp";
    std::optional<Real48> vcg;
    WriteFileBytes(path, example + "Levels=1\r\nVCG=0.5\r\nView=2\r\n");
    EXPECT_TRUE(ReadProjectVcg(path.string(), vcg));
    ASSERT_TRUE(vcg);
    EXPECT_EQ(vcg->Value(), 0.5);

    WriteFileBytes(path, example + "VCG=low\r\n");
    EXPECT_FALSE(ReadProjectVcg(path.string(), vcg));
    EXPECT_FALSE(vcg);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unable to convert field low to real number format");
    TDataEdit editor;
    EXPECT_FALSE(editor.LoadData(path.string()));
    EXPECT_EQ(editor.Hull().Loa.Value(), 10.5);  // the nineteen are read
}
