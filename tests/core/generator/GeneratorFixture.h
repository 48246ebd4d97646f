#pragma once
#include <string>
#include <vector>

#include "StageFixture.h"

namespace sloopform::test {

// A stage fixture whose test can read the console lines and press cancel.
class GeneratorFixture : public StageFixture {
protected:
    void TearDown() override
    {
        StageFixture::TearDown();
        ResetGeneratorState();
    }

    std::vector<std::string> Lines() const { return memo.Lines(); }
    int CountLines(const std::string& text) const
    {
        int n = 0;
        for (const auto& line : memo.Lines()) n += line == text ? 1 : 0;
        return n;
    }
    // Presses cancel once the user interface has been asked to process
    // messages `calls` times.
    void CancelAfter(int calls)
    {
        ui.onProcessMessages = [this, calls] {
            if (++messageCalls == calls) CancelGeneration();
        };
    }
};

}  // namespace sloopform::test
