// The report window holding the parameters and the hydrostatics of the
// generated cruiser, alone and active in the frame with its status panels;
// then the block Insert > Design Check writes, beside the run's verdict in
// the status bar.
#include <QAction>
#include <QMdiSubWindow>

#include "Shots.h"
#include "TestPaths.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

SLOOPFORM_SHOTS(Report)
{
    MainWindow& frame = tour.frame();
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    frame.button(FrameButton::Generator)->trigger();

    auto* report = qobject_cast<ReportWindow*>(frame.child(ChildRole::Report));
    QWidget* window = report->parentWidget();
    const QRect arranged = window->geometry();
    frame.showChild(ChildRole::Report);
    frame.button(FrameButton::Parameters)->trigger();
    frame.button(FrameButton::Hydrostatics)->trigger();
    report->memo()->moveCursor(QTextCursor::Start);
    // Tall enough for every line of both blocks.
    window->setGeometry(0, 0, 900, 1380);
    tour.save(*report, "report");
    window->setGeometry(0, 0, 900, 640);
    tour.save(frame, "frame-report");

    report->memo()->clear();
    report->findChild<QAction*>("DesignCheck1")->trigger();
    window->setGeometry(0, 0, 1100, 640);
    tour.save(frame, "design-check");
    window->setGeometry(arranged);
}
