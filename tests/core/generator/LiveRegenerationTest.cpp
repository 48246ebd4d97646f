#include "generator/LiveRegeneration.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/RunControl.h"

using namespace sloopform;

namespace {

// A run that takes edits while it runs, as the desktop program's runs do
// when they let the interface process its messages.
struct EditedRuns {
    LiveRegeneration live{[this] { Run(); }};
    std::vector<int> valuesRun;
    std::vector<bool> cancelled;
    std::vector<int> editsDuringRun;  // the value typed while each run goes
    int value = 0;

    void Edit(int newValue)
    {
        value = newValue;
        live.Request();
    }
    void Run()
    {
        ResetCancel();
        const int run = int(valuesRun.size());
        valuesRun.push_back(value);
        if (run < int(editsDuringRun.size())) Edit(editsDuringRun[run]);
        cancelled.push_back(CancelFlag());
    }
};

}  // namespace

TEST(LiveRegeneration, AnEditDuringARunCancelsItAndRunsOnTheLatestValues)
{
    EditedRuns runs;
    runs.editsDuringRun = {2, 3};
    runs.Edit(1);
    EXPECT_EQ(runs.valuesRun, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(runs.cancelled, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(runs.live.Running());

    runs.Edit(4);
    EXPECT_EQ(runs.valuesRun.back(), 4);
    EXPECT_FALSE(runs.cancelled.back());
}

TEST(LiveRegeneration, ARunEndedByAnErrorLetsTheNextOneStart)
{
    int runs = 0;
    LiveRegeneration live([&] {
        if (++runs == 1) throw std::runtime_error("Floating point overflow");
    });
    EXPECT_THROW(live.Request(), std::runtime_error);
    EXPECT_FALSE(live.Running());
    live.Request();
    EXPECT_EQ(runs, 2);
}
