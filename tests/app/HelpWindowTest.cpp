#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>

#include "help/Help.h"
#include "help/HelpWindow.h"
#include "model/ParameterTable.h"

namespace {

QStringList ListedTitles(const HelpWindow& window)
{
    QStringList titles;
    for (int i = 0; i < window.resultList()->count(); ++i)
        titles.append(window.resultList()->item(i)->text());
    return titles;
}

QString PageFile(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment).fileName(); }

// The block that carries an anchor, and the text of its section up to the next heading.
QTextBlock AnchorBlock(const QTextDocument& document, const QString& anchor)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor)) return block;
    return {};
}

QString SectionText(QTextBlock heading)
{
    QString text = heading.text();
    for (QTextBlock block = heading.next(); block.isValid() && block.blockFormat().headingLevel() == 0;
         block = block.next())
        text += QLatin1Char('\n') + block.text();
    return text;
}

void TypeSearch(HelpWindow& window, const QString& text)
{
    window.searchField()->clear();
    QTest::keyClicks(window.searchField(), text);
}

void ClickAction(HelpWindow& window, QAction* action)
{
    for (QToolButton* button : window.findChildren<QToolButton*>())
        if (button->defaultAction() == action) QTest::mouseClick(button, Qt::LeftButton);
}

struct PageLinks {
    QSet<QString> ids;
    QList<QString> hrefs;
    QString error;
};

PageLinks ReadLinks(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    PageLinks page;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.hasAttribute(QStringLiteral("id")))
            page.ids.insert(attributes.value(QStringLiteral("id")).toString());
        if (attributes.hasAttribute(QStringLiteral("href")))
            page.hrefs.append(attributes.value(QStringLiteral("href")).toString());
    }
    if (xml.hasError()) page.error = xml.errorString() + QStringLiteral(" at line ") +
                                     QString::number(xml.lineNumber());
    return page;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    HelpWindow& window()
    {
        HelpWindow* help = ProgramHelpWindow();
        if (!help) qFatal("no help window");
        return *help;
    }

private slots:
    void contentsOpensOneWindowOnTheContentsPage()
    {
        ShowHelpContents();
        HelpWindow* first = ProgramHelpWindow();
        QVERIFY(first && first->isVisible());
        ShowHelpContents();
        QCOMPARE(ProgramHelpWindow(), first);
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("index.html"));
        QCOMPARE(window().windowTitle(), QStringLiteral("Sloopform Help - Contents"));
    }

    void searchListsThePagesContainingAllWords_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("console line") << "TARNOVIC"
            << QStringList{"Running the generator", "Messages"};
        QTest::newRow("case ignored") << "modelmaker" << QStringList{"Exporting DXF, GF1, STEP and IGES files"};
        QTest::newRow("all words needed") << "ruler slider"
            << QStringList{"Preferences"};
        QTest::newRow("word beginning") << "horizonal" << QStringList{"The program window"};
        QTest::newRow("nonsense") << "qwzrtx" << QStringList{"No pages found"};
    }

    void searchListsThePagesContainingAllWords()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, titles);
        ShowHelpSearch();
        QCOMPARE(window().focusWidget(), window().searchField());
        TypeSearch(window(), typed);
        QCOMPARE(ListedTitles(window()), titles);
    }

    void pagesNamingTheWordInTheirTitleComeFirst()
    {
        ShowHelpSearch();
        TypeSearch(window(), QStringLiteral("preferences"));
        QVERIFY(window().resultList()->count() > 3);
        QCOMPARE(window().resultList()->item(0)->text(), QStringLiteral("Preferences"));
    }

    void clickingAResultOpensItsPageAtTheWord()
    {
        ShowHelpSearch();
        TypeSearch(window(), QStringLiteral("kgpc"));
        QListWidget* list = window().resultList();
        QCOMPARE(ListedTitles(window()), QStringList{"The report"});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("report.html"));
        QCOMPARE(window().browser()->textCursor().selectedText().toLower(), QStringLiteral("kgpc"));

        TypeSearch(window(), QStringLiteral("ruler"));
        QTest::keyClick(window().searchField(), Qt::Key_Return);
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("preferences.html"));
    }

    void backForwardAndContentsButtonsMoveThroughThePages()
    {
        ShowHelpContents();
        ShowHelpContext(sloopform::kParameterHelpContextBase + 1);
        ClickAction(window(), window().backAction());
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("index.html"));
        ClickAction(window(), window().forwardAction());
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("parameters.html"));
        ClickAction(window(), window().contentsAction());
        QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("index.html"));
    }

    void helpContextOpensTheParameterEntry_data()
    {
        QTest::addColumn<int>("row");
        for (int row : {1, 8, 12, 19}) QTest::newRow(qPrintable(QString::number(row))) << row;
    }

    void helpContextOpensTheParameterEntry()
    {
        QFETCH(int, row);
        ShowHelpContents();
        ShowHelpContext(sloopform::kParameterHelpContextBase + row);
        QTextBrowser* browser = window().browser();
        const QString anchor = QStringLiteral("row") + QString::number(row);
        QCOMPARE(browser->source().fragment(), anchor);
        const QTextBlock heading = AnchorBlock(*browser->document(), anchor);
        QVERIFY(heading.isValid());
        const qreal top = browser->document()->documentLayout()->blockBoundingRect(heading).top();
        const int shown = browser->verticalScrollBar()->value();
        QVERIFY2(top >= shown && top < shown + browser->viewport()->height(),
                 qPrintable(QStringLiteral("anchor at %1, view from %2").arg(top).arg(shown)));
    }

    // A reader finds the two generator methods from the contents page.
    void contentsLinkOpensTheGeneratorMethods()
    {
        ShowHelpContents();
        QTextBrowser* browser = window().browser();
        const QString link = QStringLiteral("Classic and Robust methods");
        QTextCursor found = browser->document()->find(link);
        QVERIFY(!found.isNull());
        QCOMPARE(found.charFormat().anchorHref(), QStringLiteral("generator.html#methods"));
        browser->setTextCursor(found);
        browser->ensureCursorVisible();
        found.setPosition(found.selectionStart() + 2);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(found).center());

        QCOMPARE(PageFile(browser->source()), QStringLiteral("generator.html"));
        QCOMPARE(browser->source().fragment(), QStringLiteral("methods"));
        const QString section = SectionText(AnchorBlock(*browser->document(), QStringLiteral("methods")));
        for (const char* words : {"Classic (the default)", "Robust builds every station", "Generator Method",
                                  "--method classic|robust", "Choose Classic", "Choose Robust"})
            QVERIFY2(section.contains(QString::fromUtf8(words)), words);
    }

    void otherHelpContextsOpenTheContents()
    {
        for (int context : {0, sloopform::kParameterHelpContextBase,
                            sloopform::kParameterHelpContextBase + 20}) {
            ShowHelpContext(sloopform::kParameterHelpContextBase + 1);
            ShowHelpContext(context);
            QCOMPARE(PageFile(window().browser()->source()), QStringLiteral("index.html"));
        }
    }

    // The manual quotes every row's caption and refusal exactly as the table has them.
    void parameterEntriesQuoteTheTable()
    {
        ShowHelpContext(sloopform::kParameterHelpContextBase + 1);
        const QTextDocument& page = *window().browser()->document();
        for (int row = sloopform::kFirstParameterRow; row <= sloopform::kLastParameterRow; ++row) {
            const sloopform::ParameterRow& parameter = sloopform::ParameterRowAt(row);
            const QString section = SectionText(AnchorBlock(page, QStringLiteral("row%1").arg(row)));
            QVERIFY2(section.startsWith(QStringLiteral("%1. %2").arg(row).arg(parameter.caption)),
                     qPrintable(section.left(60)));
            for (const QString& line : QString::fromUtf8(parameter.rejection).split('\r'))
                QVERIFY2(section.contains(line), qPrintable(QStringLiteral("row %1: %2").arg(row).arg(line)));
        }
    }

    void everyPageParsesAndEveryLinkResolves_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& name : QDir(QStringLiteral(":/help")).entryList({"*.html"}))
            QTest::newRow(qPrintable(name)) << name;
        QVERIFY(QDir(QStringLiteral(":/help")).entryList({"*.html"}).size() > 10);
    }

    void everyPageParsesAndEveryLinkResolves()
    {
        QFETCH(QString, page);
        const PageLinks links = ReadLinks(QStringLiteral(":/help/") + page);
        QVERIFY2(links.error.isEmpty(), qPrintable(links.error));
        for (const QString& href : links.hrefs) {
            const QUrl target = QUrl(QStringLiteral("qrc:/help/") + page).resolved(QUrl(href));
            QVERIFY2(target.scheme() == QStringLiteral("qrc"), qPrintable(href));
            QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(href));
            if (target.hasFragment())
                QVERIFY2(ReadLinks(QLatin1Char(':') + target.path()).ids.contains(target.fragment()),
                         qPrintable(href));
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
