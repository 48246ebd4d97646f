#include "model/RecoveredProject.h"

#include <gtest/gtest.h>

#include "RecordingUi.h"
#include "TestPaths.h"
#include "model/DataEdit.h"

using namespace sloopform;
using test::RecordingUi;
using test::TempDir;

namespace {

std::string Bytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

TEST(RecoveredProject, ACopyNamesTheFileOfItsDesign)
{
    RecordingUi ui;
    TempDir dir;
    TDataEdit editor;
    editor.Edit(1, 12);
    editor.Design().Method = GeneratorMethod::Robust;
    const auto copy = dir / "project-1234abcd-My Sloop.sfp";
    const std::string path = "/boats/My Sloop, v2 \xC3\xA9t\xC3\xA9.sfp";
    test::WriteFileBytes(copy, Bytes(RecoveryCopyLines(editor, path)));

    std::optional<std::string> read;
    ASSERT_TRUE(ReadRecoveredPath(copy.string(), read));
    EXPECT_EQ(read, std::optional<std::string>(path));
    const auto recovered = TDataEdit::Read(copy.string());
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->Hull().Loa, 12.0L);
    EXPECT_EQ(recovered->Design().Method, GeneratorMethod::Robust);

    // An untitled design names no file.
    test::WriteFileBytes(copy, Bytes(RecoveryCopyLines(editor, std::nullopt)));
    ASSERT_TRUE(ReadRecoveredPath(copy.string(), read));
    EXPECT_EQ(read, std::nullopt);
    EXPECT_TRUE(ui.messages.empty());

    // A damaged copy says so and is no design.
    test::WriteFileBytes(copy, "Loa=12.000\r\nLwl=x\r\n");
    EXPECT_FALSE(ReadRecoveredPath(copy.string(), read));
    EXPECT_EQ(ui.messages.size(), 1u);
}
