#include "model/ParameterCommit.h"

#include <gtest/gtest.h>

#include "MemoryGrid.h"
#include "RecordingUi.h"
#include "model/DataEdit.h"

using namespace sloopform;
using test::MemoryGrid;
using test::RecordingUi;

namespace {

struct Table {
    TDataEdit editor;
    MemoryGrid grid;

    void Type(int row, const std::string& text)
    {
        grid.SetCell(1, row, text);
        CommitParameterValue(editor, grid, row);
    }
};

}  // namespace

TEST(ParameterCommit, TypedValueIsStoredAndRewrittenRightAligned)
{
    RecordingUi ui;
    Table table;
    table.Type(1, "  12 ");
    EXPECT_EQ(table.editor.GetValue(1), 12.0L);
    EXPECT_EQ(table.grid.Cell(1, 1), "         12.000");

    table.Type(8, "5.4e-1");
    EXPECT_EQ(table.grid.Cell(1, 8), "          0.540");
    table.Type(16, "-45");
    EXPECT_EQ(table.grid.Cell(1, 16), "        -45.000");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ParameterCommit, RejectedValueRewritesTheStoredOne)
{
    RecordingUi ui;
    Table table;
    table.Type(8, "0.55");
    table.editor.Hull().HullComplete = true;
    table.Type(8, "0.7");
    EXPECT_EQ(table.grid.Cell(1, 8), "          0.550");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(table.editor.Hull().HullComplete);
}

TEST(ParameterCommit, TextThatIsNoNumberIsReportedOnce)
{
    RecordingUi ui;
    Table table;
    table.Type(1, "10.5");
    for (const std::string text : {"abc", "nan", "inf", "1e39", "10,5", "", "1.2.3"}) {
        ui.messages.clear();
        ui.notifications.clear();
        table.editor.Hull().HullComplete = true;
        table.Type(1, " " + text + " ");
        EXPECT_EQ(table.editor.GetValue(1), 10.5L) << text;
        ASSERT_EQ(ui.messages.size(), 1u) << text;
        EXPECT_EQ(ui.messages[0].text, "Invalid number: " + text);
        EXPECT_EQ(ui.messages[0].helpContext, 4001);
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkHelp);
        EXPECT_EQ(table.grid.Cell(1, 1), "         10.500");
        EXPECT_FALSE(table.editor.Hull().HullComplete);
        EXPECT_EQ(ui.notifications, (std::vector<Notification>{Notification::QuickCalcRefresh,
                                                               Notification::Repaint}));
        }
}
