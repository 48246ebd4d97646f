#include "report/ReportWindow.h"

#include <QFontDialog>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QVBoxLayout>

#include "analysis/ExactHydrostaticsReport.h"
#include "analysis/DesignCheck.h"
#include "analysis/HullCheckReport.h"
#include "analysis/StabilityReport.h"
#include "analysis/HydrostaticsReport.h"
#include "analysis/OffsetsReport.h"
#include "views/DrawnHull.h"
#include "frame/FrameServices.h"
#include "model/DataEdit.h"
#include "model/ReportFile.h"
#include "model/ShortFileName.h"
#include "report/ReportMemo.h"
#include "report/TextPrinting.h"
#include "settings/Settings.h"

using sloopform::TFileManager;

namespace {

const FrameButton kReportButtons[] = {
    FrameButton::Cut,  FrameButton::Copy,       FrameButton::Paste,        FrameButton::Delete,
    FrameButton::Font, FrameButton::Parameters, FrameButton::Hydrostatics,
};

template <typename Slot>
QAction* AddItem(QMenu* menu, const char* objectName, const QString& text, const QKeySequence& key,
                 Slot slot)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(objectName);
    item->setShortcut(key);
    QObject::connect(item, &QAction::triggered, menu, slot);
    return item;
}

}  // namespace

ReportWindow::ReportWindow(FrameServices& frame, QWidget* parent)
    : ChildWindow(parent), frame_(frame), memo_(new ReportMemo(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    report_.SetOutputMemo(memo_);
    memo_->installEventFilter(this);
    connect(memo_, &QPlainTextEdit::textChanged, this, &ReportWindow::memoChanged);

    buildMenus();
    connectFileManager();
    files_.RefreshFileName();
    files_.NewFile();
}

void ReportWindow::buildMenus()
{
    fileMenu_ = new QMenu("&File", this);
    AddItem(fileMenu_, "NewProject1", "&New Project", {}, [this] {
        if (frame_.targets().project) frame_.targets().project->newDocument();
    });
    AddItem(fileMenu_, "OpenProject1", "&Open Project...", Qt::Key_F3, [this] {
        if (frame_.targets().project) frame_.targets().project->openDocument();
    });
    fileMenu_->addMenu(frame_.recentProjectsMenu());
    AddItem(fileMenu_, "SaveProject1", "&Save Project", Qt::Key_F12, [this] {
        if (frame_.targets().project) frame_.targets().project->saveDocument();
    });
    AddItem(fileMenu_, "SaveProjectAs1", "Save Project &As...", {}, [this] {
        if (frame_.targets().generator) frame_.targets().generator->saveProjectAs();
    });
    fileMenu_->addSeparator();
    AddItem(fileMenu_, "NewReport1", "New Report", {}, [this] { newDocument(); });
    AddItem(fileMenu_, "OpenReport1", "Open Report...", {}, [this] { openDocument(); });
    AddItem(fileMenu_, "SaveReport1", "Save Report", {}, [this] { saveDocument(); });
    AddItem(fileMenu_, "SaveReportAs1", "Save Report As...", {}, [this] { saveDocumentAs(); });
    fileMenu_->addSeparator();
    QAction* print = AddItem(fileMenu_, "Print1", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P),
                             [this] { printDocument(); });
    AddItem(fileMenu_, "PrintSettings1", "Print Se&ttings...", {}, [this] { printSettings(); });
    fileMenu_->addSeparator();
    AddItem(fileMenu_, "Preferences1", "Preferences...", {}, [this] { frame_.openPreferences(); });
    QMenu* exportMenu = fileMenu_->addMenu("Export");
    AddItem(exportMenu, "ExportGf1", "AutoSHIP (*.gf1)", {}, [this] {
        if (frame_.targets().generator) frame_.targets().generator->exportGf1();
    });
    AddItem(exportMenu, "ExportDxf1", "AutoCAD - Hull Outlines (*.dxf)", {}, [this] {
        if (frame_.targets().generator) frame_.targets().generator->exportDxf();
    });
    fileMenu_->addSeparator();
    AddItem(fileMenu_, "Exit1", "E&xit", {}, [this] { frame_.frameWindow()->close(); });

    editMenu_ = new QMenu("&Edit", this);
    // The editor takes Ctrl+Z and Ctrl+Shift+Z itself; the items show that it can.
    QAction* undo = AddItem(editMenu_, "Undo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { memo_->undo(); });
    QAction* redo = AddItem(editMenu_, "Redo1", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                            [this] { memo_->redo(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(memo_, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
    connect(memo_, &QPlainTextEdit::redoAvailable, redo, &QAction::setEnabled);
    editMenu_->addSeparator();
    QAction* cutItem = AddItem(editMenu_, "Cut1", "&Cut ", QKeySequence(Qt::CTRL | Qt::Key_Y),
                               [this] { cut(); });
    AddItem(editMenu_, "Copy1", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    AddItem(editMenu_, "Paste1", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), [this] { paste(); });
    AddItem(editMenu_, "Delete1", "&Delete", Qt::Key_Delete, [this] { deleteSelection(); });
    AddItem(editMenu_, "SelectAll1", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A),
            [this] { selectAll(); });
    editMenu_->addSeparator();
    QAction* font = AddItem(editMenu_, "ChangeFont1", "Change &Font",
                            QKeySequence(Qt::CTRL | Qt::Key_F), [this] { changeFont(); });
    wordWrapItem_ = editMenu_->addAction("Word Wrap");
    wordWrapItem_->setObjectName("WordWrap1");
    wordWrapItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    wordWrapItem_->setCheckable(true);
    connect(wordWrapItem_, &QAction::toggled, this, &ReportWindow::setWordWrap);
    // The editor would take Ctrl+Y as redo; copy, paste, select all and Del
    // it does itself the same way.
    shortcutsOverEditor_ = {cutItem, font, wordWrapItem_, print};

    insertMenu_ = new QMenu("&Insert", this);
    AddItem(insertMenu_, "Parameters1", "&Parameters", {}, [this] { insertParameters(); });
    AddItem(insertMenu_, "Hydrostatics1", "&Hydrostatics", {}, [this] { insertHydrostatics(); });
    AddItem(insertMenu_, "ExactHydrostatics1", "Exact Hydrostatics", {},
            [this] { insertExactHydrostatics(); });
    AddItem(insertMenu_, "HullCheck1", "Hull Check", {}, [this] { insertHullCheck(); });
    AddItem(insertMenu_, "DesignCheck1", "Design Check", {}, [this] { insertDesignCheck(); });
    AddItem(insertMenu_, "OffsetsTable1", "Offsets Table", {}, [this] { insertOffsetsTable(); });
    AddItem(insertMenu_, "Stability1", "Stability", {}, [this] { insertStability(); });
}

void ReportWindow::connectFileManager()
{
    files_.UnSavedName = sloopform::kReportUnSavedName;
    files_.OpenDialog = sloopform::ReportOpenDialog();
    files_.SaveDialog = sloopform::ReportSaveDialog();
    files_.OnNewFile = [this](TFileManager&) {
        replaceTextQuietly({});
        frame_.setStatusPanel(2, {});
    };
    files_.OnOpenFile = [this](TFileManager&, const std::string& fileName) {
        const auto lines = sloopform::LoadReport(fileName);
        if (!lines) return false;
        replaceTextQuietly(*lines);
        frame_.setStatusPanel(2, {});
        return true;
    };
    files_.OnSaveFile = [this](TFileManager&, const std::string& fileName) {
        const bool saved = sloopform::SaveReport(memo_->Lines(), fileName);
        if (saved) frame_.setStatusPanel(2, {});
        return saved;
    };
    files_.OnUpDateFileName = [this](TFileManager&, const std::string&,
                                     const std::string& shortName) {
        setWindowTitle(QString::fromStdString("Report - " + shortName));
    };
}

QList<MenuGroup> ReportWindow::menuGroups() const
{
    return {{0, fileMenu_}, {1, editMenu_}, {2, insertMenu_}};
}

void ReportWindow::childActivated()
{
    showLineCount();
    frame_.setStatusPanel(2, files_.Modified() ? "Modified" : "");
    setFrameButtonsEnabled(true);
    frame_.setDocumentTarget(DocumentTargetId::Report);
}

void ReportWindow::childDeactivated()
{
    setFrameButtonsEnabled(false);
    frame_.setStatusPanel(1, {});
    frame_.setStatusPanel(2, {});
}

bool ReportWindow::queryClose() { return files_.CloseFile(); }

void ReportWindow::setFrameButtonsEnabled(bool enabled)
{
    for (const FrameButton button : kReportButtons) frame_.button(button)->setEnabled(enabled);
}

void ReportWindow::newDocument() { files_.NewFile(); }

void ReportWindow::openDocument() { files_.OpenFile(); }

void ReportWindow::saveDocument() { files_.SaveFile(); }

void ReportWindow::saveDocumentAs() { files_.SaveFileAs(); }

void ReportWindow::printDocument()
{
    auto* dialog = new QPrintDialog(&printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] { printOn(printer_); });
    dialog->open();
}

void ReportWindow::printSettings()
{
    auto* dialog = new QPageSetupDialog(&printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

int ReportWindow::printOn(QPrinter& printer)
{
    printer.setDocName("Report");
    TextPageFormat format;
    format.font = memo_->font();
    format.tabStopDistance = memo_->tabStopDistance();
    format.wordWrap = memo_->lineWrapMode() != QPlainTextEdit::NoWrap;
    format.documentName = QString::fromStdString(sloopform::ShortFileName(files_.FileName()));
    const int pages = PrintTextPages(printer, memo_->lineTexts(), format);
    if (pages == 0)
        sloopform::Ui().ShowMessage("Unable to print the report", sloopform::MessageIcon::Error,
                                    sloopform::MessageButtons::Ok);
    return pages;
}

void ReportWindow::cut()
{
    if (memo_->textCursor().hasSelection()) memo_->cut();
}

void ReportWindow::copy()
{
    if (memo_->textCursor().hasSelection()) memo_->copy();
}

void ReportWindow::paste() { memo_->paste(); }

void ReportWindow::deleteSelection()
{
    if (memo_->textCursor().hasSelection()) memo_->textCursor().removeSelectedText();
}

void ReportWindow::selectAll() { memo_->selectAll(); }

void ReportWindow::changeFont()
{
    auto* dialog = new QFontDialog(memo_->font(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFontDialog::fontSelected, memo_, &QWidget::setFont);
    dialog->open();
}

void ReportWindow::setWordWrap(bool on)
{
    wordWrapItem_->setChecked(on);
    memo_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void ReportWindow::insertParameters()
{
    if (const sloopform::TDataEdit* editor = sloopform::CurrentDataEdit())
        editor->AddParameterstoReport(report_);
}

void ReportWindow::insertHydrostatics()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull())
        sloopform::ReportHydrostatics(*hull, report_);
}

void ReportWindow::insertExactHydrostatics()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull())
        sloopform::ReportExactHydrostatics(*hull, report_);
}

void ReportWindow::insertHullCheck()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull()) sloopform::ReportHullCheck(*hull, report_);
}

void ReportWindow::insertStability()
{
    if (const sloopform::TDataEdit* editor = sloopform::CurrentDataEdit())
        sloopform::ReportStability(editor->Hull(), editor->Vcg(), report_);
}

void ReportWindow::insertDesignCheck()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull()) sloopform::ReportDesignCheck(*hull, report_);
}

void ReportWindow::insertOffsetsTable()
{
    if (const sloopform::HullRecord* hull = sloopform::CurrentHull())
        sloopform::ReportOffsets(*hull, DrawnDesign().Offsets, report_);
}

void ReportWindow::memoChanged()
{
    showLineCount();
    if (quiet_) return;
    frame_.setStatusPanel(2, "Modified");
    files_.MarkModified();
}

void ReportWindow::showLineCount()
{
    frame_.setStatusPanel(1, QStringLiteral("Lines: %1").arg(memo_->lineCount(), 4));
}

void ReportWindow::replaceTextQuietly(const std::vector<std::string>& lines)
{
    quiet_ = true;
    memo_->SetLines(lines);
    quiet_ = false;
    showLineCount();
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memo_ && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item : shortcutsOverEditor_) {
            if (item->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

bool ReportWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) releaseWindowMenuShortcuts();
    return ChildWindow::event(event);
}

void ReportWindow::releaseWindowMenuShortcuts()
{
    // The workspace window's own menu takes Ctrl+W for "Close" on some
    // platforms; here it is "Word Wrap".
    auto* frameOfWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frameOfWindow || !frameOfWindow->systemMenu()) return;
    QList<QKeySequence> ours;
    for (const QMenu* menu : {fileMenu_, editMenu_, insertMenu_})
        for (const QAction* item : menu->actions()) ours += item->shortcuts();
    for (QAction* item : frameOfWindow->systemMenu()->actions()) {
        QList<QKeySequence> keys = item->shortcuts();
        keys.removeIf([&](const QKeySequence& key) { return ours.contains(key); });
        item->setShortcuts(keys);
    }
}
