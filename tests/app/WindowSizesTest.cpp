// The child windows' sizes on a desktop screen of 1280 x 800 without a window
// manager (run on xvfb): each opens, cascades and tiles with room to work in.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "StartedProgram.h"
#include "generator/GeneratorWindow.h"
#include "generator/ParameterTable.h"
#include "views/ViewWindow.h"
#include "views/ViewportWidget.h"

namespace {

constexpr ChildRole kRoles[] = {ChildRole::Generator, ChildRole::Report, ChildRole::LinesPlan,
                                ChildRole::ThreeD};
const QSize kLeastDrawingArea(300, 200);

const char* RoleName(ChildRole role)
{
    switch (role) {
    case ChildRole::Generator: return "generator";
    case ChildRole::Report: return "report";
    case ChildRole::LinesPlan: return "lines plan";
    case ChildRole::ThreeD: return "3D viewer";
    }
    return "?";
}

}  // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedProgram> program;

    MainWindow& frame() { return program->frame(); }
    QMdiSubWindow* sub(ChildRole role) { return frame().childSubWindow(role); }

    // The part of a child window that shows its work: a view's drawing, else all of it.
    QWidget* drawingArea(ChildRole role)
    {
        if (auto* view = qobject_cast<ViewWindow*>(frame().child(role))) return &view->viewportWidget();
        return frame().child(role);
    }

    void checkUsable(ChildRole role, const QString& when)
    {
        const QString what = QString("%1 %2").arg(RoleName(role), when);
        QTRY_VERIFY2(drawingArea(role)->isVisible(), qPrintable(what));
        const QSize area = drawingArea(role)->size();
        QVERIFY2(area.width() >= kLeastDrawingArea.width() && area.height() >= kLeastDrawingArea.height(),
                 qPrintable(what + QString(": %1 x %2").arg(area.width()).arg(area.height())));
        QVERIFY2(frame().workspace()->viewport()->rect().contains(sub(role)->geometry()), qPrintable(what));
    }

    void checkAllUsable(const QString& when)
    {
        for (ChildRole role : kRoles) checkUsable(role, when);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1280, 800));
    }

    void init()
    {
        program = std::make_unique<StartedProgram>();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    }

    void cleanup() { program.reset(); }

    void everyChildOpensCascadesAndTilesWithRoomToWork()
    {
        for (ChildRole role : kRoles) {
            frame().showChild(role);
            checkUsable(role, "opened");
        }
        frame().cascade();
        checkAllUsable("cascaded");
        frame().tileHorizontally();
        checkAllUsable("tiled horizontally");
        frame().tileVertically();
        checkAllUsable("tiled vertically");
    }

    void theWorkingArrangementShowsEveryParameterRow()
    {
        frame().cascade();
        QTest::keyClick(&frame(), Qt::Key_F10);
        GeneratorWindow& generator = program->generator();
        QVERIFY(!generator.table().verticalScrollBar()->isVisible());
        QVERIFY(!generator.table().horizontalScrollBar()->isVisible());
        checkUsable(ChildRole::LinesPlan, "arranged");
    }

    void aFrameResizeKeepsTheArrangementUntilAWindowIsMoved()
    {
        const auto arrangedOnWidth = [this] {
            const QRect area = frame().workspace()->viewport()->rect();
            return sub(ChildRole::LinesPlan)->geometry().topLeft() == area.topLeft() &&
                   sub(ChildRole::LinesPlan)->width() == area.width() &&
                   sub(ChildRole::Generator)->geometry().bottom() == area.bottom() &&
                   sub(ChildRole::Generator)->width() == area.width();
        };
        frame().showNormal();
        frame().resize(1000, 760);
        QTRY_COMPARE(frame().workspace()->viewport()->width(), 1000);
        QTRY_VERIFY(arrangedOnWidth());

        sub(ChildRole::LinesPlan)->move(40, 30);
        frame().resize(1100, 760);
        QTRY_COMPARE(frame().workspace()->viewport()->width(), 1100);
        QCOMPARE(sub(ChildRole::LinesPlan)->pos(), QPoint(40, 30));
        QVERIFY(!arrangedOnWidth());
    }

    void aChildClosedWithItsCrossComesBackWhereItWas()
    {
        for (ChildRole role : {ChildRole::ThreeD, ChildRole::Report}) {
            const QRect place(60, 50, 500, 360);
            sub(role)->setGeometry(place);
            sub(role)->close();
            QTRY_VERIFY(sub(role)->isMinimized());
            frame().showChild(role);
            QTRY_COMPARE(sub(role)->geometry(), place);
            checkUsable(role, "restored");
        }
    }
};

QTEST_MAIN(WindowSizesTest)
#include "WindowSizesTest.moc"
