#include "frame/MenuMerge.h"

#include <algorithm>

QList<QMenu*> MergedMenus(const QList<MenuGroup>& frameGroups, const QList<MenuGroup>& childGroups)
{
    QList<MenuGroup> merged;
    for (const MenuGroup& group : frameGroups) {
        const bool replaced = std::any_of(childGroups.begin(), childGroups.end(),
                                          [&](const MenuGroup& c) { return c.index == group.index; });
        if (!replaced) merged.append(group);
    }
    merged.append(childGroups);
    std::stable_sort(merged.begin(), merged.end(),
                     [](const MenuGroup& a, const MenuGroup& b) { return a.index < b.index; });

    QList<QMenu*> menus;
    for (const MenuGroup& group : merged)
        if (group.menu) menus.append(group.menu);
    return menus;
}
