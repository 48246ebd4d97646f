#pragma once
#include <ostream>

#include "generator/Output.h"

namespace sloopform::batch {

// Keeps the console lines and, unless quiet, prints each as it arrives.
class StreamMemo : public StringListMemo {
public:
    explicit StreamMemo(std::ostream* echo) : echo_(echo) {}
    void AppendLine(const std::string& line) override
    {
        StringListMemo::AppendLine(line);
        if (echo_) *echo_ << line << std::endl;
    }

private:
    std::ostream* echo_;
};

}  // namespace sloopform::batch
