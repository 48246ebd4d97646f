#include "model/FileManager.h"

#include <gtest/gtest.h>

#include <memory>

#include "FailingWrites.h"
#include "MemoryGrid.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "model/DataEdit.h"
#include "model/ProjectFile.h"
#include "model/ShortFileName.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;

namespace {

// A project wired the way the generator window wires it, recording the events.
struct ProjectWindow {
    ProjectWindow()
    {
        files.UnSavedName = kProjectUnSavedName;
        files.OpenDialog = ProjectOpenDialog();
        files.SaveDialog = ProjectSaveDialog();
        files.OnNewFile = [this](TFileManager&) {
            events.push_back("new");
            editor = std::make_unique<TDataEdit>();
            editor->AddParameterNames(grid);
            editor->AddParameterValues(grid);
        };
        files.OnCloseFile = [this](TFileManager&) {
            events.push_back("close");
            editor.reset();
        };
        files.OnOpenFile = [this](TFileManager&, const std::string& name) {
            events.push_back("open " + ShortFileName(name));
            auto read = TDataEdit::Read(name);
            if (!read) return false;
            editor = std::move(read);
            editor->AddParameterValues(grid);
            return true;
        };
        files.OnSaveFile = [this](TFileManager&, const std::string& name) {
            events.push_back("save " + ShortFileName(name));
            return editor->SaveData(name);
        };
        files.OnUpDateFileName = [this](TFileManager&, const std::string&,
                                        const std::string& shortName) {
            caption = "Generator - " + shortName;
        };
        files.NewFile();
        events.clear();
    }

    TFileManager files;
    std::unique_ptr<TDataEdit> editor;
    test::MemoryGrid grid;
    std::string caption;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

}  // namespace

TEST(FileManager, StartsWithAnEmptyUntitledProject)
{
    RecordingUi ui;
    ProjectWindow window;
    EXPECT_EQ(window.files.FileName(), "Untitled.sfp");
    EXPECT_EQ(window.caption, "Generator - Untitled.sfp");
    EXPECT_FALSE(window.files.Modified());
    ASSERT_TRUE(window.editor);
    EXPECT_EQ(window.grid.Cell(1, 1), "          0.000");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FileManager, CancelOnTheUnsavedQuestionChangesNothing)
{
    RecordingUi ui;
    ProjectWindow window;
    window.editor->Edit(1, 10);
    window.files.MarkModified();
    const TDataEdit* const editor = window.editor.get();

    ui.answers = {MessageResult::Cancel, MessageResult::Cancel};
    window.files.NewFile();
    EXPECT_FALSE(window.files.CloseFile());
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(window.editor.get(), editor);
    EXPECT_TRUE(window.files.Modified());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Untitled.sfp is unsaved, Save?");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
}

TEST(FileManager, UnmodifiedProjectsCloseWithoutAsking)
{
    RecordingUi ui;
    ProjectWindow window;
    window.files.NewFile();
    EXPECT_TRUE(window.files.CloseFile());
    EXPECT_EQ(window.events, (Events{"close", "new", "close"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FileManager, SaveOfANeverSavedProjectFallsThroughToSaveAs)
{
    RecordingUi ui;
    TempDir dir;
    ProjectWindow window;
    window.files.MarkModified();

    window.files.SaveFile();  // dialog cancelled
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].fileName, "Untitled.sfp");
    EXPECT_EQ(ui.saveRequests[0].title, "Save Project");
    EXPECT_EQ(window.files.FileName(), "Untitled.sfp");
    EXPECT_TRUE(window.files.Modified());
    EXPECT_TRUE(window.events.empty());

    const std::string path = (dir / "boat.sfp").string();
    ui.saveAnswers = {path};
    window.files.SaveFile();
    EXPECT_EQ(window.files.FileName(), path);
    EXPECT_EQ(window.caption, "Generator - boat.sfp");
    EXPECT_FALSE(window.files.Modified());
    EXPECT_EQ(window.events, Events{"save boat.sfp"});

    window.files.MarkModified();
    window.files.SaveFile();  // named now: no dialog
    EXPECT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_EQ(window.events, (Events{"save boat.sfp", "save boat.sfp"}));
    EXPECT_FALSE(window.files.Modified());

    window.files.SaveFileAs();  // the dialog starts from the current name
    EXPECT_EQ(ui.saveRequests.back().fileName, path);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FileManager, OpenAsksFirstAndReplacesTheDocumentOnlyWithTheFileChosen)
{
    RecordingUi ui;
    ProjectWindow window;
    window.editor->Edit(1, 10);
    window.files.MarkModified();

    // No, then the dialog cancelled: the edits stay, still unsaved.
    ui.answers = {MessageResult::No};
    window.files.OpenFile();
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].fileName, "");
    EXPECT_EQ(ui.openRequests[0].title, "Open Project");
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(window.files.FileName(), "Untitled.sfp");
    EXPECT_TRUE(window.files.Modified());
    EXPECT_EQ(window.editor->GetValue(1), 10.0L);

    // Cancel on the question: no dialog at all.
    ui.answers = {MessageResult::Cancel};
    window.files.OpenFile();
    EXPECT_EQ(ui.openRequests.size(), 1u);
    EXPECT_TRUE(window.events.empty());

    ui.answers = {MessageResult::No};
    ui.openAnswers = {test::ExampleProject("cruiser-10m").string()};
    window.files.OpenFile();
    EXPECT_EQ(window.events, Events{"open cruiser-10m.sfp"});
    EXPECT_EQ(window.caption, "Generator - cruiser-10m.sfp");
    EXPECT_FALSE(window.files.Modified());
    EXPECT_EQ(window.editor->GetValue(1), 10.5L);
    EXPECT_EQ(window.grid.Cell(1, 1), "         10.500");
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST(FileManager, AFileThatCannotBeReadLeavesTheDocumentAsItWas)
{
    RecordingUi ui;
    TempDir dir;
    ProjectWindow window;
    ui.openAnswers = {test::ExampleProject("racer-12m").string()};
    window.files.OpenFile();
    window.editor->Edit(1, 13);
    window.files.MarkModified();
    const TDataEdit* const editor = window.editor.get();

    // Its third line is damaged: the two before it must not reach the design.
    test::WriteFileBytes(dir / "bad.sfp", "Loa=1.000\r\nLwl=0.500\r\nBMax=abc\r\n");
    ui.answers = {MessageResult::No};
    ui.openAnswers = {(dir / "bad.sfp").string()};
    window.files.OpenFile();
    EXPECT_EQ(ui.MessageTexts().back(), "Unable to convert field abc to real number format");
    EXPECT_EQ(window.editor.get(), editor);
    EXPECT_EQ(window.editor->GetValue(1), 13.0L);
    EXPECT_EQ(window.files.FileName(), test::ExampleProject("racer-12m").string());
    EXPECT_TRUE(window.files.Modified());

    // The same by name, as Recent Projects opens: nothing changes either.
    ui.answers = {MessageResult::No};
    EXPECT_FALSE(window.files.OpenFileNamed((dir / "missing.sfp").string()));
    EXPECT_EQ(window.editor.get(), editor);
    EXPECT_TRUE(window.files.Modified());
}

TEST(FileManager, YesSavesBeforeMovingOn)
{
    RecordingUi ui;
    TempDir dir;
    ProjectWindow window;
    window.editor->Edit(1, 12);
    window.files.MarkModified();
    ui.answers = {MessageResult::Yes};
    ui.saveAnswers = {(dir / "first.sfp").string()};
    window.files.NewFile();
    EXPECT_EQ(window.events, (Events{"save first.sfp", "close", "new"}));
    EXPECT_EQ(ReadFileBytes(dir / "first.sfp").substr(0, 12), "Loa=12.000\r\n");
    EXPECT_EQ(window.files.FileName(), "Untitled.sfp");
}

TEST(FileManager, YesWithoutASaveKeepsTheWork)
{
    RecordingUi ui;
    ProjectWindow window;
    window.editor->Edit(1, 12);
    window.files.MarkModified();
    ui.answers = {MessageResult::Yes, MessageResult::Yes};
    window.files.NewFile();                  // the save dialog is cancelled
    EXPECT_FALSE(window.files.CloseFile());  // again
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(window.editor->GetValue(1), 12.0L);
    EXPECT_TRUE(window.files.Modified());
}

TEST(FileManager, FailedSaveKeepsTheOldFileAndStaysModified)
{
    RecordingUi ui;
    TempDir dir;
    ProjectWindow window;
    const auto path = dir / "boat.sfp";
    ui.saveAnswers = {path.string()};
    window.editor->Edit(1, 10);
    window.files.SaveFileAs();
    const std::string saved = ReadFileBytes(path);

    window.editor->Edit(1, 11);
    window.files.MarkModified();
    {
        const test::FailingWrites failing(5);
        window.files.SaveFile();
    }
    EXPECT_EQ(ReadFileBytes(path), saved);
    EXPECT_TRUE(window.files.Modified());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Error writing boat.sfp"});

    // So closing asks, and a No is the user's own choice.
    ui.answers = {MessageResult::No};
    EXPECT_TRUE(window.files.CloseFile());
    EXPECT_EQ(ui.messages.back().text, "boat.sfp is unsaved, Save?");
}

TEST(FileManager, UnassignedDialogsAreReported)
{
    RecordingUi ui;
    TFileManager files;
    files.UnSavedName = "Untitled.txt";
    int saves = 0;
    files.OnSaveFile = [&saves](TFileManager&, const std::string&) { return ++saves > 0; };
    files.NewFile();
    files.OpenFile();
    files.SaveFile();
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{"Open Dialog Unassigned", "Save Dialog Unassigned"}));
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(ui.openRequests.empty() && ui.saveRequests.empty());
}

TEST(FileManager, RefreshFileNameNamesAnEmptyDocument)
{
    TFileManager files;
    files.UnSavedName = "Untitled.txt";
    std::vector<std::pair<std::string, std::string>> names;
    files.OnUpDateFileName = [&names](TFileManager&, const std::string& full,
                                      const std::string& shortName) {
        names.emplace_back(full, shortName);
    };
    files.RefreshFileName();
    EXPECT_EQ(files.FileName(), "Untitled.txt");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(),
              std::make_pair(std::string("Untitled.txt"), std::string("Untitled.txt")));
    names.clear();
    files.SetFileName("/home/designer/reports/boat.rpt");
    files.RefreshFileName();
    EXPECT_EQ(names.size(), 2u);
    EXPECT_EQ(names.back().second, "boat.rpt");
}

TEST(FileManager, TellsEveryChangeOfTheModifiedStateOnce)
{
    RecordingUi ui;
    TempDir dir;
    ProjectWindow window;
    std::vector<bool> told;
    window.files.OnModifiedChanged = [&told](TFileManager& sender) { told.push_back(sender.Modified()); };

    window.files.MarkModified();
    window.files.MarkModified();
    EXPECT_EQ(told, std::vector<bool>{true});
    {
        const test::FailingWrites failing(1);
        ui.saveAnswers = {(dir / "boat.sfp").string()};
        window.files.SaveFile();  // fails: still modified, nothing new to tell
    }
    EXPECT_EQ(told, std::vector<bool>{true});
    ui.saveAnswers = {(dir / "boat.sfp").string()};
    window.files.SaveFileAs();
    EXPECT_EQ(told, (std::vector<bool>{true, false}));

    window.files.MarkModified();
    ui.answers = {MessageResult::Cancel};
    window.files.NewFile();  // cancelled: stays modified
    ui.answers = {MessageResult::No};
    window.files.NewFile();
    EXPECT_EQ(told, (std::vector<bool>{true, false, true, false}));
}
