#pragma once
#include <QList>

#include "frame/ChildWindow.h"

// The menus of the frame's menu bar while a child is active: every group of
// the child replaces the frame's group of the same index, and the bar shows
// the groups in the order of their indexes.
QList<QMenu*> MergedMenus(const QList<MenuGroup>& frameGroups, const QList<MenuGroup>& childGroups);
