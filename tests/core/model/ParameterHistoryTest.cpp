#include "model/ParameterHistory.h"

#include <gtest/gtest.h>

#include "RecordingUi.h"
#include "model/DataEdit.h"

using namespace sloopform;
using test::RecordingUi;

namespace {

constexpr int kLoa = 1;
constexpr int kLwl = 2;
constexpr int kCp = 8;
constexpr int kCm = 9;
const std::string kFile = "boat.sfp";

// A design with its file's values saved, edited through the editor's own
// rules as the table commits them.
struct EditedDesign {
    EditedDesign()
    {
        editor.Edit(kLoa, 10);
        editor.Edit(kLwl, 8);
        history.Reset(editor.Hull(), kFile);
    }
    void Commit(int row, long double value)
    {
        const ParameterValues before = StoredParameterValues(editor.Hull());
        editor.Edit(row, value);
        history.Record(before, editor.Hull());
    }
    bool Modified() const { return history.DiffersFromSaved(editor.Hull(), kFile); }

    RecordingUi ui;
    TDataEdit editor;
    ParameterHistory history;
};

}  // namespace

TEST(ParameterHistory, UndoAndRedoWalkTheCommitsAndARefusedValueIsNoStep)
{
    EditedDesign design;
    design.Commit(kLoa, 11);
    design.Commit(kLwl, 12);  // longer than Loa: refused
    design.Commit(kLwl, 9);
    design.Commit(kLwl, 9);   // the same value again
    EXPECT_EQ(design.ui.messages.size(), 1u);
    EXPECT_EQ(design.history.UndoCaption(), "Waterline Length");

    EXPECT_EQ(design.history.Undo(design.editor), std::vector<int>{kLwl});
    EXPECT_EQ(design.editor.GetValue(kLwl), 8.0L);
    EXPECT_EQ(design.history.UndoCaption(), "Length Overall");
    EXPECT_EQ(design.history.RedoCaption(), "Waterline Length");
    EXPECT_EQ(design.history.Undo(design.editor), std::vector<int>{kLoa});
    EXPECT_EQ(design.editor.GetValue(kLoa), 10.0L);
    EXPECT_FALSE(design.history.CanUndo());
    EXPECT_TRUE(design.history.Undo(design.editor).empty());

    design.history.Redo(design.editor);
    design.history.Redo(design.editor);
    EXPECT_EQ(design.editor.GetValue(kLoa), 11.0L);
    EXPECT_EQ(design.editor.GetValue(kLwl), 9.0L);
    EXPECT_FALSE(design.history.CanRedo());
    EXPECT_TRUE(design.history.Redo(design.editor).empty());
}

TEST(ParameterHistory, ANewCommitDropsTheUndoneSteps)
{
    EditedDesign design;
    design.Commit(kLoa, 11);
    design.Commit(kLoa, 12);
    design.history.Undo(design.editor);
    design.Commit(kLwl, 7);
    EXPECT_FALSE(design.history.CanRedo());
    design.history.Undo(design.editor);
    design.history.Undo(design.editor);
    EXPECT_EQ(design.editor.GetValue(kLoa), 10.0L);
    EXPECT_EQ(design.editor.GetValue(kLwl), 8.0L);
}

TEST(ParameterHistory, ValuesChangedTogetherAreOneStep)
{
    EditedDesign design;
    const ParameterValues before = StoredParameterValues(design.editor.Hull());
    design.editor.Edit(kCp, 0.55L);
    design.editor.Edit(kCm, 0.7L);
    design.history.Record(before, design.editor.Hull());
    EXPECT_EQ(design.history.UndoCaption(), "Prismatic Coefficient, Mid-Section Coefficient");
    EXPECT_EQ(design.history.Undo(design.editor), (std::vector<int>{kCp, kCm}));
    EXPECT_EQ(design.editor.GetValue(kCp), 0.0L);
    EXPECT_EQ(design.editor.GetValue(kCm), 0.0L);
}

TEST(ParameterHistory, ModifiedExactlyWhileTheValuesDifferFromTheSavedOnes)
{
    EditedDesign design;
    EXPECT_FALSE(design.Modified());
    design.Commit(kLoa, 11);
    EXPECT_TRUE(design.Modified());
    design.history.Undo(design.editor);
    EXPECT_FALSE(design.Modified());
    design.history.Redo(design.editor);
    design.history.MarkSaved(design.editor.Hull(), kFile);
    EXPECT_FALSE(design.Modified());
    design.history.Undo(design.editor);
    EXPECT_TRUE(design.Modified());
    // Values kept under another name are in no file of that name.
    design.history.Redo(design.editor);
    EXPECT_TRUE(design.history.DiffersFromSaved(design.editor.Hull(), "Untitled.sfp"));
}

TEST(ParameterHistory, UndoPutsBackWhatTheRulesWouldNowRefuse)
{
    // Values read from a file are kept as read, refused or not.
    EditedDesign design;
    design.editor.Hull().Lwl = 12;
    design.history.Reset(design.editor.Hull(), kFile);
    design.Commit(kLwl, 9);
    design.Commit(kLoa, 9.5L);
    design.history.Undo(design.editor);
    design.history.Undo(design.editor);
    EXPECT_EQ(design.editor.GetValue(kLwl), 12.0L);
    EXPECT_FALSE(design.Modified());
    EXPECT_TRUE(design.ui.messages.empty());
    design.editor.Hull().HullComplete = true;
    design.history.Redo(design.editor);
    EXPECT_FALSE(design.editor.Hull().HullComplete);
}

// The VCG is a step of its own among the parameters' steps; none is a value.
TEST(ParameterHistory, VcgChangesAreStepsAndCountAsModified)
{
    EditedDesign design;
    design.Commit(kCp, 0.55L);
    const std::optional<Real48> before = design.editor.Vcg();
    design.editor.SetVcg(Real48(0.4L));
    design.history.RecordVcg(before, design.editor.Vcg());
    design.history.RecordVcg(design.editor.Vcg(), design.editor.Vcg());  // no change, no step
    EXPECT_EQ(design.history.UndoCaption(), "VCG");
    EXPECT_TRUE(design.history.DiffersFromSaved(design.editor.Hull(), kFile, design.editor.Vcg()));

    EXPECT_TRUE(design.history.Undo(design.editor).empty());  // no table row
    EXPECT_FALSE(design.editor.Vcg());
    EXPECT_EQ(design.history.UndoCaption(), "Prismatic Coefficient");
    EXPECT_EQ(design.history.Undo(design.editor), std::vector<int>{kCp});
    EXPECT_FALSE(design.history.DiffersFromSaved(design.editor.Hull(), kFile, design.editor.Vcg()));
    design.history.Redo(design.editor);
    design.history.Redo(design.editor);
    ASSERT_TRUE(design.editor.Vcg());
    EXPECT_EQ(design.editor.Vcg()->Value(), Real48(0.4L).Value());

    design.history.MarkSaved(design.editor.Hull(), kFile, design.editor.Vcg());
    EXPECT_FALSE(design.history.DiffersFromSaved(design.editor.Hull(), kFile, design.editor.Vcg()));
    EXPECT_TRUE(design.history.DiffersFromSaved(design.editor.Hull(), kFile, std::nullopt));
}
