#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ExternalTool.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"

using sloopform::PenMode;
using sloopform::PenStyle;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// A canvas on a white image of `width` × `height` device pixels.
struct TestCanvas {
    QtCanvas canvas;
    TestCanvas(int width, int height, qreal ratio = 1.0)
    {
        canvas.resizeImage(QSize(width, height), ratio);
    }
    QRgb pixel(int x, int y) const { return canvas.image().pixel(x, y); }
    void polyline(const QList<QPoint>& points)
    {
        canvas.MoveTo(points.front().x(), points.front().y());
        for (const QPoint& p : points.mid(1)) canvas.LineTo(p.x(), p.y());
    }
    // Pixels of the given colour.
    QList<QPoint> pixelsOf(QRgb colour) const
    {
        QList<QPoint> found;
        const QImage& image = canvas.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour) found.append(QPoint(x, y));
        return found;
    }
};

// Something under the rubber band: stripes of several colours.
void PaintPicture(TestCanvas& target)
{
    const sloopform::TColor colours[] = {0x000080, 0x808000, 0xC0C0C0, 0x00FFFF};
    for (int stripe = 0; stripe < 8; ++stripe) {
        target.canvas.SetBrushColor(colours[stripe % 4]);
        target.canvas.FillRect(0, stripe * 4, 40, stripe * 4 + 4);
    }
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

}  // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void copiedPolylineHasNoGapsAndUsesThePenColour()
    {
        TestCanvas target(12, 12);
        target.canvas.SetPenColor(0x0000FF);  // red in 0x00BBGGRR
        target.polyline({{1, 1}, {8, 1}, {8, 6}});
        const QRgb red = qRgb(255, 0, 0);
        for (int x = 1; x <= 8; ++x) QCOMPARE(target.pixel(x, 1), red);
        for (int y = 1; y <= 6; ++y) QCOMPARE(target.pixel(8, y), red);
        QCOMPARE(target.pixelsOf(red).size(), 8 + 5);
    }

    void smoothLinesBlendSlopesAndKeepLevelAndUprightOnesSharp()
    {
        const QRgb red = qRgb(255, 0, 0);
        for (const bool smooth : {true, false}) {
            TestCanvas target(16, 16);
            target.canvas.SetSmooth(smooth);
            target.canvas.SetPenColor(0x0000FF);
            target.polyline({{1, 1}, {8, 1}, {8, 6}});
            for (int x = 1; x <= 8; ++x) QCOMPARE(target.pixel(x, 1), red);
            for (int y = 1; y <= 6; ++y) QCOMPARE(target.pixel(8, y), red);
            QCOMPARE(target.pixel(4, 0), kWhite);
            QCOMPARE(target.pixel(4, 2), kWhite);

            target.polyline({{0, 9}, {15, 14}});
            const int blended = 16 * 16 - target.pixelsOf(red).size() - target.pixelsOf(kWhite).size();
            QCOMPARE(blended > 0, smooth);
        }
    }

    void penWidthIsInDevicePixels()
    {
        TestCanvas target(12, 12);
        target.canvas.SetPenColor(sloopform::clBlack);
        target.canvas.SetPenWidth(3);
        target.polyline({{0, 5}, {11, 5}});
        for (int y = 4; y <= 6; ++y) QCOMPARE(target.pixel(6, y), kBlack);
        QCOMPARE(target.pixel(6, 3), kWhite);
        QCOMPARE(target.pixel(6, 7), kWhite);
    }

    void fillCoversHalfOpenRectangleWhateverThePenMode()
    {
        TestCanvas target(10, 10);
        target.canvas.SetPenMode(PenMode::NotXor);
        target.canvas.SetBrushColor(0xFF0000);  // blue
        target.canvas.FillRect(2, 3, 5, 7);
        const QList<QPoint> blue = target.pixelsOf(qRgb(0, 0, 255));
        QCOMPARE(blue.size(), 3 * 4);
        QCOMPARE(blue.front(), QPoint(2, 3));
        QCOMPARE(blue.back(), QPoint(4, 6));
    }

    void rubberBandInvertsEachPixelOnceAndTwiceRestores_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<bool>("dotted");
        QTest::addColumn<bool>("smooth");  // asked for: the inverting pen stays hard
        const QPoint a(5, 4), b(30, 25);
        QTest::newRow("down right") << a << b << false << false;
        QTest::newRow("up left") << b << a << false << false;
        QTest::newRow("down left") << QPoint(b.x(), a.y()) << QPoint(a.x(), b.y()) << false << false;
        QTest::newRow("up right") << QPoint(a.x(), b.y()) << QPoint(b.x(), a.y()) << false << false;
        QTest::newRow("dotted") << b << a << true << false;
        QTest::newRow("smooth") << a << b << false << true;
        QTest::newRow("smooth dotted") << b << a << true << true;
    }

    void rubberBandInvertsEachPixelOnceAndTwiceRestores()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(bool, dotted);
        QFETCH(bool, smooth);
        TestCanvas target(40, 32);
        PaintPicture(target);
        target.canvas.SetSmooth(smooth);
        const QImage before = target.canvas.image().copy();
        target.canvas.SetPenColor(sloopform::clBlack);
        target.canvas.SetPenStyle(dotted ? PenStyle::Dotted : PenStyle::Solid);
        target.canvas.SetPenMode(PenMode::NotXor);
        const QList<QPoint> outline = {start, {start.x(), end.y()}, end, {end.x(), start.y()}, start};

        target.polyline(outline);
        const QImage banded = target.canvas.image().copy();
        const int perimeter = 2 * (qAbs(end.x() - start.x()) + qAbs(end.y() - start.y()));
        int inverted = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) {
                if (banded.pixel(x, y) == before.pixel(x, y)) continue;
                QCOMPARE(banded.pixel(x, y) & 0xFFFFFF, ~before.pixel(x, y) & 0xFFFFFF);
                ++inverted;
            }
        if (dotted)
            QVERIFY(inverted > perimeter / 4 && inverted < perimeter);
        else
            QCOMPARE(inverted, perimeter);

        target.polyline(outline);
        QCOMPARE(DifferentPixels(target.canvas.image(), before), 0);
    }

    void worksInDevicePixelsOnAHighDensityImage_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("2") << 2.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("1.25") << 1.25;
    }

    void worksInDevicePixelsOnAHighDensityImage()
    {
        QFETCH(qreal, ratio);
        TestCanvas target(30, 20, ratio);
        QCOMPARE(target.canvas.Width(), 30);
        QCOMPARE(target.canvas.Height(), 20);
        target.canvas.SetPenColor(sloopform::clBlack);
        target.polyline({{3, 7}, {21, 7}});
        target.canvas.SetBrushColor(sloopform::clBlack);
        target.canvas.FillRect(25, 10, 27, 13);
        const QList<QPoint> black = target.pixelsOf(kBlack);
        QCOMPARE(black.size(), 19 + 2 * 3);
        QCOMPARE(black.front(), QPoint(3, 7));
        QCOMPARE(black.back(), QPoint(26, 12));
        QCOMPARE(target.canvas.image().devicePixelRatio(), ratio);
    }

    void printsOnePdfPage()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(QPageLayout::Landscape);
        QtPrinter page(printer);
        page.SetPortrait();
        page.SetTitle("Lines Plan");
        sloopform::Canvas& canvas = page.PageCanvas();
        QVERIFY(canvas.Width() > 0);
        // The printable area's pixels and millimetres describe the same shape.
        QVERIFY(page.PageHeightMm() > page.PageWidthMm());
        QVERIFY(qAbs(canvas.Height() / double(canvas.Width()) -
                     double(page.PageHeightMm() / page.PageWidthMm())) < 0.01);
        page.BeginDoc();
        canvas.MoveTo(0, 0);
        canvas.LineTo(canvas.Width() - 1, canvas.Height() - 1);
        canvas.LineTo(0, canvas.Height() - 1);
        page.EndDoc();
        QVERIFY(QFileInfo(path).size() > 0);

        if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) QSKIP("pdfinfo is missing");
        const auto info = sloopform::test::RunTool(
            "pdfinfo " + sloopform::test::ShellQuoted(path.toStdString()));
        QCOMPARE(info.exitCode, 0);
        const QString text = QString::fromStdString(info.output);
        QVERIFY2(text.contains(QRegularExpression("Pages:\\s+1\\n")), info.output.c_str());
        QVERIFY2(text.contains(QRegularExpression("Title:\\s+Lines Plan\\n")), info.output.c_str());
    }

    void aPrinterThatCannotStartThrows()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("/nonexistent-folder/page.pdf");
        QtPrinter page(printer);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, page.BeginDoc());
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
