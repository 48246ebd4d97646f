#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "generator/ParameterTable.h"
#include "model/DataEdit.h"

using namespace sloopform;

// The grid's own rules: where the selection may go, when a row's value is
// committed and what the editor opens with. The stored values are the
// generator window's business (GeneratorWindowTest).
class GeneratorParameterTableTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ParameterTable> table;
    std::unique_ptr<QSignalSpy> commits;

    QPoint cellCentre(int parameterRow, int column) const
    {
        return table->visualItemRect(table->item(parameterRow - 1, column)).center();
    }
    void clickCell(int parameterRow, int column)
    {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(parameterRow, column));
    }
    // Keys go where the keyboard focus is: the table, then its open editor.
    void type(const QString& text)
    {
        for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QLineEdit* openEditor() const { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    std::vector<int> committedRows() const
    {
        std::vector<int> rows;
        for (const auto& call : *commits) rows.push_back(call.at(0).toInt());
        return rows;
    }

private slots:
    void init()
    {
        table = std::make_unique<ParameterTable>();
        const TDataEdit editor;
        editor.AddParameterNames(*table);
        for (int row = 1; row <= 19; ++row) table->SetCell(kValueColumn, row, FormatParameterValue(row));
        table->resize(900, 600);
        table->show();
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table.get()));
        table->setFocus();
        commits = std::make_unique<QSignalSpy>(table.get(), &ParameterTable::commitRequested);
    }

    void cleanup()
    {
        commits.reset();
        table.reset();
    }

    void headerAndCaptionsAreTheGridRowZeroAndColumnZero()
    {
        QCOMPARE(table->Cell(0, 0), std::string("Parameter"));
        QCOMPARE(table->Cell(3, 0), std::string("Comment"));
        QCOMPARE(table->Cell(0, 1), std::string("Length Overall"));
        QCOMPARE(table->Cell(3, 10), std::string("(LCB) Percent of Lwl, aft of Bow"));
        QCOMPARE(table->currentParameterRow(), 1);
        QCOMPARE(table->currentColumn(), kValueColumn);
        // Every caption and comment fits its column.
        for (int column : {kCaptionColumn, kCommentColumn})
            for (int row = 1; row <= 19; ++row)
                QVERIFY(table->fontMetrics().horizontalAdvance(table->item(row - 1, column)->text()) <
                        table->columnWidth(column));
    }

    void clicksOutsideTheValueColumnKeepTheCurrentRow_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("caption") << int(kCaptionColumn);
        QTest::newRow("units") << int(kUnitColumn);
        QTest::newRow("comment") << int(kCommentColumn);
    }

    void clicksOutsideTheValueColumnKeepTheCurrentRow()
    {
        QFETCH(int, column);
        clickCell(4, kValueColumn);
        clickCell(9, column);
        QCOMPARE(table->currentParameterRow(), 4);
        QCOMPARE(table->currentColumn(), kValueColumn);
        QVERIFY(commits->isEmpty());
    }

    void arrowKeysStayInTheValueColumn()
    {
        press(Qt::Key_Left);
        press(Qt::Key_Right);
        QCOMPARE(table->currentColumn(), kValueColumn);
        press(Qt::Key_Down);
        QCOMPARE(table->currentParameterRow(), 2);
        QVERIFY(commits->isEmpty());
    }

    void theEditorOpensWithoutTheLeadingBlanks()
    {
        clickCell(3, kValueColumn);
        press(Qt::Key_F2);
        QVERIFY(openEditor());
        QCOMPARE(openEditor()->text(), QString("3.000"));
        QVERIFY(!table->cellEdited());
    }

    void typingThenClickingAnotherValueCellCommitsTheTypedRowFirst()
    {
        QString committedText;
        connect(table.get(), &ParameterTable::commitRequested, this,
                [&](int row) { committedText = QString::fromStdString(table->Cell(kValueColumn, row)); });
        type("12");
        QVERIFY(table->cellEdited());
        clickCell(2, kValueColumn);
        QCOMPARE(committedRows(), std::vector<int>{1});
        QCOMPARE(committedText, QString("12"));
        QCOMPARE(table->currentParameterRow(), 2);
        QVERIFY(!table->cellEdited());
    }

    void typingThenClickingTheUnitsCommitsButStays()
    {
        type("7");
        clickCell(5, kUnitColumn);
        QCOMPARE(committedRows(), std::vector<int>{1});
        QCOMPARE(table->currentParameterRow(), 1);
    }

    void typingThenMovingDownCommits()
    {
        type("7");
        press(Qt::Key_Down);
        QCOMPARE(committedRows(), std::vector<int>{1});
        QCOMPARE(table->currentParameterRow(), 2);
    }

    void enterCommitsOnceWithOrWithoutTyping()
    {
        press(Qt::Key_Return);
        QCOMPARE(committedRows(), std::vector<int>{1});
        clickCell(6, kValueColumn);
        type("4");
        press(Qt::Key_Return);
        QTRY_COMPARE(committedRows(), (std::vector<int>{1, 6}));
        QCoreApplication::processEvents();
        QCOMPARE(commits->count(), 2);
        QCOMPARE(table->Cell(kValueColumn, 6), std::string("4"));
    }

    void movingWithoutTypingCommitsNothing()
    {
        clickCell(2, kValueColumn);
        press(Qt::Key_F2);
        clickCell(3, kValueColumn);
        press(Qt::Key_Up);
        QVERIFY(commits->isEmpty());
    }

    void aPendingEditIsCommittedOnRequest()
    {
        type("9");
        table->commitPendingEdit();
        QCOMPARE(committedRows(), std::vector<int>{1});
        table->commitPendingEdit();
        QCOMPARE(commits->count(), 1);
    }

    void tabAndShiftTabCommitWhatWasTypedAndMoveDownAndUp()
    {
        clickCell(4, kValueColumn);
        type("11");
        press(Qt::Key_Tab);
        QCOMPARE(committedRows(), std::vector<int>{4});
        QCOMPARE(table->Cell(kValueColumn, 4), std::string("11"));
        QCOMPARE(table->currentParameterRow(), 5);
        QCOMPARE(table->currentColumn(), kValueColumn);
        QVERIFY(!table->cellEdited());

        type("3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(committedRows(), (std::vector<int>{4, 5}));
        QCOMPARE(table->currentParameterRow(), 4);

        // Without typing Tab only moves; it keeps the focus in the table at the last row.
        press(Qt::Key_Tab);
        QCOMPARE(table->currentParameterRow(), 5);
        clickCell(19, kValueColumn);
        press(Qt::Key_Tab);
        QCOMPARE(table->currentParameterRow(), 19);
        QCOMPARE(QApplication::focusWidget(), table.get());
        QCOMPARE(commits->count(), 2);
    }

    void altUpAndDownStepTheLastDecimalPlaceAsShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("committed");
        QTest::newRow("cell up") << QString() << int(Qt::Key_Up) << int(Qt::AltModifier) << "3.001";
        QTest::newRow("cell down, shifted")
            << QString() << int(Qt::Key_Down) << int(Qt::AltModifier | Qt::ShiftModifier) << "2.990";
        QTest::newRow("typed text") << "12.5" << int(Qt::Key_Up) << int(Qt::AltModifier) << "12.6";
        QTest::newRow("typed, shifted")
            << "7" << int(Qt::Key_Down) << int(Qt::AltModifier | Qt::ShiftModifier) << "-3";
        QTest::newRow("no number") << "x" << int(Qt::Key_Up) << int(Qt::AltModifier) << "x";
    }

    void altUpAndDownStepTheLastDecimalPlaceAsShown()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, committed);
        clickCell(3, kValueColumn);
        type(typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(committedRows(), std::vector<int>{3});
        QCOMPARE(table->Cell(kValueColumn, 3), committed.toStdString());
        QCOMPARE(table->currentParameterRow(), 3);
        QVERIFY(!table->cellEdited());
        QVERIFY(!openEditor());
    }
};

QTEST_MAIN(GeneratorParameterTableTest)
#include "GeneratorParameterTableTest.moc"
