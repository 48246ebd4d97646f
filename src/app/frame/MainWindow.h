#pragma once
#include <QMainWindow>
#include <memory>

#include "frame/ChildWindow.h"
#include "frame/FrameTargets.h"
#include "generator/Output.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;

// The frame's tool buttons; each action's object name is the button's name
// (NewBut, OpenBut, ..., GenBut).
enum class FrameButton {
    New, Open, Save, Print, Cut, Copy, Paste, Delete,
    ZoomAll, ZoomOut, ZoomIn, ZoomWindow, Pan, Rotate,
    Generator, Resistance, QuickCalc, Parameters, Hydrostatics,
    Cascade, Tile, ShowReport, View3d, WorkArrangement, Font,
};

enum class ChildRole { Generator, Report, LinesPlan, ThreeD };

// The multiple-document frame: tool bar, status bar, merged menus, the run
// console SConsole, and the routing of its commands to the child windows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QAction* button(FrameButton id) const;

    // Puts a child window into the workspace; the frame owns it from then on.
    QMdiSubWindow* addChild(ChildRole role, ChildWindow* child);
    ChildWindow* child(ChildRole role) const;
    QMdiSubWindow* childSubWindow(ChildRole role) const;
    QMdiArea* workspace() const;
    void setTargets(const FrameTargets& targets);
    const FrameTargets& targets() const;
    void setQuickCalcWindow(QWidget* window);

    void setDocumentTarget(DocumentTargetId target);
    void setViewTarget(ViewTargetId target);
    DocumentTargetId documentTarget() const;
    ViewTargetId viewTarget() const;

    void enterRunMode();
    void leaveRunMode();
    bool inRunMode() const;

    // SConsole: bound to the splash memo at start, then to the generator's console.
    sloopform::TOutput& console();
    // Panels 1..3 of the status bar.
    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;
    // The status bar's word on the last run's hull (its figures and the hull
    // check), beside the panels.
    void setRunVerdict(const QString& text);
    QString runVerdict() const;

    // Where no window manager carries out the maximised state, the shown frame
    // covers the screen's available area itself.
    void fillScreenUnlessMaximised();

    void workingArrangement();
    void tileHorizontally();
    void tileVertically();
    void cascade();
    void arrangeIcons();
    void showChild(ChildRole role);
    void showQuickCalc();
    // The modal preferences dialog; afterwards preferencesChanged() is emitted.
    void openPreferences();
    void showAboutBox();

signals:
    // The views recompute their extents and repaint.
    void preferencesChanged();
    // The core's notifications (through QtUi), for the windows that follow them.
    void hullDimensionsChanged();
    void quickCalcRefresh();
    void repaintViews();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;

    void createToolBar();
    void createStatusBar();
    void createMenus();
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
