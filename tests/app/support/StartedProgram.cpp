#include "StartedProgram.h"

#include <QMdiArea>
#include <QTest>
#include <stdexcept>

#include "frame/StartUp.h"
#include "generator/GeneratorWindow.h"

StartUpOptions QuickStartUp()
{
    StartUpOptions options;
    options.waits = false;
    return options;
}

StartedProgram::StartedProgram() : frame_(StartUp(ui_, QuickStartUp()).run()) {}

StartedProgram::~StartedProgram() = default;

GeneratorWindow& StartedProgram::generator()
{
    auto* generator = qobject_cast<GeneratorWindow*>(frame_->child(ChildRole::Generator));
    if (!generator) throw std::logic_error("the started program has no generator window");
    return *generator;
}

bool StartedProgram::activateGenerator()
{
    frame_->workspace()->setActiveSubWindow(frame_->childSubWindow(ChildRole::Generator));
    frame_->activateWindow();
    return QTest::qWaitForWindowActive(frame_.get());
}
