#include "RecordingUi.h"

namespace sloopform::test {

namespace {
template <typename T, typename Fallback>
T Next(std::deque<T>& script, Fallback fallback)
{
    if (script.empty()) return fallback;
    T answer = script.front();
    script.pop_front();
    return answer;
}
}  // namespace

RecordingUi::RecordingUi() { SetUi(this); }

RecordingUi::~RecordingUi() { SetUi(nullptr); }

MessageResult RecordingUi::ShowMessage(const std::string& text, MessageIcon icon,
                                       MessageButtons buttons, int helpContext)
{
    messages.push_back({text, icon, buttons, helpContext});
    return Next(answers, UnansweredResult(buttons));
}

void RecordingUi::ShowError(const std::string& message, const std::string& origin)
{
    errors.push_back({message, origin});
}

void RecordingUi::ProcessMessages()
{
    ++processMessagesCalls;
    if (onProcessMessages) onProcessMessages();
}

void RecordingUi::SetStatusText(int panel, const std::string& text)
{
    statusTexts.emplace_back(panel, text);
}

std::optional<std::string> RecordingUi::OpenFileDialog(const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return Next(openAnswers, std::optional<std::string>());
}

std::optional<std::string> RecordingUi::SaveFileDialog(const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return Next(saveAnswers, std::optional<std::string>());
}

void RecordingUi::Notify(Notification notification) { notifications.push_back(notification); }

std::vector<std::string> RecordingUi::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace sloopform::test
