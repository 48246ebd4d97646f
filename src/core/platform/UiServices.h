#pragma once
#include <optional>
#include <string>

namespace sloopform {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkHelp, YesNoCancel, YesNo };
enum class MessageResult { Ok, Yes, No, Cancel };

// The answer when nobody is there to give one: the choice that changes nothing.
inline MessageResult UnansweredResult(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNoCancel: return MessageResult::Cancel;
    case MessageButtons::YesNo: return MessageResult::No;
    default: return MessageResult::Ok;
    }
}

// Things the core tells whatever shows the hull.
enum class Notification {
    HullDimensionsChanged,  // views recompute their extents, then repaint
    QuickCalcRefresh,       // the parameter readouts are out of date
    Repaint,                // views redraw what the flags allow
};

struct FileDialogRequest {
    std::string title;
    std::string filter;            // "Description (*.ext)|*.ext|..."
    std::string defaultExtension;  // without the dot
    std::string fileName;          // preset name, may be empty
    bool mustExist = false;        // open dialogs: path and file must exist
    bool confirmOverwrite = false; // save dialogs: ask before replacing a file
};

// The origin the application's error dialog names for an error that reached
// its global handler rather than a routine's own handling.
inline constexpr const char* kGlobalHandlerOrigin = "From Global Error Handler, i.e not local";

// The few things the core asks of a user interface. The default does nothing
// visible and answers every question with the choice that changes nothing.
class UiServices {
public:
    virtual ~UiServices() = default;

    virtual MessageResult ShowMessage(const std::string& text, MessageIcon icon,
                                      MessageButtons buttons, int helpContext = 0);
    // The application's error dialog: "Error: " + message, "From : " + origin.
    virtual void ShowError(const std::string& message, const std::string& origin);
    virtual void ProcessMessages() {}
    virtual void SetStatusText(int panel, const std::string& text);
    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request);
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request);
    virtual void Notify(Notification notification);
};

// The services in use by this thread; never null. Passing nullptr restores the default.
UiServices& Ui();
void SetUi(UiServices* services);

}  // namespace sloopform
