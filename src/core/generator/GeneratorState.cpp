#include "generator/GeneratorState.h"

namespace sloopform {

namespace {
// One per thread, so that designs generated side by side never share working values.
thread_local GeneratorState state;
}  // namespace

GeneratorState& Generator() { return state; }

void ResetGeneratorState() { state = GeneratorState(); }

}  // namespace sloopform
