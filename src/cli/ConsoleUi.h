#pragma once
#include <iosfwd>
#include <optional>

#include "platform/RunDeadline.h"
#include "platform/UiServices.h"

namespace sloopform::batch {

// The user interface of the batch tool: every message box becomes one line on
// standard error with its exact text, the error dialog becomes "Error: ..." and
// "From : ..." lines, questions take their first harmless answer, save dialogs
// take the file named on the command line (as a full path), and an expired
// deadline presses cancel at the next chance the core gives.
class ConsoleUi : public UiServices {
public:
    explicit ConsoleUi(std::ostream& errors);

    MessageResult ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              int helpContext) override;
    void ShowError(const std::string& message, const std::string& origin) override;
    void ProcessMessages() override;
    // Save dialogs are answered with the file named on the command line, as a
    // full path.
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    void AnswerNextSaveDialog(const std::string& path) { saveAnswer_ = path; }

    RunDeadline& Deadline() { return deadline_; }
    // Messages and errors shown since the last call.
    int TakeReportCount();

private:
    std::ostream& errors_;
    RunDeadline deadline_;
    int reports_ = 0;
    std::optional<std::string> saveAnswer_;
};

}  // namespace sloopform::batch
