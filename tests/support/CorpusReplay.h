#pragma once
#include <functional>
#include <string>

namespace sloopform::test {

// Runs `check` on every stored input of a fuzzing corpus (a folder under
// tests/fuzz) and fails the test, naming the file, for each property broken or
// exception thrown. Returns how many inputs were replayed.
int ReplayCorpus(const std::string& corpus, const std::function<std::string(const std::string& bytes)>& check);

}  // namespace sloopform::test
