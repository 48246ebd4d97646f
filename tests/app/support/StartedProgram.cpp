#include "StartedProgram.h"

#include "frame/StartUp.h"

StartUpOptions QuickStartUp()
{
    StartUpOptions options;
    options.waits = false;
    return options;
}

StartedProgram::StartedProgram() : frame_(StartUp(ui_, QuickStartUp()).run()) {}

StartedProgram::~StartedProgram() = default;
