#include "report/ReportMemo.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCharFormat>

#include "platform/FixedPitchFont.h"

ReportMemo::ReportMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName("Memo1");
    setLineWrapMode(NoWrap);
    setTabChangesFocus(false);
    // The platform's proportional sans font: a named font may not exist.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    setFont(font);
}

void ReportMemo::AppendLine(const std::string& line)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (!end.block().text().isEmpty()) end.insertBlock();
    // The program's blocks are columns of figures: they line up only in a
    // fixed-pitch font, whatever the font of the text typed around them.
    QTextCharFormat columns;
    columns.setFontFamilies(QStringList{FixedPitchFont().family()});
    end.insertText(QString::fromStdString(line), columns);
    end.insertBlock(end.blockFormat(), QTextCharFormat());
    end.endEditBlock();
    setTextCursor(end);
    ensureCursorVisible();
}

void ReportMemo::ClearText() { clear(); }

std::vector<std::string> ReportMemo::Lines() const
{
    std::vector<std::string> lines;
    for (const QString& line : lineTexts()) lines.push_back(line.toStdString());
    return lines;
}

void ReportMemo::SetLines(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + '\n';
    setPlainText(text);
}

int ReportMemo::lineCount() const
{
    const bool lastLineEmpty = document()->lastBlock().text().isEmpty();
    return document()->blockCount() - (lastLineEmpty ? 1 : 0);
}

QStringList ReportMemo::lineTexts() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
