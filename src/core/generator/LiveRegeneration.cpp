#include "generator/LiveRegeneration.h"

#include "platform/RunControl.h"

namespace sloopform {

void LiveRegeneration::Request()
{
    if (running_) {
        CancelGeneration();
        again_ = true;
        return;
    }
    running_ = true;
    try {
        do {
            again_ = false;
            run_();
        } while (again_);
    } catch (...) {
        running_ = false;
        throw;
    }
    running_ = false;
}

}  // namespace sloopform
