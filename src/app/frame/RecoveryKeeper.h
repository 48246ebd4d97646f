#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "model/FileManager.h"
#include "model/RecoveryFile.h"

// Keeps a copy of one document's unsaved text in the recovery folder: every
// 30 s and whenever keep() is called, while the document has unsaved changes.
// A save or a new document removes the copy, and so does a clean exit
// (finish()). At start-up offerLeftOver() asks about a copy a crash left.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    struct Document {
        sloopform::TFileManager& files;
        // The document's file lines.
        std::function<std::vector<std::string>()> text;
        // Opens a copy as the unsaved document; false, with the reader's own
        // message shown, when the copy cannot be read.
        std::function<bool(const std::string& copy)> open;
        QString noun;  // "design"
    };

    static constexpr int kIntervalMs = 30000;

    RecoveryKeeper(sloopform::RecoveryFile file, Document document, QObject* parent = nullptr);

    void keep();
    void offerLeftOver();
    void finish();

    const sloopform::RecoveryFile& file() const { return file_; }

private:
    sloopform::RecoveryFile file_;
    Document document_;
    QTimer timer_;
    bool failureShown_ = false;
};

// The question that offers a copy left by a crash.
QString RecoveryQuestion(const QString& documentName, const QString& noun);
