#pragma once
#include <QList>
#include <QPointer>

#include "RecordingUi.h"
#include "frame/ExceptionDialog.h"
#include "platform/QtUi.h"

// The desktop program's user interface for tests: message boxes and file
// dialogs are answered from the script of `record` (and recorded there), so no
// test waits on a modal box; the error dialog is opened without waiting so a
// test can read it and press its button. Status panels and notifications go
// to the frame as in the program. Installs itself while it lives.
class ScriptedQtUi : public QtUi {
public:
    ScriptedQtUi();
    ~ScriptedQtUi() override;

    sloopform::MessageResult ShowMessage(const std::string& text, sloopform::MessageIcon icon,
                                         sloopform::MessageButtons buttons,
                                         int helpContext) override;
    void ShowError(const std::string& message, const std::string& origin) override;
    void ProcessMessages() override;
    void SetStatusText(int panel, const std::string& text) override;
    std::optional<std::string> OpenFileDialog(const sloopform::FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const sloopform::FileDialogRequest& request) override;
    void Notify(sloopform::Notification notification) override;

    // The newest error dialog still open, if any.
    ExceptionDialog* openErrorDialog() const;

    sloopform::test::RecordingUi record;
    // Message boxes are shown as the program shows them (and recorded), for a
    // test that drives them itself (ModalDriver).
    bool realMessageBoxes = false;

protected:
    void presentErrorDialog(std::unique_ptr<ExceptionDialog> dialog) override;

private:
    QList<QPointer<ExceptionDialog>> errorDialogs_;
};
