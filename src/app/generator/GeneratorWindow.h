#pragma once
#include <QList>
#include <QPointer>
#include <memory>
#include <optional>

#include "curve/FoundOptimum.h"
#include "frame/ChildWindow.h"
#include "frame/FrameTargets.h"
#include "model/FileManager.h"

class FrameServices;
class ParameterTable;
class QAction;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class ConsoleMemo;
class ResistanceCurveWindow;

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

    // As tall as the whole parameter table.
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
    void exportGf1() override;
    void exportDxf() override;
    // The offsets table at the levels of the settings, to a CSV file.
    void exportOffsets();
    // The dialog that sets those levels.
    void chooseOffsetLevels();
    void saveProjectAs() override;
    void openProjectFile(const QString& path) override;

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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void connectProjectEvents();
    void setCommandsEnabled(bool enabled);
    void setViewButtonsEnabled(bool enabled);
    // Lists the project among the recent ones when it is now a copy of its file.
    void rememberProject();
    void generate();
    // Says in the status bar whether the hull just run meets the requested
    // figures and what the hull check finds on it.
    void showRunVerdict();

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

    QMenu* fileMenu_;
    QMenu* runMenu_;
    // The items disabled while the generator runs.
    QList<QAction*> runModeItems_;
};
