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

void CommandLock::disableKeepingColours(QWidget* window)
{
    if (!window || !window->isEnabled()) return;
    const QPalette own = window->palette();
    QPalette readable = own;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        readable.setColor(QPalette::Disabled, colourRole, own.color(QPalette::Active, colourRole));
    }
    palettes_.append({window, own});
    window->setPalette(readable);
    disable(window);
}

void CommandLock::release()
{
    for (const QPointer<QAction>& action : actions_)
        if (action) action->setEnabled(true);
    for (const QPointer<QWidget>& widget : widgets_)
        if (widget) widget->setEnabled(true);
    for (const auto& [window, palette] : palettes_)
        if (window) window->setPalette(palette);
    actions_.clear();
    widgets_.clear();
    palettes_.clear();
}
