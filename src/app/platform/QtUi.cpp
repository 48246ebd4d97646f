#include "platform/QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "frame/ExceptionDialog.h"
#include "frame/FrameServices.h"
#include "help/Help.h"

using sloopform::FileDialogRequest;
using sloopform::MessageButtons;
using sloopform::MessageIcon;
using sloopform::MessageResult;
using sloopform::Notification;

namespace {

QString Caption(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QStringLiteral("Information");
    case MessageIcon::Warning: return QStringLiteral("Warning");
    case MessageIcon::Error: return QStringLiteral("Error");
    case MessageIcon::Question: return QStringLiteral("Confirm");
    case MessageIcon::None: break;
    }
    return QStringLiteral("Sloopform Project");
}

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageResult Result(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    case QMessageBox::Cancel: return MessageResult::Cancel;
    default: return MessageResult::Ok;
    }
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString::fromStdString(request.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.mustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFileFilter(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

QtUi::QtUi() = default;

QtUi::~QtUi() = default;

void QtUi::setFrame(FrameServices* frame)
{
    frame_ = frame;
    frameWindow_ = frame ? frame->frameWindow() : nullptr;
}

FrameServices* QtUi::frame() const { return frameWindow_ ? frame_ : nullptr; }

QWidget* QtUi::dialogParent() const
{
    if (QWidget* active = QApplication::activeWindow()) return active;
    return frameWindow_.data();
}

MessageResult QtUi::ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                int helpContext)
{
    const std::unique_ptr<QMessageBox> box =
        BuildMessageBox(QString::fromStdString(text), icon, buttons, dialogParent());
    // Blocks the program's windows but not the help window, which has none above it.
    if (box->parentWidget()) box->setWindowModality(Qt::WindowModal);
    // Help opens the help page and asks again, so the answer is still the user's.
    for (;;) {
        const int pressed = box->exec();
        if (pressed != QMessageBox::Help) return Result(pressed);
        ShowHelpContext(helpContext);
    }
}

void QtUi::ShowError(const std::string& message, const std::string& origin)
{
    presentErrorDialog(std::make_unique<ExceptionDialog>(QString::fromStdString(message),
                                                         QString::fromStdString(origin),
                                                         dialogParent()));
}

void QtUi::presentErrorDialog(std::unique_ptr<ExceptionDialog> dialog) { dialog->exec(); }

void QtUi::ProcessMessages() { QCoreApplication::processEvents(); }

void QtUi::SetStatusText(int panel, const std::string& text)
{
    if (FrameServices* shown = frame()) shown->setStatusPanel(panel, QString::fromStdString(text));
}

std::optional<std::string> QtUi::OpenFileDialog(const FileDialogRequest& request)
{
    return RunFileDialog(dialogParent(), request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUi::SaveFileDialog(const FileDialogRequest& request)
{
    return RunFileDialog(dialogParent(), request, QFileDialog::AcceptSave);
}

void QtUi::Notify(Notification notification)
{
    FrameServices* shown = frame();
    if (!shown) return;
    FrameNotices& notices = shown->notices();
    switch (notification) {
    case Notification::HullDimensionsChanged: emit notices.hullDimensionsChanged(); break;
    case Notification::QuickCalcRefresh: emit notices.quickCalcRefresh(); break;
    case Notification::Repaint: emit notices.repaintViews(); break;
    }
}

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, MessageIcon icon,
                                             MessageButtons buttons, QWidget* parent)
{
    // The core breaks a message's lines with carriage returns.
    QString lines = text;
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto box = std::make_unique<QMessageBox>(BoxIcon(icon), Caption(icon), lines,
                                             QMessageBox::NoButton, parent);
    switch (buttons) {
    case MessageButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkHelp:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Help);
        box->setDefaultButton(QMessageBox::Ok);
        // Help keeps the keyboard once clicked; Enter must still mean OK.
        qobject_cast<QPushButton*>(box->button(QMessageBox::Help))->setAutoDefault(false);
        break;
    case MessageButtons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        break;
    }
    return box;
}

QString QtFileFilter(const std::string& coreFilter)
{
    QStringList filters;
    const QStringList parts = QString::fromStdString(coreFilter).split(QLatin1Char('|'));
    for (int i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty()) continue;
        // "*.*" means every file, also those without an extension; several
        // patterns are separated by blanks in Qt, by semicolons in the core.
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        if (pattern.isEmpty()) pattern = QStringLiteral("*");
        // Qt reads the patterns from the entry's last parentheses, so a
        // description that shows its own drops them for the ones Qt should use.
        const int shown = description.lastIndexOf(QLatin1Char('('));
        if (shown > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(shown).trimmed();
        filters.append(QStringLiteral("%1 (%2)").arg(description, pattern).trimmed());
    }
    return filters.join(QStringLiteral(";;"));
}
