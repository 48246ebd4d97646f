#include "platform/RunDeadline.h"

#include "platform/RunControl.h"

namespace sloopform {

void RunDeadline::Set(std::chrono::steady_clock::duration fromNow)
{
    deadline_ = std::chrono::steady_clock::now() + fromNow;
    passed_ = false;
}

void RunDeadline::Clear() { deadline_.reset(); }

void RunDeadline::Check()
{
    if (deadline_ && !passed_ && std::chrono::steady_clock::now() >= *deadline_) {
        passed_ = true;
        CancelGeneration();
    }
}

}  // namespace sloopform
