#include "views/ThreeDViewerWindow.h"

#include <QMenu>

#include "settings/Settings.h"
#include "views/DrawnHull.h"
#include "views/LinesPlan.h"

using sloopform::PresetView;
using sloopform::ProgramSettings;
using sloopform::TViewport;
using sloopform::TViewport3d;

namespace {

const QList<FrameButton> kFrameButtons = {
    FrameButton::ZoomAll,   FrameButton::ZoomWindow, FrameButton::ZoomIn,
    FrameButton::ZoomOut,   FrameButton::Pan,        FrameButton::Generator,
    FrameButton::Resistance, FrameButton::Rotate,
};

// The items' names in the window: Perspective1 in the main menu, Perspective2 in the pop-up.
QString ItemName(const char* name, int which)
{
    return QString::fromLatin1(name) + QString::number(which + 1);
}

}  // namespace

ThreeDViewerWindow::ThreeDViewerWindow(FrameServices& frame, QWidget* parent)
    : ViewWindow(frame, "Sloopform - 3D View",
                 [](sloopform::Canvas& canvas) { return std::make_unique<TViewport3d>(canvas); },
                 parent)
{
    setWindowTitle(tr("3D Viewer"));
    resize(435, 300);

    TViewport3d& viewport = viewport3d();
    // Set up before the events are hung on, so nothing is drawn yet.
    InitialiseThreeDView(viewport);
    viewport.OnResize = [this](TViewport&) {
        viewport3d().SetScreenAspectRatio(ProgramSettings().Drawing.AspectRatio);
        viewport3d().SetPivot(sloopform::HullCentre(DrawnHull()));
        Fit3D(viewport3d());
    };
    viewport.OnRedraw = [this](TViewport&) {
        Redraw3D(viewport3d(), DrawnHull(), ProgramSettings().Drawing, switches());
    };
    viewport.OnPreviewRedraw = [](TViewport& sender) { DrawConstructionLines(sender, DrawnHull()); };

    fileMenu_ = createFileMenu({tr("Preferences..."), true});
    viewMenu_ = createMenu(kMainMenu, tr("&View"), tr("&Rotate"), tr("Perspective"));
    popupMenu_ = createMenu(kPopupMenu, QString(), tr("&Rotate View"), tr("&Perspective"));
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    viewMenu_->addSeparator();
    popupMenu_->addSeparator();
    waterlines_ = addAdditionSwitch(viewMenu_, popupMenu_, tr("Wa&terlines"), QStringLiteral("Waterlines"));
    buttocks_ = addAdditionSwitch(viewMenu_, popupMenu_, tr("B&uttocks"), QStringLiteral("Buttocks"));
    popupMenu_->addSeparator();
    addCommand(popupMenu_, tr("Pre&ferences..."), [this] { openPreferences(); });

    for (const SwitchPair& pair : {constructionLines_, hullOutlines_})
        pairSwitches(pair[kMainMenu], pair[kPopupMenu], [this] { redraw(); });
    connect(&viewportWidget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showPopupMenu(popupMenu_, position); });
}

TViewport3d& ThreeDViewerWindow::viewport3d() const
{
    return static_cast<TViewport3d&>(viewportWidget().viewport());
}

sloopform::DisplaySwitches ThreeDViewerWindow::switches() const
{
    sloopform::DisplaySwitches chosen{constructionLines_[kPopupMenu]->isChecked(),
                                      hullOutlines_[kPopupMenu]->isChecked()};
    chosen.Waterlines = waterlines_->isChecked();
    chosen.Buttocks = buttocks_->isChecked();
    chosen.Levels = DrawnDesign().Offsets;
    return chosen;
}

QMenu* ThreeDViewerWindow::createMenu(int which, const QString& title, const QString& rotateText,
                                      const QString& perspectiveText)
{
    auto* menu = new QMenu(title, this);
    addModeCommands(menu, tr("Zoom &All"), tr("&Zoom Window"), tr("&Pan"));
    addCommand(menu, rotateText,
               [this] { chooseMouseMode(sloopform::mmRotate, FrameButton::Rotate); });
    addStepCommands(menu, tr("Zoom &In"), tr("Zoom &Out"));
    menu->addSeparator();
    menu->addMenu(createPresetMenu());
    perspective_[which] = addSwitch(menu, perspectiveText, ItemName("Perspective", which));
    connect(perspective_[which], &QAction::triggered, this, [this] { togglePerspective(); });
    menu->addSeparator();
    constructionLines_[which] =
        addSwitch(menu, tr("&Construction Lines"), ItemName("ConstructionLines", which));
    hullOutlines_[which] = addSwitch(menu, tr("&Hull Outlines"), ItemName("HullOutlines", which));
    return menu;
}

QMenu* ThreeDViewerWindow::createPresetMenu()
{
    auto* menu = new QMenu(tr("&View"), this);
    addCommand(menu, tr("&Stations"), [this] { showPreset(PresetView::Stations); });
    addCommand(menu, tr("&Waterlines"), [this] { showPreset(PresetView::Waterlines); });
    addCommand(menu, tr("&Profile"), [this] { showPreset(PresetView::Profile); });
    addCommand(menu, tr("&Isometric"), [this] { showPreset(PresetView::Isometric); });
    return menu;
}

void ThreeDViewerWindow::showPreset(PresetView preset)
{
    viewportWidget().run([this, preset](TViewport&) { ShowPresetView(viewport3d(), preset); });
}

void ThreeDViewerWindow::togglePerspective()
{
    // The viewport's state decides, so the two check marks can never disagree with it.
    viewportWidget().run([this](TViewport&) {
        const bool perspective = !viewport3d().Perspective();
        viewport3d().SetPerspective(perspective);
        for (QAction* item : perspective_) item->setChecked(perspective);
    });
}

QList<MenuGroup> ThreeDViewerWindow::menuGroups() const { return {{1, fileMenu_}, {2, viewMenu_}}; }

void ThreeDViewerWindow::childActivated()
{
    enableFrameButtons(kFrameButtons, true);
    frame().setDocumentTarget(DocumentTargetId::Project);
    frame().setViewTarget(ViewTargetId::ThreeD);
}

void ThreeDViewerWindow::childDeactivated() { enableFrameButtons(kFrameButtons, false); }

void ThreeDViewerWindow::rotateMode()
{
    viewportWidget().run([](TViewport& viewport) { viewport.SetMouseMode(sloopform::mmRotate); });
}

void ThreeDViewerWindow::redraw()
{
    viewportWidget().run([this](TViewport&) {
        Redraw3D(viewport3d(), DrawnHull(), ProgramSettings().Drawing, switches());
    });
}
