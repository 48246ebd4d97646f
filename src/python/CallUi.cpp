#include "CallUi.h"

#include <algorithm>

namespace sloopform::python {

CallUi::CallUi() : previous_(Ui()) { SetUi(this); }

CallUi::~CallUi() { SetUi(&previous_); }

MessageResult CallUi::ShowMessage(const std::string& text, MessageIcon, MessageButtons buttons, int)
{
    shown_.push_back(PythonText(text));
    return buttons == MessageButtons::YesNoCancel ? MessageResult::Cancel : MessageResult::Ok;
}

void CallUi::ShowError(const std::string& message, const std::string& origin)
{
    shown_.push_back("Error: " + message + "\nFrom : " + origin);
}

std::string CallUi::ShownText(const std::string& fallback) const
{
    if (shown_.empty()) return fallback;
    std::string text;
    for (const std::string& line : shown_) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string PythonText(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

}  // namespace sloopform::python
