#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

#include "RecordingUi.h"
#include "frame/MainWindow.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"
#include "report/TextPrinting.h"

namespace {

QString RunPoppler(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

int PdfPages(const QString& file)
{
    const QRegularExpression pages(R"(Pages:\s+(\d+))");
    const auto match = pages.match(RunPoppler("pdfinfo", {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The pages as grey images at `dpi`, as poppler renders them.
QList<QImage> PdfPageImages(const QString& file, int dpi)
{
    const QString prefix = file + "-page";
    RunPoppler("pdftoppm", {"-gray", "-r", QString::number(dpi), file, prefix});
    const QFileInfo info(prefix);
    QList<QImage> images;
    for (const QString& name : info.dir().entryList({info.fileName() + "*.pgm"}, QDir::Files, QDir::Name))
        images.append(QImage(info.dir().filePath(name)));
    return images;
}

// True when no pixel outside the rectangle `margin` pixels in from the edges is inked.
bool MarginsBlank(const QImage& page, int margin)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const bool inside = x >= margin && y >= margin && x < page.width() - margin &&
                                y < page.height() - margin;
            if (!inside && qGray(page.pixel(x, y)) < 255) return false;
        }
    return true;
}

bool Inked(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 255) return true;
    return false;
}

QString PdfText(const QString& file, int page = 0)
{
    QStringList arguments = {"-layout"};
    if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    return RunPoppler("pdftotext", arguments << file << "-");
}

}  // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void longReportFillsPagesInOrder();
    void longLinesAreCutUnlessWordWrapIsOn_data();
    void longLinesAreCutUnlessWordWrapIsOn();
    void pagesKeepTheMarginsEndWithTextAndNameTheReport();
    void printDialogPrintsTheReport();
    void unwritableOutputIsReported();

private:
    void setReport(const QStringList& lines);
    std::unique_ptr<QPrinter> pdfPrinter(const QString& name) const;
    int linesPerPage(QPrinter& printer) const;

    std::unique_ptr<MainWindow> frame;
    ReportWindow* report = nullptr;
    QTemporaryDir dir;
};

void ReportPrintTest::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
        QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("poppler-utils are missing: run scripts/install-deps.sh");
}

void ReportPrintTest::init()
{
    frame = std::make_unique<MainWindow>();
    report = new ReportWindow(*frame);
    frame->addChild(ChildRole::Report, report);
    frame->show();
}

void ReportPrintTest::cleanup() { frame.reset(); }

void ReportPrintTest::setReport(const QStringList& lines)
{
    report->memo()->setPlainText(lines.join('\n') + '\n');
}

std::unique_ptr<QPrinter> ReportPrintTest::pdfPrinter(const QString& name) const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath(name));
    return printer;
}

int ReportPrintTest::linesPerPage(QPrinter& printer) const
{
    const qreal bodyHeight = TextPageBody(printer, report->memo()->font()).height();
    return int(std::floor(bodyHeight / QFontMetricsF(report->memo()->font(), &printer).height()));
}

void ReportPrintTest::longReportFillsPagesInOrder()
{
    auto printer = pdfPrinter("long.pdf");
    const int perPage = linesPerPage(*printer);
    QVERIFY(perPage > 20);
    QStringList lines;
    for (int i = 1; i <= 2 * perPage + 5; ++i)
        lines << QStringLiteral("Station line %1\tarea %2 m\u00B2").arg(i, 4, 10, QChar('0')).arg(i * 0.125);
    setReport(lines);

    QCOMPARE(report->printOn(*printer), 3);
    QCOMPARE(PdfPages(printer->outputFileName()), 3);
    const QString text = PdfText(printer->outputFileName());
    qsizetype at = 0;
    for (const QString& line : lines) {
        const QString number = line.section('\t', 0, 0);
        at = text.indexOf(number, at);
        QVERIFY2(at >= 0, qPrintable(number + " missing or out of order"));
    }
    QVERIFY(text.contains(QString::fromUtf8("area 0.125 m²")));
    QVERIFY(PdfText(printer->outputFileName(), 2).trimmed().startsWith(
        QStringLiteral("Station line %1").arg(perPage + 1, 4, 10, QChar('0'))));
}

void ReportPrintTest::longLinesAreCutUnlessWordWrapIsOn_data()
{
    QTest::addColumn<bool>("wordWrap");
    QTest::newRow("cut at the margin") << false;
    QTest::newRow("wrapped") << true;
}

void ReportPrintTest::longLinesAreCutUnlessWordWrapIsOn()
{
    QFETCH(bool, wordWrap);
    QStringList words;
    for (int i = 1; i <= 60; ++i) words << QStringLiteral("word%1").arg(i);
    setReport({words.join(' '), "last"});
    report->setWordWrap(wordWrap);

    auto printer = pdfPrinter("wrap.pdf");
    QCOMPARE(report->printOn(*printer), 1);
    const QString text = PdfText(printer->outputFileName());
    QVERIFY(text.contains("word1 "));
    QVERIFY(text.contains("last"));
    QCOMPARE(text.contains("word60"), wordWrap);
}

void ReportPrintTest::pagesKeepTheMarginsEndWithTextAndNameTheReport()
{
    auto printer = pdfPrinter("margins.pdf");
    const int perPage = linesPerPage(*printer);
    // Long lines reach the right margin; blank lines at the end would fill a page of their own.
    QStringList lines;
    for (int i = 1; i <= perPage + 3; ++i) lines << QStringLiteral("Line %1 ").arg(i) + QString(200, 'x');
    for (int i = 0; i < perPage; ++i) lines << QString();
    setReport(lines);
    report->fileManager().SetFileName("/tmp/hull data.rpt");

    QCOMPARE(report->printOn(*printer), 2);
    constexpr int kDpi = 72;
    const QList<QImage> pages = PdfPageImages(printer->outputFileName(), kDpi);
    QCOMPARE(pages.size(), 2);
    // Less a pixel that smoothing may shade.
    const int margin = int(15 / 25.4 * kDpi) - 1;
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    for (int page = 1; page <= pages.size(); ++page) {
        QVERIFY(Inked(pages[page - 1]));
        QVERIFY(MarginsBlank(pages[page - 1], margin));
        const QString footer = PdfText(printer->outputFileName(), page).trimmed().section('\n', -1);
        QVERIFY2(footer.contains("hull data.rpt") && footer.contains(QStringLiteral("Page %1").arg(page)) &&
                     footer.contains(date),
                 qPrintable(footer));
    }
}

void ReportPrintTest::printDialogPrintsTheReport()
{
    setReport({"Hull Data and Hydrostatics", "Volume 8.000 m\u00B3"});
    report->printer().setOutputFormat(QPrinter::PdfFormat);
    report->printer().setOutputFileName(dir.filePath("dialog.pdf"));
    report->printDocument();
    QPrintDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = report->findChild<QPrintDialog*>()) && dialog->isVisible());
    dialog->accept();

    QCOMPARE(report->printer().docName(), QString("Report"));
    QCOMPARE(PdfPages(dir.filePath("dialog.pdf")), 1);
    QVERIFY(PdfText(dir.filePath("dialog.pdf")).contains(QString::fromUtf8("Volume 8.000 m³")));
}

void ReportPrintTest::unwritableOutputIsReported()
{
    sloopform::test::RecordingUi ui;
    setReport({"x"});
    auto printer = pdfPrinter("missing/folder/x.pdf");
    QCOMPARE(report->printOn(*printer), 0);
    QCOMPARE(ui.MessageTexts(), std::vector<std::string>{"Unable to print the report"});
}

QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"
