#include "generator/GeneratorState.h"

namespace sloopform {

namespace {
GeneratorState state;
}  // namespace

GeneratorState& Generator() { return state; }

void ResetGeneratorState() { state = GeneratorState(); }

}  // namespace sloopform
