#pragma once
#include <chrono>
#include <optional>

namespace sloopform {

// A time limit on this thread's run, enforced at the chances the core gives a
// user interface (its ProcessMessages): once the time has passed, the next
// check presses cancel, once.
class RunDeadline {
public:
    void Set(std::chrono::steady_clock::duration fromNow);
    void Clear();
    void Check();
    bool Passed() const { return passed_; }

private:
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    bool passed_ = false;
};

}  // namespace sloopform
