#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingUi.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunControl.h"

namespace sloopform::test {

// A generator at program start with a recording user interface and a run
// console whose lines the test can read.
class GeneratorFixture : public ::testing::Test {
protected:
    GeneratorFixture()
    {
        ResetGeneratorState();
        ResetCancel();
        console.SetOutputMemo(&memo);
        SetRunConsole(&console);
    }
    ~GeneratorFixture() override
    {
        SetRunConsole(nullptr);
        ResetCancel();
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
    // messages `calls` times, so an endless iteration cannot hang a test.
    void CancelAfter(int calls)
    {
        ui.onProcessMessages = [this, calls] {
            if (++processed_ == calls) CancelGeneration();
        };
    }

    RecordingUi ui;
    StringListMemo memo;
    TOutput console;

private:
    int processed_ = 0;
};

}  // namespace sloopform::test
