#include <QAction>
#include <QSignalSpy>
#include <QtTest>

#include "RecordingUi.h"
#include "StandInFrame.h"
#include "TestPaths.h"
#include "generator/GeneratorWindow.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

// The child windows built against a frame that is no MainWindow: whatever
// they need of the frame goes through its services.
class StandInFrameTest : public QObject {
    Q_OBJECT

private slots:
    void reportWindowSetsTheFramesButtonsTargetAndPanels();
    void exitInAChildClosesTheFrameWindow();
    void generatorRunTakesTheFramesRunModeAndSaysItsVerdict();
    void generatorTellsTheFrameItsProjectsNameStateAndFile();
};

void StandInFrameTest::reportWindowSetsTheFramesButtonsTargetAndPanels()
{
    sloopform::test::RecordingUi ui;
    StandInFrame frame;
    auto* report = new ReportWindow(frame, &frame);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    report->childActivated();
    QCOMPARE(frame.documentTarget, DocumentTargetId::Report);
    QVERIFY(frame.button(FrameButton::Cut)->isEnabled());
    QVERIFY(frame.button(FrameButton::Hydrostatics)->isEnabled());
    QCOMPARE(frame.panels[1], QStringLiteral("Lines:    0"));

    report->memo()->setFocus();
    QTest::keyClicks(report->memo(), "Beam");
    QCOMPARE(frame.panels[1], QStringLiteral("Lines:    1"));
    QCOMPARE(frame.panels[2], QStringLiteral("Modified"));

    report->childDeactivated();
    QVERIFY(!frame.button(FrameButton::Cut)->isEnabled());
    QVERIFY(frame.panels[1].isEmpty());
    QVERIFY(frame.panels[2].isEmpty());
}

void StandInFrameTest::exitInAChildClosesTheFrameWindow()
{
    sloopform::test::RecordingUi ui;
    StandInFrame frame;
    auto* report = new ReportWindow(frame, &frame);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* exit = report->findChild<QAction*>(QStringLiteral("Exit1"));
    QVERIFY(exit);
    exit->trigger();
    QVERIFY(!frame.isVisible());
}

void StandInFrameTest::generatorRunTakesTheFramesRunModeAndSaysItsVerdict()
{
    sloopform::test::RecordingUi ui;
    StandInFrame frame;
    auto* generator = new GeneratorWindow(frame, &frame);
    frame.setChild(ChildRole::Generator, generator);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));

    QSignalSpy repaints(&frame.notices(), &FrameNotices::repaintViews);
    generator->runGenerator();
    QCOMPARE(frame.runModesEntered, 1);
    QVERIFY(!frame.inRunMode());
    QCOMPARE(frame.shownChildren, QList<ChildRole>{ChildRole::Generator});
    QCOMPARE(repaints.count(), 1);
    QVERIFY(!frame.runVerdict.isEmpty());
    // The buttons a run takes are given back.
    QVERIFY(frame.button(FrameButton::Resistance)->isEnabled());
    QVERIFY(ui.errors.empty());
}

void StandInFrameTest::generatorTellsTheFrameItsProjectsNameStateAndFile()
{
    sloopform::test::RecordingUi ui;
    StandInFrame frame;
    auto* generator = new GeneratorWindow(frame, &frame);
    QCOMPARE(frame.projectName, QStringLiteral("Untitled.sfp"));

    const QString path = QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string());
    generator->openProjectFile(path);
    QCOMPARE(frame.projectName, QStringLiteral("cruiser-10m.sfp"));
    QCOMPARE(frame.projectFilesUsed, QStringList{path});
    generator->project().MarkModified();
    QVERIFY(frame.projectModified);

    // A recovered copy opens as it is, off the list.
    ui.answers = {sloopform::MessageResult::No};
    generator->openProject(path);
    QVERIFY(!frame.projectModified);
    QCOMPARE(frame.projectFilesUsed, QStringList{path});
}

QTEST_MAIN(StandInFrameTest)
#include "StandInFrameTest.moc"
