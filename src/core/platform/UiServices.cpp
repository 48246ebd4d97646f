#include "platform/UiServices.h"

namespace sloopform {

MessageResult UiServices::ShowMessage(const std::string&, MessageIcon, MessageButtons buttons, int)
{
    return UnansweredResult(buttons);
}

void UiServices::ShowError(const std::string&, const std::string&) {}

void UiServices::SetStatusText(int, const std::string&) {}

std::optional<std::string> UiServices::OpenFileDialog(const FileDialogRequest&)
{
    return std::nullopt;
}

std::optional<std::string> UiServices::SaveFileDialog(const FileDialogRequest&)
{
    return std::nullopt;
}

void UiServices::Notify(Notification) {}

namespace {
UiServices defaultServices;
// Per thread: a thread that runs designs of its own answers them through its own services.
thread_local UiServices* current = &defaultServices;
}  // namespace

UiServices& Ui() { return *current; }

void SetUi(UiServices* services) { current = services ? services : &defaultServices; }

}  // namespace sloopform
