// The frame window driven through its tool buttons, menus and short-cuts,
// with stand-in child windows that log what reaches them.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <optional>

#include "frame/FrameButtons.h"
#include "frame/MainWindow.h"
#include "frame/WindowLayouts.h"
#include "platform/RunControl.h"
#include "preferences/SettingsFile.h"

namespace {

struct FakeDocument : DocumentTarget {
    FakeDocument(QString name, QStringList& log) : name(std::move(name)), log(log) {}
    void newDocument() override { log << name + ".new"; }
    void openDocument() override { log << name + ".open"; }
    void saveDocument() override { log << name + ".save"; }
    void printDocument() override { log << name + ".print"; }
    QString name;
    QStringList& log;
};

struct FakeView : ViewTarget {
    FakeView(QString name, QStringList& log) : name(std::move(name)), log(log) {}
    void zoomAll() override { log << name + ".zoomAll"; }
    void zoomIn() override { log << name + ".zoomIn"; }
    void zoomOut() override { log << name + ".zoomOut"; }
    void zoomWindowMode() override { log << name + ".zoomWindow"; }
    void panMode() override { log << name + ".pan"; }
    void rotateMode() override { log << name + ".rotate"; }
    void printView() override { log << name + ".print"; }
    QString name;
    QStringList& log;
};

struct FakeGenerator : GeneratorCommands {
    explicit FakeGenerator(QStringList& log) : log(log) {}
    void runGenerator() override { log << "generator.run"; }
    void resistanceOptimisation() override { log << "generator.resistance"; }
    void exportGf1() override { log << "generator.gf1"; }
    void exportDxf() override { log << "generator.dxf"; }
    void saveProjectAs() override { log << "generator.saveAs"; }
    void openProjectFile(const QString& path) override { log << "generator.open " + path; }
    QStringList& log;
};

struct FakeReportCommands : ReportCommands {
    explicit FakeReportCommands(QStringList& log) : log(log) {}
    void cut() override { log << "report.cut"; }
    void copy() override { log << "report.copy"; }
    void paste() override { log << "report.paste"; }
    void deleteSelection() override { log << "report.delete"; }
    void changeFont() override { log << "report.font"; }
    void insertParameters() override { log << "report.parameters"; }
    void insertHydrostatics() override { log << "report.hydrostatics"; }
    QStringList& log;
};

// A child window that, like the real ones, sets the frame's targets and
// enables its buttons when activated, and has menus of its own.
class FakeChild : public ChildWindow {
public:
    FakeChild(MainWindow& frame, DocumentTargetId document, std::optional<ViewTargetId> view,
              QList<FrameButton> buttons, const QList<QPair<int, QString>>& menus)
        : frame_(frame), document_(document), view_(view), buttons_(std::move(buttons))
    {
        setFocusPolicy(Qt::StrongFocus);
        for (const auto& [index, title] : menus) {
            auto* menu = new QMenu(title, this);
            groups_.append({index, menu});
        }
    }
    QList<MenuGroup> menuGroups() const override { return groups_; }
    void childActivated() override
    {
        ++activations;
        frame_.setDocumentTarget(document_);
        if (view_) frame_.setViewTarget(*view_);
        for (FrameButton id : buttons_) frame_.button(id)->setEnabled(true);
    }
    void childDeactivated() override
    {
        ++deactivations;
        for (FrameButton id : buttons_) frame_.button(id)->setEnabled(false);
    }
    bool queryClose() override
    {
        ++closeQueries;
        return agreesToClose;
    }

    int activations = 0;
    int deactivations = 0;
    int closeQueries = 0;
    bool agreesToClose = true;

private:
    MainWindow& frame_;
    DocumentTargetId document_;
    std::optional<ViewTargetId> view_;
    QList<FrameButton> buttons_;
    QList<MenuGroup> groups_;
};

using B = FrameButton;
const QList<FrameButton> kViewButtons = {B::ZoomAll, B::ZoomWindow, B::ZoomIn, B::ZoomOut,
                                         B::Pan,     B::Generator,  B::Resistance};
const QList<FrameButton> kReportButtons = {B::Cut,  B::Copy,       B::Paste,       B::Delete,
                                           B::Font, B::Parameters, B::Hydrostatics};

// The frame with its four stand-in children, shown at a fixed size.
struct Program {
    QStringList log;
    FakeDocument project{"project", log};
    FakeDocument report{"report", log};
    FakeView linesPlan{"linesPlan", log};
    FakeView threeD{"threeD", log};
    FakeGenerator generator{log};
    FakeReportCommands reportCommands{log};
    sloopform::StringListMemo consoleMemo;
    MainWindow frame;
    QWidget quickCalc;
    std::map<ChildRole, FakeChild*> children;

    Program()
    {
        add(ChildRole::Generator, DocumentTargetId::Project, ViewTargetId::LinesPlan, kViewButtons,
            {{1, "&File"}, {2, "&Run"}});
        add(ChildRole::Report, DocumentTargetId::Report, std::nullopt, kReportButtons,
            {{0, "&File"}, {1, "&Edit"}, {2, "&Insert"}});
        add(ChildRole::LinesPlan, DocumentTargetId::Project, ViewTargetId::LinesPlan, kViewButtons,
            {{1, "&File"}, {3, "&View"}});
        QList<FrameButton> threeDButtons = kViewButtons;
        threeDButtons << B::Rotate;
        add(ChildRole::ThreeD, DocumentTargetId::Project, ViewTargetId::ThreeD, threeDButtons,
            {{1, "&File"}, {2, "&View"}});
        frame.setTargets({&project, &report, &linesPlan, &threeD, &generator, &reportCommands});
        frame.setQuickCalcWindow(&quickCalc);
        frame.console().SetOutputMemo(&consoleMemo);
        frame.resize(900, 700);
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.workspace()->tileSubWindows();
        log.clear();
    }

    void add(ChildRole role, DocumentTargetId document, std::optional<ViewTargetId> view,
             const QList<FrameButton>& buttons, const QList<QPair<int, QString>>& menus)
    {
        auto* child = new FakeChild(frame, document, view, buttons, menus);
        frame.addChild(role, child)->resize(300, 200);
        children[role] = child;
    }

    // A click into the child window, as the user activates it, once it is in view.
    void activate(ChildRole role)
    {
        QMdiSubWindow* sub = frame.childSubWindow(role);
        sub->raise();
        const QPoint inside = children.at(role)->mapTo(&frame, QPoint(20, 20));
        QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, inside);
        QCOMPARE(frame.workspace()->activeSubWindow(), sub);
    }

    void click(FrameButton id)
    {
        QWidget* button = frame.findChild<QToolBar*>()->widgetForAction(frame.button(id));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction* action : frame.menuBar()->actions()) titles << action->text();
        return titles;
    }

    // An item of the frame's own menus, whether they are in the menu bar or not.
    QAction* frameMenuItem(const QString& menu, const QString& item) const
    {
        for (QMenu* top : frame.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            if (top->title() == menu)
                for (QAction* action : top->actions())
                    if (action->text() == item) return action;
        qFatal("no menu item %s", qPrintable(item));
    }
};

ChildRole RoleNamed(const QString& name)
{
    static const std::map<QString, ChildRole> roles = {{"generator", ChildRole::Generator},
                                                       {"report", ChildRole::Report},
                                                       {"linesPlan", ChildRole::LinesPlan},
                                                       {"threeD", ChildRole::ThreeD}};
    return roles.at(name);
}

FrameButton ButtonNamed(const QString& name)
{
    for (const FrameButtonInfo& info : FrameButtonTable())
        if (name == QLatin1String(info.name)) return info.id;
    qFatal("no button %s", qPrintable(name));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsCarryTheirNamesHintsAndStartStates_data();
    void buttonsCarryTheirNamesHintsAndStartStates();
    void mouseModeButtonsAreExclusive();
    void statusPanelsFitTheirTexts();
    void buttonsReachTheTargetOfTheActiveChild_data();
    void buttonsReachTheTargetOfTheActiveChild();
    void buttonsWithoutTargetsDoNothing();
    void activationIsToldToTheChildren();
    void activeChildMenusReplaceFrameGroups_data();
    void activeChildMenusReplaceFrameGroups();
    void frameShortCutsWorkWhateverChildIsActive();
    void runModeDisablesAndRestoresExactlyTheListedItems();
    void generatorButtonCancelsDuringARun();
    void workingArrangementGeometry_data();
    void workingArrangementGeometry();
    void workingArrangementPlacesLinesPlanOverGenerator();
    void tilesAndCascadesKeepEveryWindowUsable();
    void tilingStacksOrSetsSideBySide_data();
    void tilingStacksOrSetsSideBySide();
    void arrangeIconsLinesUpMinimisedWindowsAtTheBottom();
    void showButtonsActivateTheirWindow();
    void closingAChildWindowMinimisesIt();
    void closeAsksEveryChildAndWritesSettings();
    void closeDuringARunCancelsItAndClosesAfterwards();
};

void MainWindowTest::buttonsCarryTheirNamesHintsAndStartStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    const struct {
        const char *name, *hint;
        bool enabled, visible;
    } rows[] = {
        {"NewBut", "New", true, true},
        {"OpenBut", "Open", true, true},
        {"SaveBut", "Save", true, true},
        {"PrintBut1", "Print", true, true},
        {"CutBut", "Cut Selection to Clipboard", false, true},
        {"CopyBut", "Copy Selection to Clipboard", false, true},
        {"PasteBut", "Paste from Clipboard", false, true},
        {"DelBut", "Clear Selection", false, true},
        {"ZoomAllBut", "Zoom All", true, true},
        {"ZoomOutBut", "Zoom Out", false, true},
        {"ZoomInBut", "Zoom In", false, true},
        {"ZoomBut", "Zoom Window", true, true},
        {"PanBut", "Pan", true, true},
        {"RotateBut", "Rotate View", false, true},
        {"GenBut", "Run Generator", true, true},
        {"ResBut", "Resistance Optimisation", true, true},
        {"SpeedButton1", "Show QuickCALCs", true, true},
        {"ParamBut", "Add Parameters to Report", true, true},
        {"CalcBut", "Hydrostatics", true, true},
        {"CascadeBut", "Cascade Windows", true, true},
        {"TileBut", "Tile Windows", true, true},
        {"ShowReportBut", "Show Report", true, true},
        {"View3dBut", "Show 3D Viewer", true, true},
        {"WorkBut", "Working Window Arrangement", true, true},
        {"FontBut", "Set Font...", false, false},  // an invisible action is never enabled
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.name << row.hint << row.enabled << row.visible;
}

void MainWindowTest::buttonsCarryTheirNamesHintsAndStartStates()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    MainWindow frame;
    auto* action = frame.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->toolTip(), hint);
    QCOMPARE(action->statusTip(), hint);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isVisible(), visible);
    QCOMPARE(frame.button(ButtonNamed(name)), action);
}

void MainWindowTest::mouseModeButtonsAreExclusive()
{
    Program program;
    program.activate(ChildRole::ThreeD);
    program.click(B::ZoomWindow);
    program.click(B::Rotate);
    QVERIFY(program.frame.button(B::Rotate)->isChecked());
    QVERIFY(!program.frame.button(B::ZoomWindow)->isChecked());
    program.click(B::Pan);
    QVERIFY(program.frame.button(B::Pan)->isChecked());
    QVERIFY(!program.frame.button(B::Rotate)->isChecked());
}

void MainWindowTest::statusPanelsFitTheirTexts()
{
    MainWindow frame;
    const QList<QPair<int, QString>> texts = {{1, "Lines: 9999"}, {2, "Modified"}, {3, "Exporting Sheerline"}};
    const int minimum[] = {100, 75, 100};
    for (const auto& [panel, text] : texts) {
        frame.setStatusPanel(panel, text);
        QCOMPARE(frame.statusPanel(panel), text);
        auto* label = frame.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel));
        QVERIFY(label->width() >= minimum[panel - 1]);
        QVERIFY2(label->fontMetrics().horizontalAdvance(text) < label->contentsRect().width(),
                 qPrintable(QString("%1 %2 %3").arg(label->fontMetrics().horizontalAdvance(text)).arg(label->contentsRect().width()).arg(label->fontMetrics().averageCharWidth())));
    }
    frame.setStatusPanel(4, "ignored");
    QCOMPARE(frame.statusPanel(4), QString());
}

void MainWindowTest::buttonsReachTheTargetOfTheActiveChild_data()
{
    QTest::addColumn<QStringList>("activations");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("calls");
    const struct {
        const char* row;
        QStringList activations;
        const char* button;
        QStringList calls;
    } rows[] = {
        {"generator new", {"generator"}, "NewBut", {"project.new"}},
        {"generator open", {"generator"}, "OpenBut", {"project.open"}},
        {"generator save", {"generator"}, "SaveBut", {"project.save"}},
        {"generator print", {"generator"}, "PrintBut1", {"linesPlan.print"}},
        {"report new", {"report"}, "NewBut", {"report.new"}},
        {"report open", {"report"}, "OpenBut", {"report.open"}},
        {"report save", {"report"}, "SaveBut", {"report.save"}},
        {"report print", {"report"}, "PrintBut1", {"report.print"}},
        {"lines plan open", {"report", "linesPlan"}, "OpenBut", {"project.open"}},
        {"3D open", {"report", "threeD"}, "OpenBut", {"project.open"}},
        {"3D print", {"threeD"}, "PrintBut1", {"threeD.print"}},
        {"3D zoom all", {"threeD"}, "ZoomAllBut", {"threeD.zoomAll"}},
        {"3D zoom in", {"threeD"}, "ZoomInBut", {"threeD.zoomIn"}},
        {"3D zoom out", {"threeD"}, "ZoomOutBut", {"threeD.zoomOut"}},
        {"lines plan zoom all", {"threeD", "linesPlan"}, "ZoomAllBut", {"linesPlan.zoomAll"}},
        {"lines plan zoom in", {"linesPlan"}, "ZoomInBut", {"linesPlan.zoomIn"}},
        {"generator zoom out", {"threeD", "generator"}, "ZoomOutBut", {"linesPlan.zoomOut"}},
        {"report after 3D prints the report", {"threeD", "report"}, "PrintBut1", {"report.print"}},
        {"zoom window in both views", {"linesPlan"}, "ZoomBut", {"linesPlan.zoomWindow", "threeD.zoomWindow"}},
        {"pan in both views", {"threeD"}, "PanBut", {"linesPlan.pan", "threeD.pan"}},
        {"rotate", {"threeD"}, "RotateBut", {"threeD.rotate"}},
        {"run", {"linesPlan"}, "GenBut", {"generator.run"}},
        {"resistance", {"threeD"}, "ResBut", {"generator.resistance"}},
        {"cut", {"report"}, "CutBut", {"report.cut"}},
        {"copy", {"report"}, "CopyBut", {"report.copy"}},
        {"paste", {"report"}, "PasteBut", {"report.paste"}},
        {"delete", {"report"}, "DelBut", {"report.delete"}},
        {"parameters", {"report"}, "ParamBut", {"report.parameters"}},
        {"hydrostatics", {"report"}, "CalcBut", {"report.hydrostatics"}},
    };
    for (const auto& row : rows) QTest::newRow(row.row) << row.activations << row.button << row.calls;
}

void MainWindowTest::buttonsReachTheTargetOfTheActiveChild()
{
    QFETCH(QStringList, activations);
    QFETCH(QString, button);
    QFETCH(QStringList, calls);
    Program program;
    for (const QString& name : activations) program.activate(RoleNamed(name));
    program.click(ButtonNamed(button));
    QCOMPARE(program.log, calls);
}

void MainWindowTest::buttonsWithoutTargetsDoNothing()
{
    MainWindow frame;
    frame.show();
    for (const FrameButtonInfo& info : FrameButtonTable()) {
        frame.button(info.id)->setEnabled(true);
        frame.button(info.id)->trigger();
    }
    frame.setDocumentTarget(DocumentTargetId::Report);
    frame.setViewTarget(ViewTargetId::ThreeD);
    for (const FrameButtonInfo& info : FrameButtonTable()) frame.button(info.id)->trigger();
    QVERIFY(frame.isVisible());
}

void MainWindowTest::activationIsToldToTheChildren()
{
    Program program;
    FakeChild* report = program.children.at(ChildRole::Report);
    FakeChild* threeD = program.children.at(ChildRole::ThreeD);
    program.activate(ChildRole::Report);
    const int reportActivations = report->activations;
    program.activate(ChildRole::ThreeD);
    QCOMPARE(report->deactivations, reportActivations);
    QCOMPARE(threeD->activations - threeD->deactivations, 1);
    QCOMPARE(program.frame.documentTarget(), DocumentTargetId::Project);
    QCOMPARE(program.frame.viewTarget(), ViewTargetId::ThreeD);
    // Another top-level window taking the focus leaves the active child as it is.
    program.quickCalc.show();
    program.quickCalc.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.quickCalc));
    QCOMPARE(threeD->activations - threeD->deactivations, 1);
}

void MainWindowTest::activeChildMenusReplaceFrameGroups_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("owners");
    QTest::newRow("generator") << "generator" << QStringList{"&File", "&Run", "&Windows", "&Help"}
                               << QStringList{"child", "child", "frame", "frame"};
    QTest::newRow("report") << "report"
                            << QStringList{"&File", "&Edit", "&Insert", "&Windows", "&Help"}
                            << QStringList{"child", "child", "child", "frame", "frame"};
    QTest::newRow("lines plan") << "linesPlan" << QStringList{"&File", "&View", "&Windows", "&Help"}
                                << QStringList{"child", "child", "frame", "frame"};
}

void MainWindowTest::activeChildMenusReplaceFrameGroups()
{
    QFETCH(QString, child);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, owners);
    Program program;
    program.frame.workspace()->setActiveSubWindow(nullptr);
    QCOMPARE(program.menuTitles(), (QStringList{"&File", "&Windows", "&Help"}));
    program.activate(RoleNamed(child));
    QCOMPARE(program.menuTitles(), titles);
    const QList<QAction*> menus = program.frame.menuBar()->actions();
    for (int i = 0; i < menus.size(); ++i) {
        QWidget* owner = menus[i]->menu()->parentWidget();
        QCOMPARE(owner == program.children.at(RoleNamed(child)) ? QString("child") : QString("frame"),
                 owners[i]);
    }
}

void MainWindowTest::frameShortCutsWorkWhateverChildIsActive()
{
    Program program;
    QMdiSubWindow* generator = program.frame.childSubWindow(ChildRole::Generator);
    QMdiSubWindow* linesPlan = program.frame.childSubWindow(ChildRole::LinesPlan);
    for (const char* active : {"report", "threeD", "none"}) {
        program.quickCalc.hide();
        program.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        if (QString(active) == "none") program.frame.workspace()->setActiveSubWindow(nullptr);
        else program.activate(RoleNamed(active));
        generator->move(300, 300);
        QTest::keyClick(program.frame.focusWidget() ? program.frame.focusWidget() : &program.frame,
                        Qt::Key_F10);
        QCOMPARE(linesPlan->geometry().top(), 0);
        QCOMPARE(generator->geometry().top(), linesPlan->geometry().bottom() + 1);
        QTest::keyClick(&program.frame, Qt::Key_F6);
        QVERIFY2(program.quickCalc.isVisible(), active);
    }
    program.activate(ChildRole::Generator);
    QTest::keyClick(&program.frame, Qt::Key_F3);
    QCOMPARE(program.log, QStringList());  // the generator's own File menu replaces the frame's
    program.quickCalc.hide();
    program.frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));
    program.frame.workspace()->setActiveSubWindow(nullptr);
    QTest::keyClick(&program.frame, Qt::Key_F3);
    QCOMPARE(program.log, QStringList{"project.open"});
}

void MainWindowTest::runModeDisablesAndRestoresExactlyTheListedItems()
{
    Program program;
    MainWindow& frame = program.frame;
    program.activate(ChildRole::Report);
    frame.button(B::ZoomAll)->setEnabled(true);
    frame.button(B::Save)->setEnabled(false);  // disabled before the run: stays so
    const QList<FrameButton> listed = {B::New,  B::Open,       B::Print,  B::Cascade,         B::Tile,
                                       B::ShowReport, B::View3d, B::WorkArrangement, B::QuickCalc};
    std::map<FrameButton, bool> before;
    for (const FrameButtonInfo& info : FrameButtonTable()) before[info.id] = frame.button(info.id)->isEnabled();

    frame.enterRunMode();
    QVERIFY(frame.inRunMode());
    for (const FrameButtonInfo& info : FrameButtonTable()) {
        const bool expected = listed.contains(info.id) ? false : before[info.id];
        QVERIFY2(frame.button(info.id)->isEnabled() == expected, info.name);
    }
    // The active child's menus go with its window.
    for (QAction* menu : frame.menuBar()->actions()) QVERIFY(!menu->isEnabled());
    QVERIFY(!program.frameMenuItem("&Windows", "QuickCALC'S")->isEnabled());
    const QColor enabledText = program.children.at(ChildRole::Generator)->palette().color(QPalette::Active, QPalette::Text);
    for (ChildRole role : {ChildRole::Generator, ChildRole::Report, ChildRole::LinesPlan, ChildRole::ThreeD}) {
        QVERIFY(!frame.childSubWindow(role)->isEnabled());
        QCOMPARE(program.children.at(role)->palette().color(QPalette::Disabled, QPalette::Text), enabledText);
    }
    QCOMPARE(frame.button(B::Generator)->toolTip(), QString("Stop Generator"));
    QTest::keyClick(&frame, Qt::Key_F6);
    QVERIFY(!program.quickCalc.isVisible());
    // The project short-cuts wait for the run's end as the File menu does.
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!program.log.contains("project.new"));
    QVERIFY(!frame.recentProjectsMenu()->menuAction()->isEnabled());

    frame.leaveRunMode();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(program.log.contains("project.new"));
    for (const FrameButtonInfo& info : FrameButtonTable())
        QVERIFY2(frame.button(info.id)->isEnabled() == before[info.id], info.name);
    for (QAction* menu : frame.menuBar()->actions()) QVERIFY(menu->isEnabled());
    for (ChildRole role : {ChildRole::Generator, ChildRole::Report, ChildRole::LinesPlan, ChildRole::ThreeD}) {
        QVERIFY(frame.childSubWindow(role)->isEnabled());
        QCOMPARE(program.children.at(role)->palette(), frame.palette());
    }
    QCOMPARE(frame.button(B::Generator)->toolTip(), QString("Run Generator"));
    QTest::keyClick(&frame, Qt::Key_F6);
    QVERIFY(program.quickCalc.isVisible());
}

void MainWindowTest::generatorButtonCancelsDuringARun()
{
    Program program;
    sloopform::ResetCancel();
    sloopform::SetRunConsole(&program.frame.console());
    program.frame.enterRunMode();
    program.click(B::Generator);
    QVERIFY(sloopform::CancelFlag());
    QCOMPARE(program.consoleMemo.Lines(),
             (std::vector<std::string>{"Cancelling...", "TARNOVIC: Cancelling..."}));
    QCOMPARE(program.log, QStringList());
    program.frame.leaveRunMode();
    sloopform::ResetCancel();
    program.click(B::Generator);
    QCOMPARE(program.log, QStringList{"generator.run"});
    QVERIFY(!sloopform::CancelFlag());
}

void MainWindowTest::workingArrangementGeometry_data()
{
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("toolPanel");
    QTest::addColumn<int>("statusBar");
    QTest::addColumn<int>("generatorWanted");
    QTest::addColumn<int>("linesPlanLeast");
    QTest::addColumn<int>("linesPlanHeight");
    QTest::addColumn<int>("generatorHeight");
    QTest::newRow("500 pixels") << 500 << 37 << 19 << 0 << 0 << 266 << 178;
    QTest::newRow("odd remainder goes below") << 101 << 0 << 0 << 0 << 0 << 60 << 41;
    QTest::newRow("no room") << 40 << 37 << 19 << 0 << 0 << 0 << 0;
    QTest::newRow("generator wants its table") << 500 << 37 << 19 << 300 << 100 << 144 << 300;
    QTest::newRow("lines plan keeps its least") << 500 << 37 << 19 << 300 << 230 << 230 << 214;
    QTest::newRow("generator wants less") << 500 << 37 << 19 << 150 << 230 << 266 << 178;
}

void MainWindowTest::workingArrangementGeometry()
{
    QFETCH(int, client);
    QFETCH(int, toolPanel);
    QFETCH(int, statusBar);
    QFETCH(int, generatorWanted);
    QFETCH(int, linesPlanLeast);
    QFETCH(int, linesPlanHeight);
    QFETCH(int, generatorHeight);
    const WorkingArrangementGeometry places =
        ComputeWorkingArrangement(640, client, toolPanel, statusBar, generatorWanted, linesPlanLeast);
    QCOMPARE(places.linesPlan, QRect(0, 0, 640, linesPlanHeight));
    QCOMPARE(places.generator, QRect(0, linesPlanHeight, 640, generatorHeight));
}

void MainWindowTest::workingArrangementPlacesLinesPlanOverGenerator()
{
    Program program;
    QMdiSubWindow* linesPlan = program.frame.childSubWindow(ChildRole::LinesPlan);
    QMdiSubWindow* generator = program.frame.childSubWindow(ChildRole::Generator);
    program.activate(ChildRole::Report);
    linesPlan->showMinimized();
    generator->showMaximized();
    program.click(B::WorkArrangement);

    const QSize area = program.frame.workspace()->viewport()->size();
    QVERIFY(!linesPlan->isMinimized() && !generator->isMaximized());
    QCOMPARE(linesPlan->geometry(), QRect(0, 0, area.width(), 3 * area.height() / 5));
    QCOMPARE(generator->geometry(),
             QRect(0, 3 * area.height() / 5, area.width(), area.height() - 3 * area.height() / 5));
    QCOMPARE(program.frame.workspace()->activeSubWindow(), generator);
}

void MainWindowTest::tilesAndCascadesKeepEveryWindowUsable()
{
    const QSize least(310, 230);
    // Four bands of 175 pixels would be too thin: two columns of two bands.
    QCOMPARE(TileRects(4, QSize(1280, 700), TileDirection::Horizontal, least),
             (QList<QRect>{{0, 0, 640, 350}, {0, 350, 640, 350}, {640, 0, 640, 350}, {640, 350, 640, 350}}));
    QCOMPARE(TileRects(3, QSize(700, 700), TileDirection::Vertical, least),
             (QList<QRect>{{0, 0, 350, 350}, {350, 0, 350, 350}, {0, 350, 700, 350}}));
    QCOMPARE(TileRects(2, QSize(1280, 700), TileDirection::Horizontal, least),
             (QList<QRect>{{0, 0, 1280, 350}, {0, 350, 1280, 350}}));

    // Cascaded windows are the area less the steps, not less than their least size.
    QCOMPARE(CascadeRects(3, QSize(1000, 600), 25, least),
             (QList<QRect>{{0, 0, 950, 550}, {25, 25, 950, 550}, {50, 50, 950, 550}}));
    QCOMPARE(CascadeRects(3, QSize(330, 260), 25, least),
             (QList<QRect>{{0, 0, 310, 230}, {20, 25, 310, 230}, {20, 30, 310, 230}}));

    // A title bar grows to its least size and comes back into the area.
    QCOMPARE(UsablePlace(QRect(1100, 650, 117, 24), least, QSize(1280, 700)), QRect(970, 470, 310, 230));
    QCOMPARE(UsablePlace(QRect(-20, 10, 400, 900), least, QSize(1280, 700)), QRect(0, 0, 400, 700));
}

void MainWindowTest::tilingStacksOrSetsSideBySide_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("bands");
    QTest::newRow("horizontally") << "Tile &Horizonally" << true;
    QTest::newRow("vertically") << "Tile &Vertically" << false;
}

void MainWindowTest::tilingStacksOrSetsSideBySide()
{
    QFETCH(QString, item);
    QFETCH(bool, bands);
    Program program;
    program.frame.resize(1000, 900);  // room for three bands either way
    program.frame.childSubWindow(ChildRole::ThreeD)->showMinimized();
    program.frameMenuItem("&Windows", item)->trigger();
    program.click(B::Tile);  // the button tiles the way the menu chose

    const QSize area = program.frame.workspace()->viewport()->size();
    int covered = 0;
    for (ChildRole role : {ChildRole::Generator, ChildRole::Report, ChildRole::LinesPlan}) {
        const QRect place = program.frame.childSubWindow(role)->geometry();
        QCOMPARE(bands ? place.width() : place.height(), bands ? area.width() : area.height());
        covered += bands ? place.height() : place.width();
    }
    QCOMPARE(covered, bands ? area.height() : area.width());
    QVERIFY(program.frame.childSubWindow(ChildRole::ThreeD)->isMinimized());
}

void MainWindowTest::arrangeIconsLinesUpMinimisedWindowsAtTheBottom()
{
    Program program;
    QMdiSubWindow* report = program.frame.childSubWindow(ChildRole::Report);
    QMdiSubWindow* threeD = program.frame.childSubWindow(ChildRole::ThreeD);
    report->showMinimized();
    threeD->showMinimized();
    report->move(200, 40);
    threeD->move(230, 90);
    program.frameMenuItem("&Windows", "&Arrange Icons")->trigger();

    const int bottom = program.frame.workspace()->viewport()->height();
    QCOMPARE(report->geometry().bottom() + 1, bottom);
    QCOMPARE(threeD->geometry().bottom() + 1, bottom);
    QVERIFY(!report->geometry().intersects(threeD->geometry()));
    QCOMPARE(std::min(report->x(), threeD->x()), 0);
}

void MainWindowTest::showButtonsActivateTheirWindow()
{
    Program program;
    program.frame.childSubWindow(ChildRole::Report)->showMinimized();
    program.activate(ChildRole::Generator);
    program.click(B::ShowReport);
    QCOMPARE(program.frame.workspace()->activeSubWindow(), program.frame.childSubWindow(ChildRole::Report));
    QVERIFY(!program.frame.childSubWindow(ChildRole::Report)->isMinimized());
    program.click(B::View3d);
    QCOMPARE(program.frame.workspace()->activeSubWindow(), program.frame.childSubWindow(ChildRole::ThreeD));
    program.click(B::QuickCalc);
    QVERIFY(program.quickCalc.isVisible());
}

void MainWindowTest::closingAChildWindowMinimisesIt()
{
    Program program;
    QMdiSubWindow* report = program.frame.childSubWindow(ChildRole::Report);
    report->close();
    QVERIFY(program.frame.childSubWindow(ChildRole::Report));
    QVERIFY(report->isMinimized());
    QCOMPARE(program.frame.child(ChildRole::Report), program.children.at(ChildRole::Report));
}

void MainWindowTest::closeAsksEveryChildAndWritesSettings()
{
    QFile::remove(SettingsFilePath());
    Program program;
    FakeChild* report = program.children.at(ChildRole::Report);
    report->agreesToClose = false;
    program.frameMenuItem("&File", "E&xit")->trigger();
    QVERIFY(program.frame.isVisible());
    QCOMPARE(program.children.at(ChildRole::Generator)->closeQueries, 1);
    QCOMPARE(program.children.at(ChildRole::LinesPlan)->closeQueries, 0);
    QVERIFY(!QFile::exists(SettingsFilePath()));

    report->agreesToClose = true;
    program.quickCalc.show();
    program.frameMenuItem("&File", "E&xit")->trigger();
    QVERIFY(!program.frame.isVisible());
    QVERIFY(!program.quickCalc.isVisible());
    for (const auto& [role, child] : program.children) QVERIFY(child->closeQueries >= 1);
    QVERIFY(QFile::exists(SettingsFilePath()));
}

void MainWindowTest::closeDuringARunCancelsItAndClosesAfterwards()
{
    Program program;
    sloopform::ResetCancel();
    program.frame.enterRunMode();
    program.frame.close();
    QVERIFY(program.frame.isVisible());
    QVERIFY(sloopform::CancelFlag());
    QCOMPARE(program.consoleMemo.Lines(), std::vector<std::string>{"Cancelling..."});
    program.frame.leaveRunMode();
    QTRY_VERIFY(!program.frame.isVisible());
    sloopform::ResetCancel();
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
