#pragma once
#include <QPlainTextEdit>

#include "generator/Output.h"

// Memo1: the report's editable text, and the memo SReport writes into. Every
// line the program appends is set in a fixed-pitch font and ends with a line
// break, so the user types below an inserted block in the memo's own font; a
// last line without text is not counted as a line.
class ReportMemo : public QPlainTextEdit, public sloopform::TextMemo {
    Q_OBJECT
public:
    explicit ReportMemo(QWidget* parent = nullptr);

    void AppendLine(const std::string& line) override;
    void ClearText() override;
    std::vector<std::string> Lines() const override;
    void SetLines(const std::vector<std::string>& lines) override;

    int lineCount() const;
    QStringList lineTexts() const;
};
