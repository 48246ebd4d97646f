#include "views/ViewWindow.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "platform/QtPrinter.h"

using sloopform::TViewport;

namespace {

constexpr int kPanStepsAcross = 10;  // arrow key presses that move the view a whole window

}  // namespace

struct ViewWindow::Printing {
    QPrinter printer{QPrinter::HighResolution};
    QtPrinter adapter{printer};
};

ViewWindow::ViewWindow(FrameServices& frame, const std::string& printTitle,
                       const ViewportWidget::ViewportFactory& makeViewport, QWidget* parent)
    : ChildWindow(parent),
      frame_(frame),
      printTitle_(printTitle),
      viewport_(new ViewportWidget(makeViewport, this)),
      printing_(std::make_unique<Printing>())
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(viewport_);
    viewport_->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(&frame.notices(), &FrameNotices::preferencesChanged, this, [this] { zoomAll(); });
    connect(&frame.notices(), &FrameNotices::hullDimensionsChanged, this, [this] { zoomAll(); });
    connect(&frame.notices(), &FrameNotices::repaintViews, this,
            [this] { viewport_->run([](TViewport& viewport) { viewport.Paint(); }); });
}

ViewWindow::~ViewWindow() = default;

QPrinter& ViewWindow::printer() const { return printing_->printer; }

void ViewWindow::zoomAll()
{
    viewport_->run([](TViewport& viewport) { viewport.ZoomAll(); });
}

void ViewWindow::zoomIn()
{
    viewport_->run([](TViewport& viewport) { viewport.ZoomIn(); });
}

void ViewWindow::zoomOut()
{
    viewport_->run([](TViewport& viewport) { viewport.ZoomOut(); });
}

void ViewWindow::keyPressEvent(QKeyEvent* event)
{
    // Shift gives + on many keyboards; the keypad's keys count too. Nothing
    // moves under a drag.
    const Qt::KeyboardModifiers others = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others != Qt::NoModifier || viewport_->viewport().Dragging()) {
        ChildWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Plus: zoomIn(); break;
    case Qt::Key_Minus: zoomOut(); break;
    // The view moves the arrow's way, so the picture moves the other.
    case Qt::Key_Left: panStep(1, 0); break;
    case Qt::Key_Right: panStep(-1, 0); break;
    case Qt::Key_Up: panStep(0, 1); break;
    case Qt::Key_Down: panStep(0, -1); break;
    default: ChildWindow::keyPressEvent(event); return;
    }
}

void ViewWindow::panStep(int across, int down)
{
    viewport_->run([across, down](TViewport& viewport) {
        viewport.PanBy(across * viewport.Width() / kPanStepsAcross, down * viewport.Height() / kPanStepsAcross);
    });
}

void ViewWindow::zoomWindowMode()
{
    viewport_->run([](TViewport& viewport) { viewport.SetMouseMode(sloopform::mmZoomWindow); });
}

void ViewWindow::panMode()
{
    viewport_->run([](TViewport& viewport) { viewport.SetMouseMode(sloopform::mmPan); });
}

void ViewWindow::printView()
{
    QPrintDialog dialog(&printing_->printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    viewport_->run([this](TViewport& viewport) {
        viewport.AttachPrinter(&printing_->adapter);
        viewport.Print(printTitle_);
        viewport.AttachPrinter(nullptr);
        // The windows were fitted to the page; the repaint that follows the
        // dialog fits them to the screen again.
        viewport.Paint();
    });
}

void ViewWindow::printSettings()
{
    QPageSetupDialog dialog(&printing_->printer, this);
    dialog.exec();
}

void ViewWindow::chooseMouseMode(std::uint8_t mode, FrameButton button)
{
    viewport_->run([mode](TViewport& viewport) { viewport.SetMouseMode(mode); });
    if (QAction* frameButton = frame_.button(button)) frameButton->setChecked(true);
}

void ViewWindow::addModeCommands(QMenu* menu, const QString& zoomAllText,
                                 const QString& zoomWindowText, const QString& panText)
{
    addCommand(menu, zoomAllText, [this] { zoomAll(); }, QKeySequence(Qt::Key_F5));
    addCommand(menu, zoomWindowText,
               [this] { chooseMouseMode(sloopform::mmZoomWindow, FrameButton::ZoomWindow); });
    addCommand(menu, panText, [this] { chooseMouseMode(sloopform::mmPan, FrameButton::Pan); });
}

void ViewWindow::addStepCommands(QMenu* menu, const QString& zoomInText, const QString& zoomOutText)
{
    menu->addSeparator();
    addCommand(menu, zoomInText, [this] { zoomIn(); });
    addCommand(menu, zoomOutText, [this] { zoomOut(); });
}

void ViewWindow::enableFrameButtons(const QList<FrameButton>& buttons, bool enabled)
{
    for (FrameButton id : buttons)
        if (QAction* frameButton = frame_.button(id)) frameButton->setEnabled(enabled);
}

void ViewWindow::showPopupMenu(QMenu* menu, const QPoint& position)
{
    menu->popup(viewport_->mapToGlobal(position));
}

QAction* ViewWindow::addCommand(QMenu* menu, const QString& text,
                                const std::function<void()>& command, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [command] { command(); });
    return action;
}

QAction* ViewWindow::addSwitch(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QAction* ViewWindow::addAdditionSwitch(QMenu* viewMenu, QMenu* popupMenu, const QString& text,
                                      const QString& name)
{
    QAction* inViewMenu = addSwitch(viewMenu, text, name + "1");
    QAction* inPopupMenu = addSwitch(popupMenu, text, name + "2");
    inViewMenu->setChecked(false);
    inPopupMenu->setChecked(false);
    pairSwitches(inViewMenu, inPopupMenu, [this] { redraw(); });
    return inPopupMenu;
}

void ViewWindow::pairSwitches(QAction* first, QAction* second, const std::function<void()>& changed)
{
    for (auto [chosen, other] : {std::pair{first, second}, std::pair{second, first}}) {
        connect(chosen, &QAction::triggered, this, [other = other, changed](bool checked) {
            other->setChecked(checked);
            changed();
        });
    }
}

QMenu* ViewWindow::createFileMenu(const FileMenuTexts& texts)
{
    auto* menu = new QMenu(tr("&File"), this);
    addCommand(menu, tr("&New Project"), [this] { newProject(); });
    menu->addSeparator();
    addCommand(menu, tr("&Open Project..."), [this] { openProject(); }, QKeySequence(Qt::Key_F3));
    menu->addMenu(frame_.recentProjectsMenu());
    addCommand(menu, tr("&Save Project"), [this] { saveProject(); },
               texts.saveHasShortcut ? QKeySequence(Qt::Key_F12) : QKeySequence());
    addCommand(menu, tr("Save Project &As..."), [this] { saveProjectAs(); });
    menu->addSeparator();
    addCommand(menu, tr("&Print"), [this] { printView(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    addCommand(menu, tr("Print Settings..."), [this] { printSettings(); });
    menu->addSeparator();
    addCommand(menu, texts.preferences, [this] { openPreferences(); });
    menu->addSeparator();
    QMenu* exports = menu->addMenu(tr("Export"));
    addCommand(exports, tr("AutoSHIP (*.gf1)"), [this] { exportGf1(); });
    addCommand(exports, tr("AutoCAD - Hull Outlines (*.dxf)"), [this] { exportDxf(); });
    menu->addSeparator();
    addCommand(menu, tr("E&xit"), [this] { exitProgram(); });
    return menu;
}

void ViewWindow::openPreferences() { frame_.openPreferences(); }

void ViewWindow::exportGf1()
{
    if (GeneratorCommands* generator = frame_.targets().generator) generator->exportGf1();
}

void ViewWindow::exportDxf()
{
    if (GeneratorCommands* generator = frame_.targets().generator) generator->exportDxf();
}

void ViewWindow::newProject()
{
    if (DocumentTarget* project = frame_.targets().project) project->newDocument();
}

void ViewWindow::openProject()
{
    if (DocumentTarget* project = frame_.targets().project) project->openDocument();
}

void ViewWindow::saveProject()
{
    if (DocumentTarget* project = frame_.targets().project) project->saveDocument();
}

void ViewWindow::saveProjectAs()
{
    if (GeneratorCommands* generator = frame_.targets().generator) generator->saveProjectAs();
}

void ViewWindow::exitProgram() { frame_.frameWindow()->close(); }
