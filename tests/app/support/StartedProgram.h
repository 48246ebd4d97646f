#pragma once
#include <memory>

#include "ScriptedQtUi.h"
#include "frame/MainWindow.h"

// The program as its start-up leaves it, without the splash's pauses, with
// the scripted user interface installed.
class StartedProgram {
public:
    StartedProgram();
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    MainWindow& frame() { return *frame_; }
    ScriptedQtUi& ui() { return ui_; }

private:
    ScriptedQtUi ui_;
    std::unique_ptr<MainWindow> frame_;
};

// A start-up that skips the waits.
struct StartUpOptions;
StartUpOptions QuickStartUp();
