#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "model/HullRecord.h"
#include "platform/RunControl.h"

namespace sloopform::test {

// A generator stage test starts from program start, with a run console and a
// recording user interface, and a design prepared as the run driver prepares it.
class StageFixture : public ::testing::Test {
protected:
    // A stage that never meets its targets is cancelled instead of hanging the test.
    static constexpr int kWatchdogCalls = 5000;

    void SetUp() override
    {
        ResetCancel();
        ResetGeneratorState();
        console.SetOutputMemo(&memo);
        SetRunConsole(&console);
        ui.onProcessMessages = [this] {
            if (++messageCalls == kWatchdogCalls) CancelGeneration();
        };
    }
    void TearDown() override
    {
        SetRunConsole(nullptr);
        ResetCancel();
    }

    // The design with the default goals and the driver's profile control heights.
    std::unique_ptr<HullRecord> Design(const std::string& name)
    {
        auto hull = BundledDesign(name);
        SetDefaultGoals(*hull);
        PrepareRun(*hull);
        return hull;
    }
    static void PrepareRun(HullRecord& hull)
    {
        hull.ForefootKeelHeight = hull.Tc / 6;
        hull.AftKeelHeight = hull.Tc * 0.2L;
    }

    RecordingUi ui;
    StringListMemo memo;
    TOutput console;
    int messageCalls = 0;
};

}  // namespace sloopform::test
