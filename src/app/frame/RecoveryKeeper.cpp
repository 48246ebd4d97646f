#include "frame/RecoveryKeeper.h"

#include "model/ShortFileName.h"
#include "platform/UiServices.h"

using sloopform::TFileManager;

QString RecoveryQuestion(const QString& documentName, const QString& noun)
{
    return QStringLiteral("Sloopform closed without saving %1. Open the recovered %2?").arg(documentName, noun);
}

RecoveryKeeper::RecoveryKeeper(sloopform::RecoveryFile file, Document document, QObject* parent)
    : QObject(parent), file_(std::move(file)), document_(std::move(document))
{
    // A saved, a fresh or an opened document has nothing left to recover.
    TFileManager& files = document_.files;
    files.OnSaveFile = [this, save = files.OnSaveFile](TFileManager& sender, const std::string& name) {
        const bool saved = !save || save(sender, name);
        if (saved) file_.Discard();
        return saved;
    };
    files.OnNewFile = [this, fresh = files.OnNewFile](TFileManager& sender) {
        if (fresh) fresh(sender);
        file_.Discard();
    };
    files.OnOpenFile = [this, open = files.OnOpenFile](TFileManager& sender, const std::string& name) {
        const bool opened = !open || open(sender, name);
        if (opened) file_.Discard();
        return opened;
    };
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::keep);
    timer_.start();
}

void RecoveryKeeper::keep()
{
    const TFileManager& files = document_.files;
    if (!files.Modified()) {
        file_.Discard();
        return;
    }
    if (file_.Write(document_.text(), sloopform::ShortFileName(files.FileName())) || failureShown_) return;
    // Said once: the work itself is still in the window.
    failureShown_ = true;
    sloopform::Ui().ShowMessage("The unsaved " + document_.noun.toStdString() + " cannot be kept in " +
                                    file_.Folder().string() + " in case Sloopform stops.",
                                sloopform::MessageIcon::Warning, sloopform::MessageButtons::Ok);
}

void RecoveryKeeper::offerLeftOver()
{
    const auto copies = file_.LeftOver();
    if (copies.empty()) return;
    const auto& copy = copies.front();
    const QString name = QString::fromStdString(file_.DocumentName(copy));
    const auto answer = sloopform::Ui().ShowMessage(RecoveryQuestion(name, document_.noun).toStdString(),
                                                    sloopform::MessageIcon::Question,
                                                    sloopform::MessageButtons::YesNo);
    if (answer == sloopform::MessageResult::Yes && !document_.open(copy.string())) {
        sloopform::RecoveryFile::PutAside(copy);
        return;
    }
    file_.MarkOffered(copy);
    keep();
}

void RecoveryKeeper::finish()
{
    timer_.stop();
    // The frame closes only after each document was saved or let go.
    if (document_.files.Modified()) keep();
    else file_.RemoveAll();
}
