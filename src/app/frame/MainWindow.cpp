#include "frame/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <map>

#include "frame/AboutBox.h"
#include "frame/CommandLock.h"
#include "frame/FrameButtons.h"
#include "frame/MenuMerge.h"
#include "frame/RecentProjectsMenu.h"
#include "frame/WindowLayouts.h"
#include "help/Help.h"
#include "help/HelpPages.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"
#include "preferences/PreferencesDialog.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"

namespace {

const char* const kCaption = "Sloopform Project";
const char* const kRunIcon = ":/icons/run.svg";
const char* const kStopIcon = ":/icons/stop.svg";

// The status bar's panels in pixels for the frame's original font, whose
// characters were about 4.5 pixels wide on average; wider fonts widen the panels.
constexpr std::array<int, 3> kPanelWidths = {100, 75, 100};
constexpr double kOriginalCharWidth = 4.5;

// Room for a child window's drawing, table or text, whatever the arrangement.
constexpr QSize kLeastChildSize(300, 200);

constexpr std::array<ChildRole, 4> kChildOrder = {ChildRole::Generator, ChildRole::Report,
                                                  ChildRole::LinesPlan, ChildRole::ThreeD};

// Buttons whose job must wait while a run holds the hull record.
constexpr std::array<FrameButton, 10> kRunModeButtons = {
    FrameButton::New,        FrameButton::Open,   FrameButton::Print,
    FrameButton::Save,       FrameButton::Cascade, FrameButton::Tile,
    FrameButton::ShowReport, FrameButton::View3d, FrameButton::WorkArrangement,
    FrameButton::QuickCalc};

// The manual's page on each child window, for F1.
QUrl ChildHelpPage(ChildRole role)
{
    switch (role) {
    case ChildRole::Generator: {
        QUrl page = HelpPageUrl(QStringLiteral("generator.html"));
        page.setFragment(QStringLiteral("window"));
        return page;
    }
    case ChildRole::Report: return HelpPageUrl(QStringLiteral("report.html"));
    case ChildRole::LinesPlan: return HelpPageUrl(QStringLiteral("lines-plan.html"));
    case ChildRole::ThreeD: return HelpPageUrl(QStringLiteral("viewer-3d.html"));
    }
    return HelpPageUrl(QStringLiteral("program-window.html"));
}

void SetHint(QAction* action, const QString& hint)
{
    action->setText(hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

}  // namespace

struct MainWindow::Impl {
    QMdiArea* workspace = nullptr;
    QToolBar* toolBar = nullptr;
    std::array<QLabel*, 3> panels{};
    QLabel* runVerdict = nullptr;
    std::map<FrameButton, QAction*> buttons;
    QList<MenuGroup> frameGroups;
    std::map<ChildRole, QPointer<QMdiSubWindow>> children;
    FrameTargets targets;
    QPointer<QWidget> quickCalc;
    QPointer<ChildWindow> activeChild;
    DocumentTargetId documentTarget = DocumentTargetId::Project;
    ViewTargetId viewTarget = ViewTargetId::LinesPlan;
    TileDirection tileDirection = TileDirection::Horizontal;
    // Where the working arrangement last put the lines plan and the generator window.
    std::map<ChildRole, QRect> arranged;
    bool runMode = false;
    bool closeAfterRun = false;
    CommandLock runLock;
    sloopform::TOutput console;
    FrameNotices notices;
    RecentProjectsMenu* recentProjects = nullptr;
    QList<QAction*> projectShortcuts;

    DocumentTarget* documentWindow() const
    {
        return documentTarget == DocumentTargetId::Report ? targets.report : targets.project;
    }
    ViewTarget* viewWindow() const
    {
        return viewTarget == ViewTargetId::ThreeD ? targets.threeD : targets.linesPlan;
    }
};

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), d(std::make_unique<Impl>())
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/sloopform.svg")));
    setContextMenuPolicy(Qt::NoContextMenu);

    d->workspace = new QMdiArea(this);
    d->workspace->setObjectName(QStringLiteral("Workspace"));
    d->workspace->setFrameShape(QFrame::NoFrame);
    setCentralWidget(d->workspace);
    d->workspace->viewport()->installEventFilter(this);
    connect(d->workspace, &QMdiArea::subWindowActivated, this, [this] { updateActiveChild(); });

    createToolBar();
    createStatusBar();
    createMenus();
    createProjectShortcuts();
    rebuildMenuBar();
}

MainWindow::~MainWindow()
{
    // The workspace reports its windows going while the frame is half gone.
    disconnect(d->workspace, nullptr, this, nullptr);
}

void MainWindow::createToolBar()
{
    d->toolBar = new QToolBar(this);
    d->toolBar->setObjectName(QStringLiteral("ToolPanel"));
    d->toolBar->setMovable(false);
    d->toolBar->setFloatable(false);
    d->toolBar->setIconSize(QSize(22, 22));
    addToolBar(Qt::TopToolBarArea, d->toolBar);

    auto* mouseModes = new QActionGroup(this);
    mouseModes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const FrameButtonInfo& info : FrameButtonTable()) {
        auto* action = new QAction(QIcon(QString::fromLatin1(info.icon)), QString(), this);
        action->setObjectName(QString::fromLatin1(info.name));
        SetHint(action, QString::fromLatin1(info.hint));
        action->setEnabled(info.enabledAtStart);
        action->setVisible(info.visible);
        if (info.mouseMode) {
            action->setCheckable(true);
            mouseModes->addAction(action);
        }
        const FrameButton id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { onButton(id); });
        d->toolBar->addAction(action);
        if (info.groupEnd) d->toolBar->addSeparator();
        d->buttons[id] = action;
    }
}

void MainWindow::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const double scale = std::max(1.0, bar->fontMetrics().averageCharWidth() / kOriginalCharWidth);
    for (std::size_t i = 0; i < d->panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setFixedWidth(static_cast<int>(kPanelWidths[i] * scale));
        bar->addWidget(panel);
        d->panels[i] = panel;
    }
    // What the last run's hull came to, in the rest of the bar.
    d->runVerdict = new QLabel(bar);
    d->runVerdict->setObjectName(QStringLiteral("RunVerdict"));
    bar->addWidget(d->runVerdict, 1);
}

void MainWindow::createMenus()
{
    // The frame's own commands answer their short-cuts in every window of the program.
    auto add = [this](QMenu* menu, const char* text, auto slot, QKeySequence key = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setShortcut(key);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    auto* file = new QMenu(QStringLiteral("&File"), this);
    add(file, "&New Project", [this] { if (d->targets.project) d->targets.project->newDocument(); });
    add(file, "&Open Project...", [this] { if (d->targets.project) d->targets.project->openDocument(); },
        QKeySequence(Qt::Key_F3));
    d->recentProjects = new RecentProjectsMenu(this);
    connect(d->recentProjects, &RecentProjectsMenu::projectChosen, this, &MainWindow::openRecentProject);
    file->addMenu(d->recentProjects);
    add(file, "Preferences...", [this] { openPreferences(); });
    file->addSeparator();
    add(file, "E&xit", [this] { close(); });

    auto* windows = new QMenu(QStringLiteral("&Windows"), this);
    add(windows, "&Working Arrangement", [this] { workingArrangement(); }, QKeySequence(Qt::Key_F10));
    add(windows, "Tile &Horizonally", [this] { tileHorizontally(); });
    add(windows, "Tile &Vertically", [this] { tileVertically(); });
    add(windows, "&Cascade", [this] { cascade(); });
    add(windows, "&Arrange Icons", [this] { arrangeIcons(); });
    add(windows, "QuickCALC'S", [this] { showQuickCalc(); }, QKeySequence(Qt::Key_F6));

    auto* help = new QMenu(QStringLiteral("&Help"), this);
    add(help, "&Contents", [] { ShowHelpContents(); });
    add(help, "&Search", [] { ShowHelpSearch(); });
    add(help, "&Help on This Window", [this] { ShowHelpPage(activeWindowHelpPage()); },
        QKeySequence(Qt::Key_F1));
    help->addAction(QStringLiteral("&Welcome"));
    help->addSeparator();
    add(help, "&About Sloopform...", [this] { showAboutBox(); });

    d->frameGroups = {{1, file}, {8, windows}, {10, help}};
}

FrameNotices& MainWindow::notices() { return d->notices; }

void MainWindow::createProjectShortcuts()
{
    // Not menu items: the File menus show their own keys, F3 and F12.
    const auto shortcut = [this](QKeyCombination key, void (DocumentTarget::*command)()) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, [this, command] {
            if (d->targets.project) (d->targets.project->*command)();
        });
        addAction(action);
        d->projectShortcuts.append(action);
    };
    shortcut(Qt::CTRL | Qt::Key_N, &DocumentTarget::newDocument);
    shortcut(Qt::CTRL | Qt::Key_O, &DocumentTarget::openDocument);
    shortcut(Qt::CTRL | Qt::Key_S, &DocumentTarget::saveDocument);
}

QAction* MainWindow::button(FrameButton id) const { return d->buttons.at(id); }

QMdiSubWindow* MainWindow::addChild(ChildRole role, ChildWindow* child)
{
    // A child sized by its constructor keeps that size inside its subwindow.
    const QSize ownSize = child->testAttribute(Qt::WA_Resized) ? child->size() : QSize();
    child->setMinimumSize(kLeastChildSize);
    QMdiSubWindow* sub = d->workspace->addSubWindow(child);
    sub->installEventFilter(this);
    d->children[role] = sub;
    if (ownSize.isValid()) sub->resize(ownSize + sub->minimumSizeHint() - kLeastChildSize);
    sub->show();
    keepUsable(sub);
    return sub;
}

ChildWindow* MainWindow::child(ChildRole role) const
{
    QMdiSubWindow* sub = childSubWindow(role);
    return sub ? qobject_cast<ChildWindow*>(sub->widget()) : nullptr;
}

QMdiSubWindow* MainWindow::childSubWindow(ChildRole role) const
{
    const auto found = d->children.find(role);
    return found == d->children.end() ? nullptr : found->second.data();
}

QMdiArea* MainWindow::workspace() const { return d->workspace; }

void MainWindow::setTargets(const FrameTargets& targets) { d->targets = targets; }

const FrameTargets& MainWindow::targets() const { return d->targets; }

void MainWindow::setQuickCalcWindow(QWidget* window) { d->quickCalc = window; }

void MainWindow::setDocumentTarget(DocumentTargetId target) { d->documentTarget = target; }

void MainWindow::setViewTarget(ViewTargetId target) { d->viewTarget = target; }

DocumentTargetId MainWindow::documentTarget() const { return d->documentTarget; }

ViewTargetId MainWindow::viewTarget() const { return d->viewTarget; }

void MainWindow::onButton(FrameButton id)
{
    const FrameTargets& t = d->targets;
    DocumentTarget* document = d->documentWindow();
    ViewTarget* view = d->viewWindow();
    switch (id) {
    case FrameButton::New: if (document) document->newDocument(); break;
    case FrameButton::Open: if (document) document->openDocument(); break;
    case FrameButton::Save: if (document) document->saveDocument(); break;
    case FrameButton::Print:
        if (d->documentTarget == DocumentTargetId::Report) {
            if (t.report) t.report->printDocument();
        } else if (d->viewTarget == ViewTargetId::ThreeD) {
            if (t.threeD) t.threeD->printView();
        } else if (t.linesPlan) {
            t.linesPlan->printView();
        }
        break;
    case FrameButton::Cut: if (t.reportCommands) t.reportCommands->cut(); break;
    case FrameButton::Copy: if (t.reportCommands) t.reportCommands->copy(); break;
    case FrameButton::Paste: if (t.reportCommands) t.reportCommands->paste(); break;
    case FrameButton::Delete: if (t.reportCommands) t.reportCommands->deleteSelection(); break;
    case FrameButton::Font: if (t.reportCommands) t.reportCommands->changeFont(); break;
    case FrameButton::Parameters: if (t.reportCommands) t.reportCommands->insertParameters(); break;
    case FrameButton::Hydrostatics: if (t.reportCommands) t.reportCommands->insertHydrostatics(); break;
    case FrameButton::ZoomAll: if (view) view->zoomAll(); break;
    case FrameButton::ZoomOut: if (view) view->zoomOut(); break;
    case FrameButton::ZoomIn: if (view) view->zoomIn(); break;
    case FrameButton::ZoomWindow:
        // Both views take the mode, whichever of them is the target.
        if (t.linesPlan) t.linesPlan->zoomWindowMode();
        if (t.threeD) t.threeD->zoomWindowMode();
        break;
    case FrameButton::Pan:
        if (t.linesPlan) t.linesPlan->panMode();
        if (t.threeD) t.threeD->panMode();
        break;
    case FrameButton::Rotate: if (t.threeD) t.threeD->rotateMode(); break;
    case FrameButton::Generator:
        if (d->runMode) cancelGeneration();
        else if (t.generator) t.generator->runGenerator();
        break;
    case FrameButton::Resistance: if (t.generator) t.generator->resistanceOptimisation(); break;
    case FrameButton::QuickCalc: showQuickCalc(); break;
    case FrameButton::Cascade: cascade(); break;
    case FrameButton::Tile: tile(); break;
    case FrameButton::ShowReport: showChild(ChildRole::Report); break;
    case FrameButton::View3d: showChild(ChildRole::ThreeD); break;
    case FrameButton::WorkArrangement: workingArrangement(); break;
    }
}

void MainWindow::cancelGeneration()
{
    d->console.WriteLn("Cancelling...");
    sloopform::CancelGeneration();
}

void MainWindow::enterRunMode()
{
    if (d->runMode) return;
    d->runMode = true;
    QAction* run = button(FrameButton::Generator);
    run->setIcon(QIcon(QString::fromLatin1(kStopIcon)));
    SetHint(run, QString::fromLatin1(kStopGeneratorHint));

    // A disabled menu must not answer its short-cuts either, so its items go too.
    for (const MenuGroup& group : d->frameGroups) {
        d->runLock.disable(group.menu->menuAction());
        for (QAction* item : group.menu->actions()) d->runLock.disable(item);
    }
    for (FrameButton id : kRunModeButtons) d->runLock.disable(button(id));
    for (QAction* action : d->projectShortcuts) d->runLock.disable(action);
    // The run's console and the views stay readable while they take no input.
    for (ChildRole role : kChildOrder) d->runLock.disableKeepingColours(childSubWindow(role));
}

void MainWindow::leaveRunMode()
{
    if (!d->runMode) return;
    d->runMode = false;
    QAction* run = button(FrameButton::Generator);
    run->setIcon(QIcon(QString::fromLatin1(kRunIcon)));
    SetHint(run, QString::fromLatin1(kRunGeneratorHint));
    d->runLock.release();
    if (d->closeAfterRun) {
        d->closeAfterRun = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool MainWindow::inRunMode() const { return d->runMode; }

sloopform::TOutput& MainWindow::console() { return d->console; }

void MainWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= static_cast<int>(d->panels.size())) d->panels[panel - 1]->setText(text);
}

void MainWindow::setRunVerdict(const QString& text) { d->runVerdict->setText(text); }

QString MainWindow::runVerdict() const { return d->runVerdict->text(); }

QString MainWindow::statusPanel(int panel) const
{
    if (panel >= 1 && panel <= static_cast<int>(d->panels.size())) return d->panels[panel - 1]->text();
    return {};
}

void MainWindow::fillScreenUnlessMaximised()
{
    const QRect available = screen()->availableGeometry();
    const QSize size = frameGeometry().size();
    if (size.width() >= available.width() && size.height() >= available.height()) return;
    setGeometry(available);
    setWindowState(windowState() | Qt::WindowMaximized);  // as far as the program can tell
}

void MainWindow::workingArrangement()
{
    // Activation would hand a maximised window's state on to the next one.
    QMdiArea* workspace = d->workspace;
    const bool maximiseOnActivation = !workspace->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    workspace->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    for (ChildRole role : {ChildRole::LinesPlan, ChildRole::Generator, ChildRole::Report}) {
        QMdiSubWindow* sub = childSubWindow(role);
        if (sub && (sub->isMinimized() || sub->isMaximized())) sub->showNormal();
    }
    placeWorkingArrangement();
    for (ChildRole role : {ChildRole::LinesPlan, ChildRole::Generator})
        if (QMdiSubWindow* sub = childSubWindow(role)) workspace->setActiveSubWindow(sub);
    for (QMdiSubWindow* sub : workspace->subWindowList()) keepUsable(sub);
    workspace->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !maximiseOnActivation);
}

void MainWindow::placeWorkingArrangement()
{
    QMdiSubWindow* linesPlan = childSubWindow(ChildRole::LinesPlan);
    QMdiSubWindow* generator = childSubWindow(ChildRole::Generator);
    const int menuHeight = menuBar()->isVisible() ? menuBar()->height() : 0;
    const int toolPanelHeight = d->toolBar->isVisible() ? d->toolBar->height() : 0;
    const int statusBarHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
    const WorkingArrangementGeometry places = ComputeWorkingArrangement(
        d->workspace->viewport()->width(), height() - menuHeight, toolPanelHeight, statusBarHeight,
        generator ? generator->sizeHint().height() : 0,
        linesPlan ? linesPlan->minimumSizeHint().height() : 0);
    d->arranged.clear();
    for (const auto& [role, place] : {std::pair(ChildRole::LinesPlan, places.linesPlan),
                                      std::pair(ChildRole::Generator, places.generator)}) {
        if (QMdiSubWindow* sub = childSubWindow(role)) {
            sub->setGeometry(place);
            d->arranged[role] = sub->geometry();
        }
    }
}

bool MainWindow::arrangementUntouched() const
{
    if (d->arranged.empty()) return false;
    for (const auto& [role, place] : d->arranged) {
        const QMdiSubWindow* sub = childSubWindow(role);
        if (!sub || !sub->isVisible() || sub->isMinimized() || sub->isMaximized() ||
            sub->geometry() != place)
            return false;
    }
    return true;
}

void MainWindow::keepUsable(QMdiSubWindow* sub)
{
    if (!sub->isVisible() || sub->isMinimized() || sub->isMaximized()) return;
    sub->setGeometry(UsablePlace(sub->geometry(), sub->minimumSizeHint(), d->workspace->viewport()->size()));
}

QList<QMdiSubWindow*> MainWindow::openChildren() const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : d->workspace->subWindowList(QMdiArea::StackingOrder))
        if (sub->isVisible() && !sub->isMinimized()) windows.append(sub);
    for (QMdiSubWindow* sub : windows)
        if (sub->isMaximized()) sub->showNormal();
    return windows;
}

QSize MainWindow::leastChildSize(const QList<QMdiSubWindow*>& windows)
{
    QSize least;
    for (const QMdiSubWindow* sub : windows) least = least.expandedTo(sub->minimumSizeHint());
    return least;
}

void MainWindow::tileHorizontally()
{
    d->tileDirection = TileDirection::Horizontal;
    tile();
}

void MainWindow::tileVertically()
{
    d->tileDirection = TileDirection::Vertical;
    tile();
}

void MainWindow::tile()
{
    // The front window takes the first band.
    QList<QMdiSubWindow*> windows = openChildren();
    std::reverse(windows.begin(), windows.end());
    const QList<QRect> places = TileRects(windows.size(), d->workspace->viewport()->size(),
                                          d->tileDirection, leastChildSize(windows));
    for (int i = 0; i < windows.size(); ++i) windows[i]->setGeometry(places[i]);
}

void MainWindow::cascade()
{
    // From the back window at the top left to the front window, each a title bar lower.
    const QList<QMdiSubWindow*> windows = openChildren();
    if (windows.isEmpty()) return;
    const int step = windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr,
                                                           windows.first());
    const QList<QRect> places = CascadeRects(windows.size(), d->workspace->viewport()->size(), step,
                                             leastChildSize(windows));
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(places[i]);
        windows[i]->raise();
    }
}

void MainWindow::arrangeIcons()
{
    QList<QMdiSubWindow*> icons;
    for (QMdiSubWindow* sub : d->workspace->subWindowList())
        if (sub->isMinimized() && sub->isVisible()) icons.append(sub);
    if (icons.isEmpty()) return;
    const QList<QPoint> places =
        IconPositions(icons.size(), icons.first()->size(), d->workspace->viewport()->size());
    for (int i = 0; i < icons.size(); ++i) icons[i]->move(places[i]);
}

void MainWindow::showChild(ChildRole role)
{
    QMdiSubWindow* sub = childSubWindow(role);
    if (!sub) return;
    if (sub->isMinimized()) sub->showNormal();
    sub->show();
    keepUsable(sub);
    d->workspace->setActiveSubWindow(sub);
}

void MainWindow::showQuickCalc()
{
    if (!d->quickCalc) return;
    d->quickCalc->show();
    d->quickCalc->raise();
}

void MainWindow::openPreferences()
{
    PreferencesDialog dialog(sloopform::ProgramSettings(), this);
    dialog.exec();
    emit d->notices.preferencesChanged();
}

void MainWindow::showAboutBox()
{
    AboutBox about(this);
    about.exec();
}

QMenu* MainWindow::recentProjectsMenu() { return d->recentProjects; }

void MainWindow::projectNamed(const QString& shortName)
{
    QString name = shortName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));  // shown as it is
    setWindowTitle(QStringLiteral("%1 - %2[*]").arg(QString::fromLatin1(kCaption), name));
}

void MainWindow::projectModifiedChanged(bool modified) { setWindowModified(modified); }

void MainWindow::projectFileUsed(const QString& path) { d->recentProjects->remember(path); }

void MainWindow::openRecentProject(const QString& path)
{
    if (d->runMode || !d->targets.generator) return;
    if (!QFileInfo(path).isFile()) {
        d->recentProjects->forget(path);
        sloopform::Ui().ShowMessage("The project " + path.toStdString() +
                                        " is no longer there; it is taken off the Recent Projects.",
                                    sloopform::MessageIcon::Warning, sloopform::MessageButtons::Ok);
        return;
    }
    d->targets.generator->openProjectFile(path);
}

QUrl MainWindow::activeWindowHelpPage() const
{
    if (d->quickCalc && QApplication::activeWindow() == d->quickCalc)
        return HelpPageUrl(QStringLiteral("quickcalc.html"));
    // The help window itself keeps to the page of the window it was asked from.
    const QMdiSubWindow* current = d->workspace->currentSubWindow();
    for (const auto& [role, sub] : d->children)
        if (current && sub == current) return ChildHelpPage(role);
    return HelpPageUrl(QStringLiteral("program-window.html"));
}

void MainWindow::updateActiveChild()
{
    // The workspace's current window stays current while another top-level
    // window (a dialog, the QuickCALC window) has the focus.
    QMdiSubWindow* sub = d->workspace->currentSubWindow();
    ChildWindow* now = sub ? qobject_cast<ChildWindow*>(sub->widget()) : nullptr;
    if (now == d->activeChild) return;
    if (d->activeChild) d->activeChild->childDeactivated();
    d->activeChild = now;
    if (now) now->childActivated();
    rebuildMenuBar();
}

void MainWindow::rebuildMenuBar()
{
    const QList<MenuGroup> childGroups = d->activeChild ? d->activeChild->menuGroups() : QList<MenuGroup>();
    menuBar()->clear();
    for (QMenu* menu : MergedMenus(d->frameGroups, childGroups)) menuBar()->addMenu(menu);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A new frame size: the working arrangement again while the user has not
    // moved its windows, and every window kept within the workspace.
    if (watched == d->workspace->viewport() && event->type() == QEvent::Resize) {
        if (arrangementUntouched()) placeWorkingArrangement();
        for (QMdiSubWindow* sub : d->workspace->subWindowList()) keepUsable(sub);
    }
    // Child windows live as long as the program: closing one only minimises it.
    if (event->type() == QEvent::Close) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched)) {
            event->ignore();
            sub->showMinimized();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (d->runMode) {
        // The hull record is in use: stop the run first, close when it has ended.
        event->ignore();
        d->closeAfterRun = true;
        cancelGeneration();
        return;
    }
    for (ChildRole role : kChildOrder) {
        ChildWindow* window = child(role);
        if (window && !window->queryClose()) {
            event->ignore();
            return;
        }
    }
    WriteSettingsFile(sloopform::ProgramSettings());
    if (d->quickCalc) d->quickCalc->close();
    event->accept();
}
