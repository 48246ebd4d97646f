#pragma once
#include <memory>

#include "ScriptedQtUi.h"
#include "frame/MainWindow.h"

class GeneratorWindow;

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
    sloopform::test::RecordingUi& record() { return ui_.record; }
    // The generator window the start-up puts in the frame.
    GeneratorWindow& generator();
    // The generator made the frame's active child and the frame the active
    // window, so keys go to it; false when the frame never becomes active.
    bool activateGenerator();

private:
    ScriptedQtUi ui_;
    std::unique_ptr<MainWindow> frame_;
};

// A start-up that skips the waits.
struct StartUpOptions;
StartUpOptions QuickStartUp();
