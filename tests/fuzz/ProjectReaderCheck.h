#pragma once
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/HullRecord.h"
#include "model/ProjectFile.h"
#include "platform/UiServices.h"

namespace sloopform::fuzz {

// Counts the messages the reader shows while it is installed.
class MessageCounter : public UiServices {
public:
    MessageCounter() { SetUi(this); }
    ~MessageCounter() override { SetUi(nullptr); }
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;

    MessageResult ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              int helpContext) override
    {
        ++count;
        last = text;
        return UiServices::ShowMessage(text, icon, buttons, helpContext);
    }

    int count = 0;
    std::string last;
};

// The nineteen parameters, in the order of the project file.
inline std::array<Real48, kProjectKeyCount> Parameters(const HullRecord& hull)
{
    return {hull.Loa,  hull.Lwl,    hull.BMax,         hull.Bwl,        hull.BTransom,
            hull.Tc,   hull.Fovh,   hull.FreeBow,      hull.FreeCenter, hull.FreeAft,
            hull.BPDA, hull.BPLWLT, hull.TransomAngle, hull.Cp,         hull.Cm,
            hull.Cwp,  hull.LCF,    hull.LCB,          hull.ApAngle};
}

// Saved with 3 decimals, a value comes back within half a thousandth (and the
// 6-byte rounding of both ends).
inline bool SameToThreeDecimals(long double saved, long double read)
{
    return std::fabs(saved - read) <= 0.0005L * (1 + 0x1p-30L) + std::fabs(saved) * 0x1p-38L;
}

struct ReaderVerdict {
    int messages = 0;    // shown while reading the input
    std::string broken;  // the property the input broke, empty when none
};

// What every input must keep: the reader shows at most one message, and a
// file it read without complaint saves and reads back without complaint to
// the same values at 3 decimals. Exceptions are faults too; they are left to
// reach the caller.
inline ReaderVerdict CheckProjectReader(const std::string& bytes,
                                        const std::filesystem::path& folder)
{
    const auto input = folder / "input.sfp";
    std::ofstream(input, std::ios::binary | std::ios::trunc) << bytes;

    MessageCounter messages;
    auto hull = HullRecord::Create();
    LoadProject(*hull, input.string());
    ReaderVerdict verdict{messages.count, {}};
    if (messages.count > 1) verdict.broken = "more than one message, the last: " + messages.last;
    if (messages.count > 0) return verdict;

    const auto saved = folder / "saved.sfp";
    auto reread = HullRecord::Create();
    if (!SaveProject(*hull, saved.string())) {
        verdict.broken = "saving what was read failed: " + messages.last;
        return verdict;
    }
    LoadProject(*reread, saved.string());
    if (messages.count != 0) {
        verdict.broken = "a saved project does not read back: " + messages.last;
        return verdict;
    }
    const auto before = Parameters(*hull);
    const auto after = Parameters(*reread);
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!SameToThreeDecimals(before[i], after[i]))
            verdict.broken = "value " + std::to_string(i + 1) + " changed from " +
                             std::to_string(before[i].Value()) + " to " +
                             std::to_string(after[i].Value());
    return verdict;
}

}  // namespace sloopform::fuzz
