#pragma once
#include <QPrinter>

#include "frame/ChildWindow.h"
#include "frame/FrameTargets.h"
#include "generator/Output.h"
#include "model/FileManager.h"

class FrameServices;
class QAction;
class QMenu;
class ReportMemo;

// TReportForm: the report as an editable text that the program inserts the
// parameter listing, the hydrostatics and the exact hydrostatics into, with
// its own file manager for report files, the edit commands and printing.
class ReportWindow : public ChildWindow, public DocumentTarget, public ReportCommands {
    Q_OBJECT
public:
    explicit ReportWindow(FrameServices& frame, QWidget* parent = nullptr);

    QList<MenuGroup> menuGroups() const override;
    void childActivated() override;
    void childDeactivated() override;
    bool queryClose() override;

    // The report file commands; "print" shows the print dialog first.
    void newDocument() override;
    void openDocument() override;
    void saveDocument() override;
    void printDocument() override;
    void saveDocumentAs();
    void printSettings();
    // Prints the report on a printer that is already set up; returns the pages printed.
    int printOn(QPrinter& printer);

    void cut() override;
    void copy() override;
    void paste() override;
    void deleteSelection() override;
    void selectAll();
    void changeFont() override;
    void setWordWrap(bool on);
    void insertParameters() override;
    void insertHydrostatics() override;
    void insertExactHydrostatics();
    void insertHullCheck();
    void insertStability();
    void insertDesignCheck();
    // At the levels of the settings.
    void insertOffsetsTable();

    // SReport: everything the program writes into the report goes through it.
    sloopform::TOutput& reportOutput() { return report_; }
    ReportMemo* memo() const { return memo_; }
    sloopform::TFileManager& fileManager() { return files_; }
    QPrinter& printer() { return printer_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void connectFileManager();
    void memoChanged();
    void showLineCount();
    // Text the program puts in or takes out is not an edit of the user's.
    void replaceTextQuietly(const std::vector<std::string>& lines);
    void setFrameButtonsEnabled(bool enabled);
    void releaseWindowMenuShortcuts();

    FrameServices& frame_;
    ReportMemo* memo_;
    sloopform::TOutput report_;
    sloopform::TFileManager files_;
    QPrinter printer_{QPrinter::HighResolution};
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* insertMenu_ = nullptr;
    QAction* wordWrapItem_ = nullptr;
    // Short-cuts of this window that the text editor must not take for itself.
    QList<QAction*> shortcutsOverEditor_;
    bool quiet_ = false;
};
