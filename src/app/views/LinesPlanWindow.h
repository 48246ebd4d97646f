#pragma once
#include "views/DrawingSettings.h"
#include "views/ViewWindow.h"
#include "views/ViewportEngView.h"

// "Sloopform": the lines plan of the current hull (profile, plan and body plan
// on one sheet) with zoom, pan, the two display switches, printing and the
// project and export commands.
class LinesPlanWindow : public ViewWindow {
    Q_OBJECT
public:
    explicit LinesPlanWindow(MainWindow& frame, QWidget* parent = nullptr);

    QList<MenuGroup> menuGroups() const override;
    void childActivated() override;
    void childDeactivated() override;

protected:
    void redraw() override;

private:
    sloopform::TViewportEngView& linesPlan() const;
    // The pop-up menu's check marks.
    sloopform::DisplaySwitches switches() const;
    void createViewMenu();
    void createPopupMenu();

    QMenu* fileMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QAction* constructionLines1_ = nullptr;
    QAction* hullOutlines1_ = nullptr;
    QAction* viewConstructionLines_ = nullptr;
};
