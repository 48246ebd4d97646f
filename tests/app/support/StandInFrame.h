#pragma once
#include <QList>
#include <QString>
#include <QWidget>
#include <map>
#include <optional>

#include "frame/FrameServices.h"
#include "generator/Output.h"

class QAction;
class QMenu;

// A frame of the bare services a child window may ask for, with no
// workspace, tool bar or menus: what the child asked is kept for a test to read.
class StandInFrame : public QWidget, public FrameServices {
public:
    StandInFrame();
    ~StandInFrame() override;

    QWidget* frameWindow() override { return this; }
    FrameNotices& notices() override { return notices_; }
    QAction* button(FrameButton id) const override;
    ChildWindow* child(ChildRole role) const override;
    void showChild(ChildRole role) override;
    const FrameTargets& targets() const override { return targets_; }
    void setDocumentTarget(DocumentTargetId target) override { documentTarget = target; }
    void setViewTarget(ViewTargetId target) override { viewTarget = target; }
    void enterRunMode() override;
    void leaveRunMode() override { inRun_ = false; }
    bool inRunMode() const override { return inRun_; }
    sloopform::TOutput& console() override { return console_; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    void setRunVerdict(const QString& text) override { runVerdict = text; }
    void openPreferences() override { ++preferencesOpened; }
    QMenu* recentProjectsMenu() override { return recentProjects_; }
    void projectNamed(const QString& shortName) override { projectName = shortName; }
    void projectModifiedChanged(bool modified) override { projectModified = modified; }
    void projectFileUsed(const QString& path) override { projectFilesUsed.append(path); }

    void setChild(ChildRole role, ChildWindow* window) { children_[role] = window; }
    void setTargets(const FrameTargets& targets) { targets_ = targets; }

    std::map<int, QString> panels;
    QString runVerdict;
    std::optional<DocumentTargetId> documentTarget;
    std::optional<ViewTargetId> viewTarget;
    QList<ChildRole> shownChildren;
    int runModesEntered = 0;
    int preferencesOpened = 0;
    QString projectName;
    bool projectModified = false;
    QStringList projectFilesUsed;

private:
    FrameNotices notices_;
    QMenu* recentProjects_;
    std::map<FrameButton, QAction*> buttons_;
    std::map<ChildRole, ChildWindow*> children_;
    FrameTargets targets_;
    sloopform::TOutput console_;
    bool inRun_ = false;
};
