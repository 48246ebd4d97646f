#include "generator/Output.h"

namespace sloopform {

void TOutput::WriteLn(const std::string& text)
{
    if (memo_) memo_->AppendLine(text);
}

void TOutput::Clear()
{
    if (memo_) memo_->ClearText();
}

void TOutput::SetOutputMemo(TextMemo* memo)
{
    if (memo_ && memo && memo != memo_) memo->SetLines(memo_->Lines());
    memo_ = memo;
}

}  // namespace sloopform
