#pragma once
#include "generator/Output.h"

class QPlainTextEdit;

// A TextMemo over a text edit, for the consoles and the report. Every line a
// memo holds ends with a line break, as in the memo the lines are added to:
// so an added empty line is kept, and text typed without a final break
// counts as a line of its own.
class QtTextMemo : public sloopform::TextMemo {
public:
    explicit QtTextMemo(QPlainTextEdit& edit);

    void AppendLine(const std::string& line) override;
    void ClearText() override;
    std::vector<std::string> Lines() const override;
    void SetLines(const std::vector<std::string>& lines) override;

    QPlainTextEdit& edit() const { return edit_; }

private:
    QPlainTextEdit& edit_;
    void showEnd();
};
