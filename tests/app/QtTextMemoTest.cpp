// The memo adapter behind the consoles: lines as the core counts them.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "generator/Output.h"
#include "platform/QtTextMemo.h"

using Lines = std::vector<std::string>;

class QtTextMemoTest : public QObject {
    Q_OBJECT
private slots:
    void addedLinesKeepEmptyOnesAndEndWithABreak();
    void typedTextWithoutBreakIsALine();
    void outputHandsItsLinesToTheNextMemo();
    void viewFollowsTheLastLine();
};

void QtTextMemoTest::addedLinesKeepEmptyOnesAndEndWithABreak()
{
    QPlainTextEdit edit;
    QtTextMemo memo(edit);
    QCOMPARE(memo.Lines(), Lines{});
    memo.AppendLine("");
    memo.AppendLine("Sloopform Project");
    memo.AppendLine("");
    memo.AppendLine("Waterplane Area      21.000  m²");
    QCOMPARE(memo.Lines(), (Lines{"", "Sloopform Project", "", "Waterplane Area      21.000  m²"}));
    QCOMPARE(edit.toPlainText(), QString("\nSloopform Project\n\nWaterplane Area      21.000  m²\n"));
    memo.ClearText();
    QCOMPARE(memo.Lines(), Lines{});
}

void QtTextMemoTest::typedTextWithoutBreakIsALine()
{
    QPlainTextEdit edit;
    QtTextMemo memo(edit);
    edit.show();
    QTest::keyClicks(&edit, "typed");
    QCOMPARE(memo.Lines(), Lines{"typed"});
    memo.AppendLine("inserted");
    QCOMPARE(memo.Lines(), (Lines{"typed", "inserted"}));
}

void QtTextMemoTest::outputHandsItsLinesToTheNextMemo()
{
    sloopform::StringListMemo splash;
    sloopform::TOutput console;
    console.SetOutputMemo(&splash);
    console.WriteLn(" Loading Ini-File...");
    console.WriteLn();
    QPlainTextEdit edit;
    QtTextMemo memo(edit);
    console.SetOutputMemo(&memo);
    console.WriteLn("Cancelling...");
    QCOMPARE(memo.Lines(), (Lines{" Loading Ini-File...", "", "Cancelling..."}));
}

void QtTextMemoTest::viewFollowsTheLastLine()
{
    QPlainTextEdit edit;
    edit.resize(200, 80);
    edit.show();
    QtTextMemo memo(edit);
    for (int i = 0; i < 100; ++i) memo.AppendLine("Stage " + std::to_string(i));
    QVERIFY(edit.verticalScrollBar()->maximum() > 0);
    QVERIFY(edit.verticalScrollBar()->value() > 0);
    QVERIFY(edit.viewport()->rect().contains(edit.cursorRect()));
    QCOMPARE(edit.textCursor().position(), edit.document()->characterCount() - 1);
}

QTEST_MAIN(QtTextMemoTest)
#include "QtTextMemoTest.moc"
