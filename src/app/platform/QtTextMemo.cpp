#include "platform/QtTextMemo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QtTextMemo::QtTextMemo(QPlainTextEdit& edit) : edit_(edit) {}

void QtTextMemo::AppendLine(const std::string& line)
{
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    const bool lastLineOpen = !cursor.block().text().isEmpty();
    cursor.insertText((lastLineOpen ? QStringLiteral("\n") : QString()) +
                      QString::fromStdString(line) + QLatin1Char('\n'));
    showEnd();
}

void QtTextMemo::ClearText() { edit_.clear(); }

std::vector<std::string> QtTextMemo::Lines() const
{
    std::vector<std::string> lines;
    const QTextDocument* document = edit_.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    // The break that ends the last line leaves an empty block that is no line.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void QtTextMemo::SetLines(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + QLatin1Char('\n');
    edit_.setPlainText(text);
    showEnd();
}

void QtTextMemo::showEnd()
{
    edit_.moveCursor(QTextCursor::End);
    edit_.ensureCursorVisible();
}
