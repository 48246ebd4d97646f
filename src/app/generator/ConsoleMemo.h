#pragma once
#include <QTimer>
#include <string>
#include <vector>

#include "generator/Output.h"
#include "platform/QtTextMemo.h"

class QPlainTextEdit;

// The generator's console memo. Lines reach the text view in batches a few
// times a second instead of one by one, so that a run writing thousands of
// lines paints the console a few times a second rather than once per line and
// runs at nearly the speed it has without a window.
class ConsoleMemo : public sloopform::TextMemo {
public:
    explicit ConsoleMemo(QPlainTextEdit& edit);

    void AppendLine(const std::string& line) override;
    void ClearText() override;
    // Includes the lines not shown yet.
    std::vector<std::string> Lines() const override;
    void SetLines(const std::vector<std::string>& lines) override;

    // Shows the lines written so far.
    void flush();

private:
    QtTextMemo memo_;
    std::vector<std::string> pending_;
    QTimer flushTimer_;
};
