#pragma once
#include <string>
#include <vector>

#include "platform/RunControl.h"

namespace sloopform {

// A multi-line text control that a TOutput writes into. The desktop program
// implements it with a real memo; StringListMemo keeps the lines in memory.
class TextMemo {
public:
    virtual ~TextMemo() = default;
    virtual void AppendLine(const std::string& line) = 0;
    virtual void ClearText() = 0;
    virtual std::vector<std::string> Lines() const = 0;
    virtual void SetLines(const std::vector<std::string>& lines) = 0;
};

class StringListMemo : public TextMemo {
public:
    void AppendLine(const std::string& line) override { lines_.push_back(line); }
    void ClearText() override { lines_.clear(); }
    std::vector<std::string> Lines() const override { return lines_; }
    void SetLines(const std::vector<std::string>& lines) override { lines_ = lines; }

private:
    std::vector<std::string> lines_;
};

// A line sink bound to an optional memo: SConsole and SReport. A run binds
// its console as the run console until the next run or the console's end.
class TOutput : public RunConsoleTarget {
public:
    void WriteLn(const std::string& text = {}) override;
    void Clear();
    // The new memo takes over all lines of the previous one, then becomes the target.
    void SetOutputMemo(TextMemo* memo);
    TextMemo* OutputMemo() const { return memo_; }

private:
    TextMemo* memo_ = nullptr;
};

}  // namespace sloopform
