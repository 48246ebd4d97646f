#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

namespace sloopform::test {

// Records every call the core makes to the user interface and answers from a
// script. Installs itself on construction and restores the default on exit.
class RecordingUi : public UiServices {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
        int helpContext;
    };
    struct Error {
        std::string message;
        std::string origin;
    };

    RecordingUi();
    ~RecordingUi() override;
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    MessageResult ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              int helpContext) override;
    void ShowError(const std::string& message, const std::string& origin) override;
    void ProcessMessages() override;
    void SetStatusText(int panel, const std::string& text) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    void Notify(Notification notification) override;

    // Scripted answers, used in order; an empty script answers Ok / Cancel / no file.
    std::deque<MessageResult> answers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    // Called on every ProcessMessages, e.g. to press cancel after n evaluations.
    std::function<void()> onProcessMessages;

    std::vector<Message> messages;
    std::vector<Error> errors;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<std::pair<int, std::string>> statusTexts;
    std::vector<Notification> notifications;
    int processMessagesCalls = 0;

    std::vector<std::string> MessageTexts() const;
};

}  // namespace sloopform::test
