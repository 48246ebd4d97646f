#include "generator/robust/RobustFailure.h"

#include <exception>

#include "platform/RunControl.h"

namespace sloopform {

void FailRun(const std::string& plainWords)
{
    ConsoleLine("Fatal Error[1]: " + plainWords);
    CancelGeneration();
}

void RunGuarded(const std::string& figure, const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& fault) {
        FailRun(figure + " could not be built from these parameters (" + fault.what() +
                "); check the dimensions and coefficients");
    }
}

}  // namespace sloopform
