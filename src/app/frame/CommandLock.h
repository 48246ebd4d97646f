#pragma once
#include <QList>
#include <QPointer>

class QAction;
class QWidget;

// Disables commands and windows for a while and gives back exactly what it
// took: an item that was already disabled stays disabled on release.
class CommandLock {
public:
    void disable(QAction* action);
    void disable(QWidget* widget);
    void release();

private:
    QList<QPointer<QAction>> actions_;
    QList<QPointer<QWidget>> widgets_;
};
