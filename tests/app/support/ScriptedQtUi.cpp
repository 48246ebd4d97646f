#include "ScriptedQtUi.h"

ScriptedQtUi::ScriptedQtUi() { sloopform::SetUi(this); }

// `record` puts the default interface back when it goes.
ScriptedQtUi::~ScriptedQtUi()
{
    for (const QPointer<ExceptionDialog>& dialog : errorDialogs_) delete dialog.data();
}

sloopform::MessageResult ScriptedQtUi::ShowMessage(const std::string& text,
                                                   sloopform::MessageIcon icon,
                                                   sloopform::MessageButtons buttons,
                                                   int helpContext)
{
    const sloopform::MessageResult scripted = record.ShowMessage(text, icon, buttons, helpContext);
    return realMessageBoxes ? QtUi::ShowMessage(text, icon, buttons, helpContext) : scripted;
}

void ScriptedQtUi::ShowError(const std::string& message, const std::string& origin)
{
    record.ShowError(message, origin);
    QtUi::ShowError(message, origin);
}

void ScriptedQtUi::ProcessMessages()
{
    record.ProcessMessages();
    QtUi::ProcessMessages();
}

void ScriptedQtUi::SetStatusText(int panel, const std::string& text)
{
    record.SetStatusText(panel, text);
    QtUi::SetStatusText(panel, text);
}

std::optional<std::string> ScriptedQtUi::OpenFileDialog(const sloopform::FileDialogRequest& request)
{
    return record.OpenFileDialog(request);
}

std::optional<std::string> ScriptedQtUi::SaveFileDialog(const sloopform::FileDialogRequest& request)
{
    return record.SaveFileDialog(request);
}

void ScriptedQtUi::Notify(sloopform::Notification notification)
{
    record.Notify(notification);
    QtUi::Notify(notification);
}

ExceptionDialog* ScriptedQtUi::openErrorDialog() const
{
    for (auto it = errorDialogs_.rbegin(); it != errorDialogs_.rend(); ++it)
        if (*it && (*it)->isVisible()) return *it;
    return nullptr;
}

void ScriptedQtUi::presentErrorDialog(std::unique_ptr<ExceptionDialog> dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    errorDialogs_.append(dialog.get());
    dialog.release()->open();
}
