#pragma once
// The frame with a lines plan and a 3D viewer as its view targets and a
// scripted UI answering for it: the set-up the view windows' tests share.
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

#include "ScriptedQtUi.h"
#include "frame/MainWindow.h"
#include "views/LinesPlanWindow.h"
#include "views/ThreeDViewerWindow.h"

namespace viewtest {

class FramedViews {
public:
    FramedViews()
    {
        ui.setFrame(frame.get());
        lines = new LinesPlanWindow(*frame);
        viewer = new ThreeDViewerWindow(*frame);
    }

    // Adds both windows to the frame and shows it at `size`; the surfaces'
    // sizes are fixed before. False when the frame is never exposed.
    bool show(QSize size)
    {
        linesSub = frame->addChild(ChildRole::LinesPlan, lines);
        viewerSub = frame->addChild(ChildRole::ThreeD, viewer);
        FrameTargets targets;
        targets.linesPlan = lines;
        targets.threeD = viewer;
        frame->setTargets(targets);
        frame->resize(size);
        frame->show();
        return QTest::qWaitForWindowExposed(frame.get());
    }

    // Declared first, so it outlives the frame it answers for.
    ScriptedQtUi ui;
    std::unique_ptr<MainWindow> frame = std::make_unique<MainWindow>();
    LinesPlanWindow* lines = nullptr;
    ThreeDViewerWindow* viewer = nullptr;
    QMdiSubWindow* linesSub = nullptr;
    QMdiSubWindow* viewerSub = nullptr;
};

}  // namespace viewtest
