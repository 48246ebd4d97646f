#pragma once
#include <string>
#include <utility>
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

// The volume and the centre of buoyancy (m aft of station 0) integrated by
// Simpson's rule over the stations' own section areas.
inline std::pair<long double, long double> StationVolume(const HullRecord& hull)
{
    const long double h = hull.Lwl * 0.05L;
    long double sum = 0, moment = 0;
    for (int s = 1; s < 20; ++s) {
        const long double weighted = (s % 2 == 1 ? 4 : 2) * hull.Stations[s].SectionArea;
        sum += weighted;
        moment += weighted * s * h;
    }
    return {sum * h / 3, moment / sum};
}

}  // namespace sloopform::test
