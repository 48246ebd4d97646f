#include "model/DataEdit.h"

#include <gtest/gtest.h>

#include <cstring>

#include "MemoryGrid.h"
#include "RecordingUi.h"
#include "generator/Output.h"
#include "model/ParameterTable.h"
#include "platform/Cp1252.h"

using namespace sloopform;
using test::MemoryGrid;
using test::RecordingUi;

namespace {

// The rows of the table, by the field they edit.
enum Row {
    LoaRow = 1,
    LwlRow,
    FovhRow,
    BMaxRow,
    BwlRow,
    BTransomRow,
    TcRow,
    CpRow,
    CmRow,
    LCBRow,
    CwpRow,
    LCFRow,
    FreeBowRow,
    FreeCenterRow,
    FreeAftRow,
    BPDARow,
    BPLWLTRow,
    TransomAngleRow,
    ApAngleRow
};

// Commits one value and reports whether it was stored and how many messages it gave.
struct Outcome {
    bool stored;
    std::size_t messages;
};

Outcome Try(TDataEdit& editor, RecordingUi& ui, int row, long double value)
{
    const std::size_t before = ui.messages.size();
    editor.Edit(row, value);
    return {editor.GetValue(row) == Real48(value).Value(), ui.messages.size() - before};
}

void ExpectAccepted(TDataEdit& editor, RecordingUi& ui, int row, long double value)
{
    const Outcome outcome = Try(editor, ui, row, value);
    EXPECT_TRUE(outcome.stored) << "row " << row << " value " << value;
    EXPECT_EQ(outcome.messages, 0u) << "row " << row << " value " << value;
}

void ExpectRejected(TDataEdit& editor, RecordingUi& ui, int row, long double value)
{
    const long double before = editor.GetValue(row);
    const Outcome outcome = Try(editor, ui, row, value);
    EXPECT_EQ(editor.GetValue(row), before) << "row " << row << " value " << value;
    ASSERT_EQ(outcome.messages, 1u) << "row " << row << " value " << value;
    const auto& message = ui.messages.back();
    EXPECT_EQ(message.text, ParameterRowAt(row).rejection);
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::OkHelp);
    EXPECT_EQ(message.helpContext, 4000 + row);
}

}  // namespace

TEST(DataEdit, OwnsAndPublishesTheCurrentHullRecord)
{
    auto first = std::make_unique<TDataEdit>();
    EXPECT_EQ(CurrentHull(), &first->Hull());
    first->Hull().Loa = 10;
    first->Hull().HullComplete = true;
    first.reset();
    EXPECT_EQ(CurrentHull(), nullptr);

    TDataEdit second;
    EXPECT_EQ(CurrentHull(), &second.Hull());
    EXPECT_EQ(second.GetValue(LoaRow), 0.0L);
    EXPECT_FALSE(second.Hull().HullComplete);
}

TEST(DataEdit, GetValueMapsRowsToFieldsAndOutsideRowsToMinusOne)
{
    TDataEdit editor;
    HullRecord& hull = editor.Hull();
    Real48 HullRecord::*const fields[] = {
        &HullRecord::Loa,     &HullRecord::Lwl,          &HullRecord::Fovh,    &HullRecord::BMax,
        &HullRecord::Bwl,     &HullRecord::BTransom,     &HullRecord::Tc,      &HullRecord::Cp,
        &HullRecord::Cm,      &HullRecord::LCB,          &HullRecord::Cwp,     &HullRecord::LCF,
        &HullRecord::FreeBow, &HullRecord::FreeCenter,   &HullRecord::FreeAft, &HullRecord::BPDA,
        &HullRecord::BPLWLT,  &HullRecord::TransomAngle, &HullRecord::ApAngle};
    for (int row = 1; row <= 19; ++row) hull.*fields[row - 1] = 100 + row;
    for (int row = 1; row <= 19; ++row) EXPECT_EQ(editor.GetValue(row), 100 + row) << row;
    EXPECT_EQ(editor.GetValue(0), -1);
    EXPECT_EQ(editor.GetValue(20), -1);
    EXPECT_EQ(editor.GetValue(-5), -1);
}

TEST(DataEdit, SimpleBoundsIncludeTheirEndPoints)
{
    RecordingUi ui;
    TDataEdit editor;
    struct Bounds {
        int row;
        long double low, high, below, above;
    };
    const Bounds bounds[] = {
        {CpRow, 0.42L, 0.65L, 0.4199L, 0.6501L},  {CmRow, 0.5L, 0.82L, 0.4999L, 0.8201L},
        {CwpRow, 0.68L, 0.8L, 0.6799L, 0.8001L},  {LCBRow, 48, 62, 47.999L, 62.001L},
        {LCFRow, 48, 62, 47.999L, 62.001L},       {BPDARow, -45, 45, -45.001L, 45.001L},
        {ApAngleRow, -15, 50, -15.001L, 50.001L},
    };
    for (const Bounds& b : bounds) {
        ExpectAccepted(editor, ui, b.row, b.low);
        ExpectAccepted(editor, ui, b.row, b.high);
        ExpectRejected(editor, ui, b.row, b.below);
        ExpectRejected(editor, ui, b.row, b.above);
    }
    for (int row : {LoaRow, BMaxRow, BwlRow, TcRow, FreeBowRow, FreeCenterRow, FreeAftRow}) {
        ExpectRejected(editor, ui, row, 0);
        ExpectRejected(editor, ui, row, -1);
        ExpectAccepted(editor, ui, row, 0.001L);
    }
    ExpectAccepted(editor, ui, TransomAngleRow, 0);
    ExpectRejected(editor, ui, TransomAngleRow, -0.001L);
}

TEST(DataEdit, LengthsAreCheckedAgainstTheStoredOverallLength)
{
    RecordingUi ui;
    TDataEdit editor;
    editor.Edit(LoaRow, 10);
    editor.Edit(FovhRow, 1);
    ExpectRejected(editor, ui, LwlRow, 9);
    ExpectAccepted(editor, ui, LwlRow, 8.999L);
    // The overhang is checked with the waterline length now stored.
    ExpectRejected(editor, ui, FovhRow, 1.01L);
    ExpectAccepted(editor, ui, FovhRow, 1.0L);
    EXPECT_EQ(ui.messages.front().text,
              "Overhang and Waterline Length must be less than Length Overall");
}

TEST(DataEdit, TransomBeamAndForefootDependOnBeamAndDraught)
{
    RecordingUi ui;
    TDataEdit editor;
    ExpectRejected(editor, ui, BTransomRow, 1);  // no maximum beam yet
    editor.Edit(BMaxRow, 3.4L);
    ExpectRejected(editor, ui, BTransomRow, 3.4L);
    ExpectRejected(editor, ui, BTransomRow, 0);
    ExpectAccepted(editor, ui, BTransomRow, 3.399L);

    editor.Edit(TcRow, 0.55L);
    ExpectAccepted(editor, ui, BPLWLTRow, 0.55L);
    ExpectAccepted(editor, ui, BPLWLTRow, 0);
    ExpectRejected(editor, ui, BPLWLTRow, 0.551L);
    ExpectRejected(editor, ui, BPLWLTRow, -0.001L);
}

TEST(DataEdit, MessagesAreShownAsWritten)
{
    RecordingUi ui;
    TDataEdit editor;
    editor.Edit(CpRow, 0.3L);
    editor.Edit(BPDARow, 90);
    editor.Edit(TcRow, 0);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text,
              "Prismatic Coefficient must be\rgreater than 0.42 and less than 0.65");
    EXPECT_EQ(ui.messages[1].text,
              "Bow Curvature must be greater than -45\xC2\xB0 and less that 45\xC2\xB0");
    EXPECT_EQ(ui.messages[2].text, "Draught Beam must be greater than 0");
    EXPECT_EQ(ui.messages[2].helpContext, 4007);
}

TEST(DataEdit, EveryEditEndsWithClearedFlagsRefreshAndRepaint)
{
    RecordingUi ui;
    TDataEdit editor;
    editor.Edit(LoaRow, 10);  // accepted
    editor.Edit(BMaxRow, 3);
    const std::pair<int, long double> edits[] = {{LoaRow, 11},  {TcRow, 0}, {CpRow, 0.5L},
                                                 {CpRow, 0.9L}, {0, 1},     {20, 1}};
    for (const auto& [row, value] : edits) {
        HullRecord& hull = editor.Hull();
        hull.HullComplete = hull.TransomDone = hull.SheerDone = hull.ProfileDone =
            hull.WaterlineDone = true;
        ui.notifications.clear();
        editor.Edit(row, value);
        EXPECT_FALSE(hull.HullComplete || hull.TransomDone || hull.SheerDone || hull.ProfileDone ||
                     hull.WaterlineDone)
            << "row " << row;
        const bool dimensions = row == LoaRow || row == TcRow;
        std::vector<Notification> expected;
        if (dimensions) expected.push_back(Notification::HullDimensionsChanged);
        expected.push_back(Notification::QuickCalcRefresh);
        expected.push_back(Notification::Repaint);
        EXPECT_EQ(ui.notifications, expected) << "row " << row;
    }
}

TEST(DataEdit, ViewsRecomputeExtentsOnlyAfterTheDimensionRows)
{
    RecordingUi ui;
    TDataEdit editor;
    for (int row = 1; row <= 19; ++row) {
        ui.notifications.clear();
        editor.Edit(row, 0);  // rejected or accepted, the extents follow the same rows
        const bool recomputed = !ui.notifications.empty() &&
                                ui.notifications.front() == Notification::HullDimensionsChanged;
        EXPECT_EQ(recomputed, row == LoaRow || row == BMaxRow || row == TcRow || row == FreeBowRow)
            << "row " << row;
    }
}

TEST(DataEdit, NamesAndValuesFillTheirColumns)
{
    TDataEdit editor;
    MemoryGrid grid;
    grid.SetCell(1, 1, "typed");
    editor.AddParameterNames(grid);
    EXPECT_EQ(grid.Cell(1, 1), "typed");  // the value column is left alone
    EXPECT_EQ(grid.Cell(0, 10), "Longitudinal Center of Buoyancy");
    EXPECT_EQ(grid.Cell(2, 10), "%");
    EXPECT_EQ(grid.Cell(3, 10), "(LCB) Percent of Lwl, aft of Bow");
    EXPECT_EQ(grid.Cell(3, 3), "");
    EXPECT_EQ(Utf8ToCp1252(grid.Cell(2, 16)), "\xB0");
    EXPECT_EQ(grid.Cell(0, 19), "Flare Angle at Aft Perpendicular");
    EXPECT_EQ(grid.cells.count({0, 0}), 0u);  // the header row belongs to the window

    editor.Hull().Loa = 10.5L;
    editor.Hull().BPDA = -1;  // -1 stands for no value
    editor.AddParameterValues(grid);
    EXPECT_EQ(grid.Cell(1, 1), "         10.500");
    EXPECT_EQ(grid.Cell(1, 2), "          0.000");
    EXPECT_EQ(grid.Cell(1, 16), "Undefined");
    for (int row = 1; row <= 19; ++row)
        for (const char* text : {ParameterRowAt(row).caption, ParameterRowAt(row).comment})
            EXPECT_LE(std::strlen(text), 40u) << text;
}

TEST(DataEdit, ReportListsEveryParameterWithItsUnit)
{
    TDataEdit editor;
    StringListMemo memo;
    TOutput output;
    output.SetOutputMemo(&memo);
    editor.AddParameterstoReport(output);
    auto lines = memo.Lines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines.front(), "-------------------- Hull Parameters -----------------");
    EXPECT_EQ(lines.back(), "------------------------------------------------------");
    for (int row = 1; row <= 19; ++row)
        EXPECT_NE(lines[row].find(" = 0.000 "), std::string::npos) << lines[row];
    EXPECT_EQ(lines[16], "Bow Curvature (Angle) = 0.000 \xC2\xB0");

    editor.Hull().Loa = 10.5L;
    editor.Hull().Cp = 0.54L;
    editor.Hull().BPDA = -5;
    memo.ClearText();
    editor.AddParameterstoReport(output);
    lines = memo.Lines();
    EXPECT_EQ(lines[1], "Length Overall = 10.500 m");
    EXPECT_EQ(lines[8], "Prismatic Coefficient = 0.540 -");
    EXPECT_EQ(lines[10], "Longitudinal Center of Buoyancy = 0.000 %");
    EXPECT_EQ(lines[16], "Bow Curvature (Angle) = -5.000 \xC2\xB0");
}
