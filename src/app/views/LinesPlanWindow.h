#pragma once
#include <QPointer>
#include <optional>
#include <string>

#include "settings/DesignSettings.h"
#include "views/DrawingSettings.h"
#include "views/ScaledSheet.h"
#include "views/ViewWindow.h"
#include "views/ViewportEngView.h"

class CurvatureCombMenu;
class QLabel;

// "Sloopform": the lines plan of the current hull (profile, plan and body plan
// on one sheet) with zoom, pan, the two display switches, printing and the
// project and export commands. While it is active the frame's status bar
// shows where the pointer stands on the plan, in metres.
class LinesPlanWindow : public ViewWindow {
    Q_OBJECT
public:
    explicit LinesPlanWindow(FrameServices& frame, QWidget* parent = nullptr);
    ~LinesPlanWindow() override;

    QList<MenuGroup> menuGroups() const override;
    void childActivated() override;
    void childDeactivated() override;

    // The lines plan at 1:scale on the target's pages as they are set; the
    // pages printed, 0 (after an error message) when the target could not start.
    int printScaled(QPrinter& target, int scale);
    // "&Print": on one page turned the way the drawing comes out largest, at
    // the largest whole scale 1:N that fits, with the same pens and title block.
    void printView() override;
    int printFitted(QPrinter& target);

protected:
    void redraw() override;

private:
    sloopform::TViewportEngView& linesPlan() const;
    // The pop-up menu's check marks, with the design's offset levels, and the
    // curvature combs of the View menu.
    sloopform::DisplaySwitches switches() const;
    // The check marks belong to the design: they are saved with it and
    // follow the design opened.
    sloopform::LinesPlanToggles toggles() const;
    void showToggles(const sloopform::LinesPlanToggles& toggles);
    void followDesign();
    void storeToggles();
    void createViewMenu();
    // "Print to Scale..." in the File menu: the scale and paper, then the printer.
    void addPrintToScale();
    void printToScale();
    // File > Export > "Lines Plan as SVG...": the batch tool's drawing, at
    // the scale last chosen for printing if there is one.
    void addSvgExport();
    void exportSvg();
    std::string designFile() const;
    sloopform::ScaledSheet scaledSheet(int scale) const;
    void createPopupMenu();
    // The split body plan, waterlines, buttocks, labels and diagonals, off at first.
    void addAdditions();
    void showPointer(QPoint at);

    QMenu* fileMenu_ = nullptr;
    std::optional<int> chosenScale_;
    QMenu* viewMenu_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QAction* constructionLines1_ = nullptr;
    QAction* hullOutlines1_ = nullptr;
    QAction* viewConstructionLines_ = nullptr;
    CurvatureCombMenu* combs_ = nullptr;
    // In the frame's status bar once shown, which then owns it.
    QPointer<QLabel> pointerPosition_;
};
