#include "generator/GeneratorWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>

#include "CadExport.h"
#include "analysis/ResistanceCurve.h"
#include "analysis/ResistanceOptimiser.h"
#include "curve/ResistanceCurveWindow.h"
#include "curve/StabilityWindow.h"
#include "export/Gf1Export.h"
#include "export/HullOutlineExport.h"
#include "export/LinesPlanDxf.h"
#include "export/OffsetsCsv.h"
#include "export/StlFile.h"
#include "frame/FrameServices.h"
#include "generator/ConsoleMemo.h"
#include "generator/OffsetLevelsDialog.h"
#include "generator/ParameterTable.h"
#include "generator/ResistanceDialog.h"
#include "analysis/DesignCheck.h"
#include "analysis/HullCheck.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"
#include "model/GeneratedHull.h"
#include "model/ParameterCommit.h"
#include "model/ParameterTable.h"
#include "model/ProjectFile.h"
#include "model/ShortFileName.h"
#include "platform/FixedPitchFont.h"
#include "platform/UiServices.h"
#include "report/ReportWindow.h"
#include "settings/Settings.h"

namespace {

constexpr int kSplitterWidth = 3;

// Posted after a run that follows the edits, behind the views' paint.
const QEvent::Type kRunVerdictEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// The frame's buttons this window enables while it is active.
const FrameButton kWindowButtons[] = {
    FrameButton::ZoomAll, FrameButton::ZoomWindow, FrameButton::ZoomIn,    FrameButton::ZoomOut,
    FrameButton::Pan,     FrameButton::Generator,  FrameButton::Resistance,
};
// The frame's buttons a run disables on top of the frame's own run mode.
const FrameButton kRunDisabledButtons[] = {
    FrameButton::ZoomAll, FrameButton::ZoomWindow, FrameButton::ZoomIn,
    FrameButton::ZoomOut, FrameButton::Pan,        FrameButton::Resistance,
};

}  // namespace

GeneratorWindow::GeneratorWindow(FrameServices& frame, QWidget* parent)
    : ChildWindow(parent),
      frame_(frame),
      table_(new ParameterTable),
      console_(new QPlainTextEdit),
      splitter_(new QSplitter(Qt::Horizontal)),
      liveRuns_([this] { regenerateWhileEditing(); })
{
    console_->setObjectName("Memo1");
    console_->setReadOnly(true);
    console_->setLineWrapMode(QPlainTextEdit::NoWrap);
    console_->setFont(FixedPitchFont());
    console_->setUndoRedoEnabled(false);
    console_->setPlainText("Sloopform\nSailing-yacht hull lines from nineteen parameters");
    consoleMemo_ = std::make_unique<ConsoleMemo>(*console_);

    // The line follows the mouse and the table takes the new width on release.
    splitter_->setOpaqueResize(false);
    splitter_->setHandleWidth(kSplitterWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(table_);
    splitter_->addWidget(console_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { splitterMoved_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_, 1);
    // One line under the table and the console, like a status bar.
    methodLabel_ = new QLabel;
    methodLabel_->setObjectName("MethodLabel");
    methodLabel_->setContentsMargins(4, 1, 4, 1);
    methodLabel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(methodLabel_);

    connect(table_, &ParameterTable::commitRequested, this, &GeneratorWindow::commitRow);
    buildMenus();
    connectProjectEvents();
    project_.NewFile();
}

GeneratorWindow::~GeneratorWindow() = default;

QSize GeneratorWindow::sizeHint() const
{
    return {ChildWindow::sizeHint().width(),
            table_->preferredHeight() + layout()->spacing() + methodLabel_->sizeHint().height()};
}

void GeneratorWindow::resizeEvent(QResizeEvent* event)
{
    ChildWindow::resizeEvent(event);
    // Until the splitter is moved, the table is as wide as its columns and
    // the console takes the rest.
    if (splitterMoved_) return;
    const int tableWidth = table_->preferredWidth();
    splitter_->setSizes({tableWidth, std::max(0, splitter_->width() - tableWidth - kSplitterWidth)});
}

void GeneratorWindow::connectProjectEvents()
{
    project_.UnSavedName = sloopform::kProjectUnSavedName;
    project_.OpenDialog = sloopform::ProjectOpenDialog();
    project_.SaveDialog = sloopform::ProjectSaveDialog();
    // The editor of a closed project is replaced when the next one is created,
    // so a program close refused by another window keeps a working project.
    project_.OnNewFile = [this](sloopform::TFileManager&) {
        editor_ = std::make_unique<sloopform::TDataEdit>();
        editor_->AddParameterNames(*table_);
        designReplaced(project_.FileName());
    };
    project_.OnOpenFile = [this](sloopform::TFileManager&, const std::string& fileName) {
        // Read whole before anything is replaced: a file that cannot be read
        // leaves the design as it was.
        std::unique_ptr<sloopform::TDataEdit> read = sloopform::TDataEdit::Read(fileName);
        if (!read) return false;
        editor_ = std::move(read);
        consoleMemo_->ClearText();  // the console told of the design before
        designReplaced(fileName);
        // The values stay as read so the user can mend those the table refuses.
        editor_->StoredValuesAccepted();
        return true;
    };
    project_.OnSaveFile = [this](sloopform::TFileManager&, const std::string& fileName) {
        const bool saved = editor_->SaveData(fileName);
        if (saved) {
            history_.MarkSaved(editor_->Hull(), fileName, editor_->Vcg());
            savedDesign_ = editor_->Design();
        }
        return saved;
    };
    project_.OnUpDateFileName = [this](sloopform::TFileManager&, const std::string&,
                                       const std::string& shortName) {
        setWindowTitle("Generator - " + QString::fromStdString(shortName));
        frame_.projectNamed(QString::fromStdString(shortName));
    };
    project_.OnModifiedChanged = [this](sloopform::TFileManager& sender) {
        frame_.projectModifiedChanged(sender.Modified());
        emit projectModifiedChanged(sender.Modified());
    };
}

void GeneratorWindow::designReplaced(const std::string& fileName)
{
    editor_->AddParameterValues(*table_);
    optimum_.reset();
    history_.Reset(editor_->Hull(), fileName, editor_->Vcg());
    savedDesign_ = editor_->Design();
    updateEditItems();
    showDesignSettings();
    frame_.setRunVerdict({});
    emit designSettingsChanged();
    emit frame_.notices().hullDimensionsChanged();
    emit frame_.notices().quickCalcRefresh();
    // The report was of the design before: asked about, then started afresh.
    if (auto* report = qobject_cast<ReportWindow*>(frame_.child(ChildRole::Report))) report->newDocument();
}

void GeneratorWindow::buildMenus()
{
    const auto item = [this](QMenu* menu, const QString& text, auto handler,
                             QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(text, this, handler);
        action->setShortcut(shortcut);
        runModeItems_.append(action);
        return action;
    };
    fileMenu_ = new QMenu("&File", this);
    item(fileMenu_, "&New Project", [this] { newDocument(); });
    item(fileMenu_, "&Open Project...", [this] { openDocument(); }, QKeySequence(Qt::Key_F3));
    fileMenu_->addMenu(frame_.recentProjectsMenu());
    item(fileMenu_, "&Save Project", [this] { saveDocument(); }, QKeySequence(Qt::Key_F12));
    item(fileMenu_, "Save Project &As...", [this] { saveProjectAs(); });
    fileMenu_->addSeparator();
    item(fileMenu_, "&Print", [] {}, QKeySequence(Qt::CTRL | Qt::Key_P));
    item(fileMenu_, "Print Settings...", [] {});
    fileMenu_->addSeparator();
    item(fileMenu_, "Preferences...", [this] { frame_.openPreferences(); });
    QMenu* exportMenu = fileMenu_->addMenu("&Export");
    runModeItems_.append(exportMenu->menuAction());
    exportMenu->addAction("AutoSHIP (*.gf1)", this, [this] { exportGf1(); });
    exportMenu->addAction("AutoCAD - Hull Outlines (*.dxf)", this, [this] { exportDxf(); });
    exportMenu->addAction("Lines Plan DXF...", this, [this] { sloopform::ExportLinesPlanDxf(editor_->Hull(), project_.FileName()); });
    using sloopform::cad::CadFormat;
    exportMenu->addAction("Export STEP...", this,
                          [this] { sloopform::cad::ExportHullCad(editor_->Hull(), CadFormat::Step, project_.FileName()); });
    exportMenu->addAction("Export IGES...", this,
                          [this] { sloopform::cad::ExportHullCad(editor_->Hull(), CadFormat::Iges, project_.FileName()); });
    exportMenu->addAction("Export STL...", this, [this] {
        sloopform::ExportHullStl(editor_->Hull(), sloopform::kDefaultMeshToleranceMm, project_.FileName());
    });
    item(fileMenu_, "Export Offsets...", [this] { exportOffsets(); })->setObjectName("ExportOffsets1");
    item(fileMenu_, "Offset Levels...", [this] { chooseOffsetLevels(); })->setObjectName("OffsetLevels1");
    fileMenu_->addSeparator();
    item(fileMenu_, "E&xit", [this] { frame_.frameWindow()->close(); });

    buildEditMenu();

    runMenu_ = new QMenu("&Run", this);
    item(runMenu_, "&Run Generator", [this] { runGenerator(); }, QKeySequence(Qt::Key_F9));
    item(runMenu_, "Resistance &Optimisation", [this] { resistanceOptimisation(); });
    item(runMenu_, "Resistance &Curve...", [this] { resistanceCurve(); })->setObjectName("ResistanceCurve1");
    item(runMenu_, "&Stability...", [this] { stability(); })->setObjectName("Stability1");
    buildMethodMenu();
}

void GeneratorWindow::buildMethodMenu()
{
    QMenu* methods = runMenu_->addMenu("Generator &Method");
    methods->menuAction()->setObjectName("GeneratorMethod1");
    runModeItems_.append(methods->menuAction());
    auto* group = new QActionGroup(this);
    for (const auto method : {sloopform::GeneratorMethod::Classic, sloopform::GeneratorMethod::Robust}) {
        const QString name = sloopform::GeneratorMethodName(method);
        QAction* action = methods->addAction("&" + name);
        action->setObjectName(name + "Method1");
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, method] {
            sloopform::DesignSettings settings = editor_->Design();
            settings.Method = method;
            setDesignSettings(settings);
        });
        methodItems_.append(action);
    }
}

void GeneratorWindow::showDesignSettings()
{
    const sloopform::GeneratorMethod method = editor_->Design().Method;
    for (QAction* item : methodItems_)
        item->setChecked(item->objectName() == QString(sloopform::GeneratorMethodName(method)) + "Method1");
    methodLabel_->setText(QStringLiteral("Generator method: %1").arg(sloopform::GeneratorMethodName(method)));
}

void GeneratorWindow::setDesignSettings(const sloopform::DesignSettings& settings)
{
    if (settings == editor_->Design()) return;
    editor_->Design() = settings;
    showDesignSettings();
    noteValues();
    emit designSettingsChanged();
}

void GeneratorWindow::buildEditMenu()
{
    editMenu_ = new QMenu("&Edit", this);
    undoItem_ = editMenu_->addAction("&Undo", this, [this] { undo(); });
    undoItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoItem_ = editMenu_->addAction("&Redo", this, [this] { redo(); });
    redoItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    updateEditItems();
}

// The Edit menu shares File's group: it follows File and replaces no group
// of the frame that File does not replace already.
QList<MenuGroup> GeneratorWindow::menuGroups() const
{
    return {{1, fileMenu_}, {1, editMenu_}, {2, runMenu_}};
}

void GeneratorWindow::childActivated()
{
    // A run keeps the buttons as run mode left them.
    if (frame_.inRunMode()) return;
    setViewButtonsEnabled(true);
    frame_.setDocumentTarget(DocumentTargetId::Project);
    frame_.setViewTarget(ViewTargetId::LinesPlan);
}

void GeneratorWindow::childDeactivated()
{
    if (frame_.inRunMode()) return;
    setViewButtonsEnabled(false);
}

void GeneratorWindow::setViewButtonsEnabled(bool enabled)
{
    for (FrameButton id : kWindowButtons) frame_.button(id)->setEnabled(enabled);
}

void GeneratorWindow::setCommandsEnabled(bool enabled)
{
    for (QAction* action : runModeItems_) action->setEnabled(enabled);
}

bool GeneratorWindow::queryClose()
{
    // The run works on this window's hull record until it returns.
    if (frame_.inRunMode()) return false;
    table_->commitPendingEdit();
    return project_.CloseFile();
}

void GeneratorWindow::newDocument()
{
    table_->commitPendingEdit();
    project_.NewFile();
}

void GeneratorWindow::openDocument()
{
    table_->commitPendingEdit();
    project_.OpenFile();
    rememberProject();
}

void GeneratorWindow::saveDocument()
{
    table_->commitPendingEdit();
    project_.SaveFile();
    rememberProject();
}

void GeneratorWindow::saveProjectAs()
{
    table_->commitPendingEdit();
    project_.SaveFileAs();
    rememberProject();
}

void GeneratorWindow::openProjectFile(const QString& path)
{
    table_->commitPendingEdit();
    openProject(path);
    rememberProject();
}

void GeneratorWindow::rememberProject()
{
    // Not after a cancelled dialog or question, nor a failed open or save.
    if (project_.FileName() != project_.UnSavedName && !project_.Modified())
        frame_.projectFileUsed(QString::fromStdString(project_.FileName()));
}

void GeneratorWindow::openProject(const QString& path)
{
    project_.OpenFileNamed(path.toStdString());
}

void GeneratorWindow::runGenerator()
{
    if (frame_.inRunMode()) return;
    // Run stops a run that follows the edits, as it stops a run of its own.
    if (liveRuns_.Running()) {
        sloopform::CancelGeneration();
        return;
    }
    table_->commitPendingEdit();
    // The design is kept before the values are checked: a refused run is
    // unsaved work all the same.
    emit runStarting();
    if (!editor_->StoredValuesAccepted()) return;
    runOnRecord_ = true;
    updateEditItems();
    frame_.showChild(ChildRole::Generator);
    for (FrameButton id : kRunDisabledButtons) frame_.button(id)->setEnabled(false);
    frame_.enterRunMode();
    setCommandsEnabled(false);

    const std::optional<std::string> fault = generate(editor_->Hull());
    emit frame_.notices().repaintViews();
    showRunVerdict();
    refreshStability();

    frame_.leaveRunMode();
    for (FrameButton id : kRunDisabledButtons) frame_.button(id)->setEnabled(true);
    setCommandsEnabled(true);
    runOnRecord_ = false;
    updateEditItems();
    if (fault) sloopform::Ui().ShowError(*fault, sloopform::kGlobalHandlerOrigin);
}

void GeneratorWindow::regenerateWhileEditing()
{
    // Values a run refuses wait for the designer, who hears of them on Run.
    if (!sloopform::StoredParameterFaults(editor_->Hull()).empty()) return;
    emit runStarting();
    const sloopform::TDataEdit* const editor = editor_.get();
    sloopform::HullRecord hull = editor_->Hull();
    const std::optional<std::string> fault = generate(hull);
    // A run overtaken by another edit has nothing to show: the next run follows.
    if (editor_.get() != editor ||
        sloopform::StoredParameterValues(hull) != sloopform::StoredParameterValues(editor_->Hull()))
        return;
    editor_->Hull() = hull;
    emit frame_.notices().repaintViews();
    // The figures and the hull check take as long as the run: they follow
    // once the views have shown the hull.
    if (!verdictPosted_) {
        verdictPosted_ = true;
        QCoreApplication::postEvent(this, new QEvent(kRunVerdictEvent), Qt::LowEventPriority);
    }
    if (fault) sloopform::Ui().ShowError(*fault, sloopform::kGlobalHandlerOrigin);
}

std::optional<std::string> GeneratorWindow::generate(sloopform::HullRecord& hull)
{
    console_->clear();
    // A stage error ends the run like a cancel does, then is shown as the
    // global handler shows any error nothing else handled.
    std::optional<std::string> fault;
    try {
        sloopform::RunGeneration(hull, frame_.console(), sloopform::ProgramSettings().Goals,
                                 editor_->Design().Method);
    } catch (const std::exception& error) {
        fault = error.what();
    }
    consoleMemo_->flush();
    return fault;
}

bool GeneratorWindow::event(QEvent* event)
{
    if (event->type() != kRunVerdictEvent) return ChildWindow::event(event);
    verdictPosted_ = false;
    showRunVerdict();
    refreshStability();
    return true;
}

void GeneratorWindow::showRunVerdict()
{
    const sloopform::HullRecord& hull = editor_->Hull();
    if (!hull.HullComplete) {
        frame_.setRunVerdict({});
        return;
    }
    QString verdict = QString::fromStdString(sloopform::DesignCheckVerdict(sloopform::CheckDesign(hull)));
    const std::vector<std::string> faults = sloopform::HullCheckLines(hull);
    if (!faults.empty()) {
        verdict += QStringLiteral("; hull check: %1").arg(QString::fromStdString(faults.front()));
        if (faults.size() > 1)
            verdict += QStringLiteral(" (and %1 more: Insert Hull Check in the report)").arg(faults.size() - 1);
    }
    frame_.setRunVerdict(verdict);
}

void GeneratorWindow::resistanceOptimisation()
{
    table_->commitPendingEdit();
    if (!sloopform::OptimisationParametersPresent(editor_->Hull()) || !editor_->StoredValuesAccepted())
        return;
    auto* report = qobject_cast<ReportWindow*>(frame_.child(ChildRole::Report));
    ResistanceDialog dialog(*editor_, frame_.console(), report ? &report->reportOutput() : nullptr,
                            this);
    // Each Apply is one step of the history; a run follows once the dialog is closed.
    sloopform::ParameterValues before = sloopform::StoredParameterValues(editor_->Hull());
    bool applied = false;
    connect(&dialog, &ResistanceDialog::parametersApplied, this, [&] {
        history_.Record(before, editor_->Hull());
        before = sloopform::StoredParameterValues(editor_->Hull());
        applied = true;
        editor_->AddParameterValues(*table_);
        noteValues();
    });
    connect(&dialog, &ResistanceDialog::optimumFound, this,
            [this](const sloopform::ResistanceOptimiser::Optimum& optimum, sloopform::Real48 fn) {
                const auto design = sloopform::ResistanceParametersOf(editor_->Hull());
                optimum_ = FoundOptimum{sloopform::OptimumParameters(design, optimum), fn};
                if (curveWindow_) curveWindow_->setOptimum(optimum_);
            });
    dialog.exec();
    editor_->AddParameterValues(*table_);
    emit frame_.notices().quickCalcRefresh();
    if (applied) valuesChanged();
}

void GeneratorWindow::commitRow(int row)
{
    const sloopform::ParameterValues before = sloopform::StoredParameterValues(editor_->Hull());
    sloopform::CommitParameterValue(*editor_, *table_, row);
    history_.Record(before, editor_->Hull());
    valuesChanged();
}

void GeneratorWindow::undo()
{
    if (runOnRecord_) return;
    table_->commitPendingEdit();
    showRestored(history_.Undo(*editor_));
}

void GeneratorWindow::redo()
{
    if (runOnRecord_) return;
    table_->commitPendingEdit();
    showRestored(history_.Redo(*editor_));
}

void GeneratorWindow::showRestored(const std::vector<int>& rows)
{
    // A step of the VCG alone changes no row: the curve follows it.
    if (rows.empty()) {
        noteValues();
        refreshStability();
        return;
    }
    editor_->AddParameterValues(*table_);
    table_->setCurrentCell(rows.front() - 1, sloopform::kValueColumn);
    valuesChanged();
}

void GeneratorWindow::noteValues()
{
    project_.SetModified(history_.DiffersFromSaved(editor_->Hull(), project_.FileName(), editor_->Vcg()) ||
                         editor_->Design() != savedDesign_);
    updateEditItems();
}

void GeneratorWindow::valuesChanged()
{
    noteValues();
    // The word on a hull that is gone goes with it.
    if (!editor_->Hull().HullComplete) frame_.setRunVerdict({});
    if (sloopform::ProgramSettings().RegenerateWhileEditing) liveRuns_.Request();
}

void GeneratorWindow::updateEditItems()
{
    const bool editable = !runOnRecord_;
    const auto caption = [](const std::string& text) {
        return text.empty() ? QString() : " " + QString::fromStdString(text);
    };
    undoItem_->setText("&Undo" + caption(history_.UndoCaption()));
    undoItem_->setEnabled(editable && history_.CanUndo());
    redoItem_->setText("&Redo" + caption(history_.RedoCaption()));
    redoItem_->setEnabled(editable && history_.CanRedo());
}

void GeneratorWindow::resistanceCurve()
{
    table_->commitPendingEdit();
    const sloopform::HullRecord& hull = editor_->Hull();
    if (!sloopform::GeneratedOrSaySo(hull) || !sloopform::OptimisationParametersPresent(hull) ||
        !editor_->StoredValuesAccepted())
        return;
    if (!curveWindow_) {
        curveWindow_ = new ResistanceCurveWindow(this);
        curveWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    curveWindow_->setDesign(QString::fromStdString(sloopform::ShortFileName(project_.FileName())),
                            sloopform::ResistanceParametersOf(hull), optimum_);
    curveWindow_->show();
    curveWindow_->raise();
    curveWindow_->activateWindow();
}

void GeneratorWindow::stability()
{
    table_->commitPendingEdit();
    if (!sloopform::GeneratedOrSaySo(editor_->Hull())) return;
    if (!stabilityWindow_) {
        stabilityWindow_ = new StabilityWindow(this);
        stabilityWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(stabilityWindow_, &StabilityWindow::vcgChanged, this, &GeneratorWindow::setProjectVcg);
    }
    refreshStability();
    stabilityWindow_->show();
    stabilityWindow_->raise();
    stabilityWindow_->activateWindow();
}

void GeneratorWindow::refreshStability()
{
    if (!stabilityWindow_ || !editor_->Hull().HullComplete) return;
    const std::optional<sloopform::Real48>& vcg = editor_->Vcg();
    stabilityWindow_->setDesign(QString::fromStdString(sloopform::ShortFileName(project_.FileName())),
                                editor_->Hull(), vcg ? std::optional<double>(vcg->Value()) : std::nullopt);
}

void GeneratorWindow::setProjectVcg(double vcg)
{
    const std::optional<sloopform::Real48> before = editor_->Vcg();
    editor_->SetVcg(sloopform::Real48(vcg));
    history_.RecordVcg(before, editor_->Vcg());
    noteValues();
}

void GeneratorWindow::exportGf1() { sloopform::ExportGF1(editor_->Hull(), project_.FileName()); }

void GeneratorWindow::exportDxf() { sloopform::ExportHullOutlines(editor_->Hull(), project_.FileName()); }

void GeneratorWindow::exportOffsets()
{
    sloopform::ExportOffsets(editor_->Hull(), editor_->Design().Offsets, project_.FileName());
}

void GeneratorWindow::chooseOffsetLevels()
{
    const sloopform::HullRecord& hull = editor_->Hull();
    std::optional<sloopform::OffsetLevels> defaults;
    if (hull.HullComplete) defaults = sloopform::DefaultOffsetLevels(hull);
    OffsetLevelsDialog dialog(editor_->Design().Offsets, defaults, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto levels = dialog.levels();
    if (!levels) return;
    sloopform::DesignSettings settings = editor_->Design();
    settings.Offsets = *levels;
    setDesignSettings(settings);
}

sloopform::TextMemo& GeneratorWindow::consoleMemo() { return *consoleMemo_; }
