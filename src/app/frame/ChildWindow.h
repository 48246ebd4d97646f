#pragma once
#include <QList>
#include <QWidget>

class QMenu;

// A menu of a window with its group index: in the frame's menu bar a child's
// group replaces the frame's group with the same index.
struct MenuGroup {
    int index;
    QMenu* menu;
};

// A child window of the frame. It lives for the whole program inside a
// subwindow of the frame's workspace; the frame merges its menus while it is
// active and tells it when it gains or loses the activation.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual QList<MenuGroup> menuGroups() const = 0;
    virtual void childActivated() {}
    virtual void childDeactivated() {}
    // False keeps the window (and the program) open, e.g. after "Cancel" at
    // the unsaved prompt.
    virtual bool queryClose() { return true; }
};
