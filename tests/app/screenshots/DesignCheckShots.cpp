// The report window after Insert > Design Check on the generated cruiser,
// and the status bar's verdict on the run.
#include <QAction>
#include <QMdiSubWindow>

#include "Shots.h"
#include "TestPaths.h"
#include "frame/MainWindow.h"
#include "generator/GeneratorWindow.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

SLOOPFORM_SHOTS(DesignCheck)
{
    MainWindow& frame = tour.frame();
    auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator));
    generator->openProject(QString::fromStdString(sloopform::test::ExampleProject("cruiser-10m").string()));
    frame.button(FrameButton::Generator)->trigger();

    auto* report = qobject_cast<ReportWindow*>(frame.child(ChildRole::Report));
    QWidget* window = report->parentWidget();
    const QRect arranged = window->geometry();
    frame.showChild(ChildRole::Report);
    // The tour's later pictures find the report as it was.
    const QString before = report->memo()->toPlainText();
    report->findChild<QAction*>("DesignCheck1")->trigger();
    report->memo()->moveCursor(QTextCursor::Start);
    window->setGeometry(0, 0, 1100, 640);
    tour.save(frame, "design-check");
    window->setGeometry(arranged);
    report->memo()->setPlainText(before);
}
