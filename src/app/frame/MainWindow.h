#pragma once
#include <QMainWindow>
#include <memory>

#include "frame/ChildWindow.h"
#include "frame/FrameServices.h"
#include "generator/Output.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QUrl;

// The multiple-document frame: tool bar, status bar, merged menus, the run
// console SConsole, and the routing of its commands to the child windows.
class MainWindow : public QMainWindow, public FrameServices {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* frameWindow() override { return this; }
    FrameNotices& notices() override;

    QAction* button(FrameButton id) const override;

    // Puts a child window into the workspace; the frame owns it from then on.
    QMdiSubWindow* addChild(ChildRole role, ChildWindow* child);
    ChildWindow* child(ChildRole role) const override;
    QMdiSubWindow* childSubWindow(ChildRole role) const;
    QMdiArea* workspace() const;
    void setTargets(const FrameTargets& targets);
    const FrameTargets& targets() const override;
    void setQuickCalcWindow(QWidget* window);

    void setDocumentTarget(DocumentTargetId target) override;
    void setViewTarget(ViewTargetId target) override;
    DocumentTargetId documentTarget() const;
    ViewTargetId viewTarget() const;

    void enterRunMode() override;
    void leaveRunMode() override;
    bool inRunMode() const override;

    // SConsole: bound to the splash memo at start, then to the generator's console.
    sloopform::TOutput& console() override;
    // Panels 1..3 of the status bar.
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const;
    // The status bar's word on the last run's hull (its figures and the hull
    // check), beside the panels.
    void setRunVerdict(const QString& text) override;
    QString runVerdict() const;

    // Where no window manager carries out the maximised state, the shown frame
    // covers the screen's available area itself.
    void fillScreenUnlessMaximised();

    void workingArrangement();
    void tileHorizontally();
    void tileVertically();
    void cascade();
    void arrangeIcons();
    void showChild(ChildRole role) override;
    void showQuickCalc();
    // The modal preferences dialog; afterwards preferencesChanged is noticed.
    void openPreferences() override;
    void showAboutBox();

    QMenu* recentProjectsMenu() override;
    void projectNamed(const QString& shortName) override;
    void projectModifiedChanged(bool modified) override;
    void projectFileUsed(const QString& path) override;
    // A project of "Recent Projects"; one whose file is gone is taken off the list.
    void openRecentProject(const QString& path);
    // F1: the help's page on the active window.
    QUrl activeWindowHelpPage() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;

    void createToolBar();
    void createStatusBar();
    void createMenus();
    // Ctrl+N, Ctrl+O and Ctrl+S: the project commands from every window.
    void createProjectShortcuts();
    void onButton(FrameButton id);
    void cancelGeneration();
    void updateActiveChild();
    void rebuildMenuBar();
    void tile();
    // The lines plan over the generator window, without activating them.
    void placeWorkingArrangement();
    // True while the lines plan and the generator window are where the
    // working arrangement put them.
    bool arrangementUntouched() const;
    // A shown window at least its least size and within the workspace.
    void keepUsable(QMdiSubWindow* sub);
    // The shown windows, not minimised and no longer maximised, back to front.
    QList<QMdiSubWindow*> openChildren() const;
    static QSize leastChildSize(const QList<QMdiSubWindow*>& windows);
};
