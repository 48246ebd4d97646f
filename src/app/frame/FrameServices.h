#pragma once
#include <QObject>
#include <QString>

#include "frame/FrameTargets.h"

class ChildWindow;
class QAction;
class QMenu;
class QWidget;

namespace sloopform {
class TOutput;
}

// The frame's tool buttons; each action's object name is the button's name
// (NewBut, OpenBut, ..., GenBut).
enum class FrameButton {
    New, Open, Save, Print, Cut, Copy, Paste, Delete,
    ZoomAll, ZoomOut, ZoomIn, ZoomWindow, Pan, Rotate,
    Generator, Resistance, QuickCalc, Parameters, Hydrostatics,
    Cascade, Tile, ShowReport, View3d, WorkArrangement, Font,
};

enum class ChildRole { Generator, Report, LinesPlan, ThreeD };

// What the frame tells every window that follows the design or the preferences.
class FrameNotices : public QObject {
    Q_OBJECT
signals:
    // The views recompute their extents and repaint.
    void preferencesChanged();
    // The core's notifications (through QtUi), for the windows that follow them.
    void hullDimensionsChanged();
    void quickCalcRefresh();
    void repaintViews();
};

// What a child window may ask of the frame it lives in: its buttons, run
// mode, status bar, command targets and the other children. The children
// know the frame only through this, so each can be built against a stand-in.
class FrameServices {
public:
    virtual ~FrameServices() = default;

    // The frame's top-level window: the parent of dialogs, closed by "E&xit".
    virtual QWidget* frameWindow() = 0;
    virtual FrameNotices& notices() = 0;

    virtual QAction* button(FrameButton id) const = 0;
    virtual ChildWindow* child(ChildRole role) const = 0;
    virtual void showChild(ChildRole role) = 0;
    virtual const FrameTargets& targets() const = 0;
    virtual void setDocumentTarget(DocumentTargetId target) = 0;
    virtual void setViewTarget(ViewTargetId target) = 0;

    virtual void enterRunMode() = 0;
    virtual void leaveRunMode() = 0;
    virtual bool inRunMode() const = 0;
    // SConsole.
    virtual sloopform::TOutput& console() = 0;

    // Panels 1..3 of the status bar.
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    // The status bar's word on the last run's hull.
    virtual void setRunVerdict(const QString& text) = 0;
    // The modal preferences dialog; afterwards preferencesChanged is noticed.
    virtual void openPreferences() = 0;

    // "Recent Projects", one menu for every File menu.
    virtual QMenu* recentProjectsMenu() = 0;
    // The project's file name without its folder (or the untitled name), and
    // whether it has unsaved changes: the frame's title shows both.
    virtual void projectNamed(const QString& shortName) = 0;
    virtual void projectModifiedChanged(bool modified) = 0;
    // The project was opened or saved as the file `path`: first in "Recent Projects".
    virtual void projectFileUsed(const QString& path) = 0;
};
