#include "MenuClicks.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

QAction* ActionNamed(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions)
        if (action->text() == text) return action;
    return nullptr;
}

}  // namespace

void ChooseMenu(QMainWindow& window, const QStringList& path)
{
    QMenuBar* bar = window.menuBar();
    QAction* item = ActionNamed(bar->actions(), path.front());
    QVERIFY2(item, qPrintable(path.front()));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
    for (int i = 1; i < path.size(); ++i) {
        QMenu* menu = item->menu();
        QTRY_VERIFY(menu->isVisible());
        item = ActionNamed(menu->actions(), path[i]);
        QVERIFY2(item, qPrintable(path[i]));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    // The closed pop-up leaves the keyboard with the window again.
    QTRY_VERIFY(!QApplication::activePopupWidget());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}
