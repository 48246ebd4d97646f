#include "ConsoleUi.h"

#include <filesystem>
#include <ostream>

namespace sloopform::batch {

ConsoleUi::ConsoleUi(std::ostream& errors) : errors_(errors) {}

MessageResult ConsoleUi::ShowMessage(const std::string& text, MessageIcon, MessageButtons buttons, int)
{
    errors_ << text << '\n';
    ++reports_;
    return UnansweredResult(buttons);
}

void ConsoleUi::ShowError(const std::string& message, const std::string& origin)
{
    errors_ << "Error: " << message << '\n' << "From : " << origin << '\n';
    ++reports_;
}

void ConsoleUi::ProcessMessages() { deadline_.Check(); }

std::optional<std::string> ConsoleUi::SaveFileDialog(const FileDialogRequest&)
{
    std::optional<std::string> answer;
    answer.swap(saveAnswer_);
    if (!answer) return answer;
    // A dialog gives the full path, and the GF1 file records it.
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(*answer, error);
    return error ? answer : full.string();
}

int ConsoleUi::TakeReportCount()
{
    const int count = reports_;
    reports_ = 0;
    return count;
}

}  // namespace sloopform::batch
