// The program's start-up without its pauses: splash, settings, frame.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "ScriptedQtUi.h"
#include "StartedProgram.h"
#include "frame/SplashWindow.h"
#include "frame/StartUp.h"
#include "platform/RunControl.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void splashShowsTheLoadingStepsInOrder();
    void splashIsBorderlessOnTopAndCentred();
    void startUpReadsSettingsAndLeavesTheFrameMaximised();
    void startsShowsAndClosesCleanly();
};

void StartUpTest::splashShowsTheLoadingStepsInOrder()
{
    ScriptedQtUi ui;
    StartUp startUp(ui, QuickStartUp());
    startUp.showSplash();
    startUp.loadSettings();
    startUp.createFrame();
    startUp.createChildren();
    startUp.arrangeWindows();

    const std::vector<std::string> lines = startUp.splash()->memo().Lines();
    const std::vector<std::string> expected = {
        "Sloopform Project", lines.at(1), "",
        " Loading Ini-File...", "",
        " Loading Generator...", " Loading Report...", " Loading Sloopform...", " Loading 3D Viewer..."};
    QCOMPARE(lines, expected);
    QVERIFY(lines.at(1).find("Sloopform") != std::string::npos);
    startUp.closeSplash();
    QVERIFY(!startUp.splash());
}

void StartUpTest::splashIsBorderlessOnTopAndCentred()
{
    SplashWindow splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint offCentre = splash.frameGeometry().center() - splash.screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);
}

void StartUpTest::startUpReadsSettingsAndLeavesTheFrameMaximised()
{
    sloopform::Settings stored;
    stored.UserRatio = true;
    WriteSettingsFile(stored);
    sloopform::ProgramSettings() = sloopform::Settings{};
    sloopform::CancelGeneration();

    StartedProgram program;
    MainWindow& frame = program.frame();
    QVERIFY(sloopform::ProgramSettings().UserRatio);
    QVERIFY(!sloopform::CancelFlag());
    QCOMPARE(frame.windowTitle(), QString("Sloopform Project - Untitled.sfp[*]"));
    QVERIFY(frame.isMaximized());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<SplashWindow*>(window) || !window->isVisible());
    // The console never writes into the splash's memo once it has gone.
    frame.console().WriteLn("after start-up");
    QFile::remove(SettingsFilePath());
    sloopform::ProgramSettings() = sloopform::Settings{};
}

// Also run on a real X server (xvfb) with the xcb platform.
void StartUpTest::startsShowsAndClosesCleanly()
{
    QFile::remove(SettingsFilePath());
    {
        StartedProgram program;
        MainWindow& frame = program.frame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (QMenu* menu : frame.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            for (QAction* item : menu->actions())
                if (item->text() == "E&xit") item->trigger();
        QTRY_VERIFY(!frame.isVisible());
        QVERIFY(program.ui().record.messages.empty());
        QVERIFY(program.ui().record.errors.empty());
    }
    QVERIFY(QFile::exists(SettingsFilePath()));
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
