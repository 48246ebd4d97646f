#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/RunDeadline.h"
#include "platform/UiServices.h"

namespace sloopform::python {

// The user interface of one call into the core from Python, installed for the
// calling thread while the call lasts: messages and error dialogs are kept for
// the exception the call may raise, questions take their first harmless answer,
// and a deadline presses cancel at the next chance the core gives.
class CallUi : public UiServices {
public:
    CallUi();
    ~CallUi() override;
    CallUi(const CallUi&) = delete;
    CallUi& operator=(const CallUi&) = delete;

    MessageResult ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              int helpContext) override;
    void ShowError(const std::string& message, const std::string& origin) override;
    void ProcessMessages() override { deadline_.Check(); }

    RunDeadline& Deadline() { return deadline_; }
    // Every message and error shown, in order, as one text each.
    const std::vector<std::string>& Shown() const { return shown_; }
    // The shown texts on separate lines; `fallback` when nothing was shown.
    std::string ShownText(const std::string& fallback) const;

private:
    UiServices& previous_;
    RunDeadline deadline_;
    std::vector<std::string> shown_;
};

// A message box's line break is a carriage return; Python shows a newline.
std::string PythonText(std::string text);

}  // namespace sloopform::python
