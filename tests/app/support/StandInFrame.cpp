#include "StandInFrame.h"

#include <QAction>
#include <QMenu>

#include "frame/FrameButtons.h"

StandInFrame::StandInFrame() : recentProjects_(new QMenu(this))
{
    for (const FrameButtonInfo& info : FrameButtonTable()) {
        auto* action = new QAction(QString::fromLatin1(info.hint), this);
        action->setObjectName(QString::fromLatin1(info.name));
        action->setEnabled(info.enabledAtStart);
        buttons_[info.id] = action;
    }
}

StandInFrame::~StandInFrame() = default;

QAction* StandInFrame::button(FrameButton id) const { return buttons_.at(id); }

ChildWindow* StandInFrame::child(ChildRole role) const
{
    const auto found = children_.find(role);
    return found == children_.end() ? nullptr : found->second;
}

void StandInFrame::showChild(ChildRole role) { shownChildren.append(role); }

void StandInFrame::enterRunMode()
{
    inRun_ = true;
    ++runModesEntered;
}
