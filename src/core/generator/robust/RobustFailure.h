#pragma once
#include <functional>
#include <string>

namespace sloopform {

// Ends the run with a fatal console line that says in plain words which figure
// could not be met and what to change.
void FailRun(const std::string& plainWords);

// Runs a stage body; an arithmetic fault inside it ends the run with a fatal
// line naming the stage's figure instead of reaching the caller as a bare
// overflow or division by zero.
void RunGuarded(const std::string& figure, const std::function<void()>& body);

}  // namespace sloopform
