#pragma once
#include <functional>

namespace sloopform {

// The runs that follow the designer's edits. A run's user interface keeps
// taking edits while it runs, so a request can come while a run is going:
// that run is cancelled and, once it has returned, one more run starts on the
// latest values. Only the last run of a burst of edits finishes.
class LiveRegeneration {
public:
    explicit LiveRegeneration(std::function<void()> run) : run_(std::move(run)) {}

    void Request();
    bool Running() const { return running_; }

private:
    std::function<void()> run_;
    bool running_ = false;
    bool again_ = false;
};

}  // namespace sloopform
