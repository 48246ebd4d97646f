#pragma once
#include <QList>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>

#include "curve/FoundOptimum.h"
#include "frame/ChildWindow.h"
#include "frame/FrameTargets.h"
#include "generator/LiveRegeneration.h"
#include "model/FileManager.h"
#include "model/ParameterHistory.h"
#include "settings/DesignSettings.h"

class FrameServices;
class ParameterTable;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class ConsoleMemo;
class ResistanceCurveWindow;
class StabilityWindow;

namespace sloopform {
class TDataEdit;
class TextMemo;
}  // namespace sloopform

// The generator window: the parameter table, a splitter and the run console.
// It owns the project's file manager and the parameter editor, and carries
// the run and resistance optimisation commands.
class GeneratorWindow : public ChildWindow, public DocumentTarget, public GeneratorCommands {
    Q_OBJECT
public:
    explicit GeneratorWindow(FrameServices& frame, QWidget* parent = nullptr);
    ~GeneratorWindow() override;

    // As tall as the whole parameter table and the method line under it.
    QSize sizeHint() const override;
    QList<MenuGroup> menuGroups() const override;
    void childActivated() override;
    void childDeactivated() override;
    bool queryClose() override;

    // DocumentTarget: the project.
    void newDocument() override;
    void openDocument() override;
    void saveDocument() override;
    void printDocument() override {}

    // GeneratorCommands.
    void runGenerator() override;
    void resistanceOptimisation() override;
    // The resistance curve window of the generated design, and of the
    // optimum the optimisation dialog found for this project.
    void resistanceCurve();
    // The stability window of the generated design at the project's VCG,
    // which the window may change as an undoable step.
    void stability();
    void exportGf1() override;
    void exportDxf() override;
    // The offsets table at the design's levels, to a CSV file.
    void exportOffsets();
    // The dialog that sets those levels.
    void chooseOffsetLevels();
    // The design's method, offset levels and lines-plan check marks; the
    // project is modified while they differ from its file's.
    void setDesignSettings(const sloopform::DesignSettings& settings);
    void saveProjectAs() override;
    void openProjectFile(const QString& path) override;

    // The last parameter commit taken back, or put back again.
    void undo();
    void redo();

    // Opens the project at `path` without asking for a name and without
    // listing it among the recent projects (a recovered copy).
    void openProject(const QString& path);

    // Memo1: the console memo SConsole is bound to after start-up.
    sloopform::TextMemo& consoleMemo();

    sloopform::TDataEdit& parameters() { return *editor_; }
    sloopform::TFileManager& project() { return project_; }
    ParameterTable& table() { return *table_; }
    QPlainTextEdit& console() { return *console_; }
    QSplitter& splitter() { return *splitter_; }

signals:
    // A run is about to start on the current design.
    void runStarting();
    // The project's values came to differ from its file's, or no longer do.
    void projectModifiedChanged(bool modified);
    // Another design was started or opened, or its settings were changed.
    void designSettingsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildEditMenu();
    void buildMethodMenu();
    // The Run menu's method and the window's method line follow the design.
    void showDesignSettings();
    // A design was started or read: nothing of it is unsaved yet.
    void designReplaced(const std::string& fileName);
    void connectProjectEvents();
    void setCommandsEnabled(bool enabled);
    void setViewButtonsEnabled(bool enabled);
    // Lists the project among the recent ones when it is now a copy of its file.
    void rememberProject();
    // Runs the generator on `hull` into a cleared console; the error that
    // ended the run, if one did.
    std::optional<std::string> generate(sloopform::HullRecord& hull);
    // The run that follows an edit. It takes no run mode: the window keeps
    // taking edits, so the run works on a copy of the record, kept only when
    // no value changed meanwhile.
    void regenerateWhileEditing();
    void commitRow(int row);
    // The table shows the values an undo or redo put back in `rows`.
    void showRestored(const std::vector<int>& rows);
    // The modified state and the Edit items for the values now stored.
    void noteValues();
    // After every commit, undo or redo: noteValues and, when the preference
    // asks for it, a run.
    void valuesChanged();
    void updateEditItems();
    // Says in the status bar whether the hull just run meets the requested
    // figures and what the hull check finds on it.
    void showRunVerdict();
    // The stability window, when open, redrawn for the hull and VCG now held.
    void refreshStability();
    void setProjectVcg(double vcg);

    FrameServices& frame_;
    sloopform::TFileManager project_;
    std::unique_ptr<sloopform::TDataEdit> editor_;
    ParameterTable* table_;
    QPlainTextEdit* console_;
    std::unique_ptr<ConsoleMemo> consoleMemo_;
    QSplitter* splitter_;
    bool splitterMoved_ = false;

    std::optional<FoundOptimum> optimum_;
    QPointer<ResistanceCurveWindow> curveWindow_;
    QPointer<StabilityWindow> stabilityWindow_;
    sloopform::ParameterHistory history_;
    // The settings the project's file holds.
    sloopform::DesignSettings savedDesign_;
    sloopform::LiveRegeneration liveRuns_;
    // A run writes the editor's own record: the values must stay as they are.
    bool runOnRecord_ = false;
    bool verdictPosted_ = false;

    QMenu* fileMenu_;
    QMenu* editMenu_;
    QAction* undoItem_;
    QAction* redoItem_;
    QMenu* runMenu_;
    QList<QAction*> methodItems_;
    QLabel* methodLabel_;
    // The items disabled while the generator runs.
    QList<QAction*> runModeItems_;
};
