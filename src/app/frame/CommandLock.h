#pragma once
#include <QList>
#include <QPalette>
#include <QPointer>

class QAction;
class QWidget;

// Disables commands and windows for a while and gives back exactly what it
// took: an item that was already disabled stays disabled on release.
class CommandLock {
public:
    void disable(QAction* action);
    void disable(QWidget* widget);
    // A window whose text must stay readable while it takes no input: it
    // keeps the colours it has when enabled.
    void disableKeepingColours(QWidget* window);
    void release();

private:
    QList<QPointer<QAction>> actions_;
    QList<QPointer<QWidget>> widgets_;
    QList<QPair<QPointer<QWidget>, QPalette>> palettes_;
};
