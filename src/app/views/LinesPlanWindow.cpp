#include "views/LinesPlanWindow.h"

#include <QMenu>

#include "settings/Settings.h"
#include "views/DrawnHull.h"
#include "views/LinesPlan.h"

using sloopform::ProgramSettings;
using sloopform::TViewport;
using sloopform::TViewportEngView;

namespace {

const QList<FrameButton> kFrameButtons = {
    FrameButton::ZoomAll, FrameButton::ZoomWindow, FrameButton::ZoomIn, FrameButton::ZoomOut,
    FrameButton::Pan,     FrameButton::Generator,  FrameButton::Resistance,
};

constexpr int kZoomFactor = 20;

}  // namespace

LinesPlanWindow::LinesPlanWindow(MainWindow& frame, QWidget* parent)
    : ViewWindow(frame, "Sloopform - Lines",
                 [](sloopform::Canvas& canvas) { return std::make_unique<TViewportEngView>(canvas); },
                 parent)
{
    setWindowTitle(tr("Sloopform"));
    resize(640, 410);

    TViewportEngView& viewport = linesPlan();
    viewport.SetColor(ProgramSettings().Drawing.BackgroundColor);
    viewport.SetZoomFactor(kZoomFactor);
    viewport.OnResize = [this](TViewport&) {
        linesPlan().SetScreenAspectRatio(ProgramSettings().Drawing.AspectRatio);
        FitLinesPlan(linesPlan(), DrawnHull());
    };
    viewport.OnRedraw = [this](TViewport& sender) {
        RedrawLinesPlan(sender, DrawnHull(), ProgramSettings().Drawing, switches());
    };
    viewport.OnPreviewRedraw = [](TViewport& sender) { DrawConstructionLines(sender, DrawnHull()); };

    fileMenu_ = createFileMenu({tr("Pre&ferences..."), false});
    createViewMenu();
    createPopupMenu();
    pairSwitches(viewConstructionLines_, constructionLines1_, [this] { redraw(); });
    connect(hullOutlines1_, &QAction::triggered, this, [this] { redraw(); });
    connect(&viewportWidget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showPopupMenu(popupMenu_, position); });
}

TViewportEngView& LinesPlanWindow::linesPlan() const
{
    return static_cast<TViewportEngView&>(viewportWidget().viewport());
}

sloopform::DisplaySwitches LinesPlanWindow::switches() const
{
    return {constructionLines1_->isChecked(), hullOutlines1_->isChecked()};
}

void LinesPlanWindow::createViewMenu()
{
    viewMenu_ = new QMenu(tr("&View"), this);
    addModeCommands(viewMenu_, tr("&Zoom All"), tr("Zoom &Window"), tr("&Pan"));
    addStepCommands(viewMenu_, tr("Zoom &In"), tr("Zoom &Out"));
    viewMenu_->addSeparator();
    viewConstructionLines_ = addSwitch(viewMenu_, tr("&Construction Lines"), QStringLiteral("ViewConstructionLines"));
    // Nothing in the drawing switches the stations on their own.
    addSwitch(viewMenu_, tr("&Stations"), QStringLiteral("ViewStations"))->setVisible(false);
}

void LinesPlanWindow::createPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    addModeCommands(popupMenu_, tr("Zoom &All"), tr("Zoom &Window"), tr("&Pan"));
    addStepCommands(popupMenu_, tr("Zoom In"), tr("Zoom &Out"));
    popupMenu_->addSeparator();
    constructionLines1_ = addSwitch(popupMenu_, tr("Construction Lines"), QStringLiteral("ConstructionLines1"));
    hullOutlines1_ = addSwitch(popupMenu_, tr("Hull Outlines"), QStringLiteral("HullOutlines1"));
    popupMenu_->addSeparator();
    addCommand(popupMenu_, tr("Pre&ferences..."), [this] { openPreferences(); });
}

QList<MenuGroup> LinesPlanWindow::menuGroups() const { return {{1, fileMenu_}, {3, viewMenu_}}; }

void LinesPlanWindow::childActivated()
{
    enableFrameButtons(kFrameButtons, true);
    frame().setDocumentTarget(DocumentTargetId::Project);
    frame().setViewTarget(ViewTargetId::LinesPlan);
}

void LinesPlanWindow::childDeactivated() { enableFrameButtons(kFrameButtons, false); }

void LinesPlanWindow::redraw()
{
    viewportWidget().run([this](TViewport& viewport) {
        RedrawLinesPlan(viewport, DrawnHull(), ProgramSettings().Drawing, switches());
    });
}
