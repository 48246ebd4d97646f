#pragma once
#include <QPointer>
#include <QString>
#include <memory>

#include "platform/UiServices.h"

class ExceptionDialog;
class FrameServices;
class QMessageBox;
class QWidget;

// The core's user interface in the desktop program: Qt's message boxes and
// file dialogs, the frame's status panels and notifications, the error dialog.
class QtUi : public sloopform::UiServices {
public:
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    // The frame whose status panels and notices the core reaches; may be unset.
    void setFrame(FrameServices* frame);

    sloopform::MessageResult ShowMessage(const std::string& text, sloopform::MessageIcon icon,
                                         sloopform::MessageButtons buttons,
                                         int helpContext) override;
    void ShowError(const std::string& message, const std::string& origin) override;
    void ProcessMessages() override;
    void SetStatusText(int panel, const std::string& text) override;
    std::optional<std::string> OpenFileDialog(const sloopform::FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const sloopform::FileDialogRequest& request) override;
    void Notify(sloopform::Notification notification) override;

protected:
    // Modal here; a test opens the dialog without waiting for it.
    virtual void presentErrorDialog(std::unique_ptr<ExceptionDialog> dialog);
    QWidget* dialogParent() const;

private:
    // The frame while its window exists.
    FrameServices* frame() const;

    FrameServices* frame_ = nullptr;
    QPointer<QWidget> frameWindow_;
};

// The box ShowMessage shows: its icon, caption and buttons.
std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, sloopform::MessageIcon icon,
                                             sloopform::MessageButtons buttons,
                                             QWidget* parent = nullptr);

// The core's "Description|pattern|Description|pattern" filter as Qt's
// "Description (pattern);;..." list.
QString QtFileFilter(const std::string& coreFilter);
