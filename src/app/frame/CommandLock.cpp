#include "frame/CommandLock.h"

#include <QAction>
#include <QWidget>

void CommandLock::disable(QAction* action)
{
    if (!action || !action->isEnabled()) return;
    action->setEnabled(false);
    actions_.append(action);
}

void CommandLock::disable(QWidget* widget)
{
    if (!widget || !widget->isEnabled()) return;
    widget->setEnabled(false);
    widgets_.append(widget);
}

void CommandLock::release()
{
    for (const QPointer<QAction>& action : actions_)
        if (action) action->setEnabled(true);
    for (const QPointer<QWidget>& widget : widgets_)
        if (widget) widget->setEnabled(true);
    actions_.clear();
    widgets_.clear();
}
