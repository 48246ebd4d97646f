#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QtTest>

#include "FramedViews.h"
#include "TestPaths.h"
#include "ViewTestKit.h"
#include "views/Viewport3d.h"

using namespace viewtest;
using sloopform::TScreen;
using sloopform::TViewport3d;

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

bool SameWindow(const TScreen& a, const TScreen& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

class ThreeDViewerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void perspectiveOffShrinksThePictureWithoutRefitting();
    void presetDirectionRefits_data();
    void presetDirectionRefits();
    void bothSwitchesOffOnlyClear();
    void waterlinesAndButtocksAloneDrawTheirLines();
    void rotateDragTurnsTheAzimuthAndRedrawsOnRelease();
    void zoomAllRecentresARotatedPicture();
    void activationRoutesTheFrameButtons();
    void printsOnePageShowingTheHull();

private:
    ViewportWidget* surface() const { return &views_->viewer->viewportWidget(); }
    TViewport3d& viewport() const { return static_cast<TViewport3d&>(surface()->viewport()); }
    QImage image() const { return surface()->image(); }
    QRect ink() const { return InkBounds(image(), Pixel(kBackground)); }
    int pixels(sloopform::TColor colour) const { return CountPixels(image(), Pixel(colour)); }
    int inkPixels() const { return kWidth * kHeight - pixels(kBackground); }
    void activate(QMdiSubWindow* sub) const { sub->mdiArea()->setActiveSubWindow(sub); }

    std::unique_ptr<GeneratedCruiser> cruiser_;
    std::unique_ptr<DistinctColours> colours_;
    std::unique_ptr<FramedViews> views_;
    std::unique_ptr<sloopform::test::TempDir> dir_;
};

void ThreeDViewerWindowTest::initTestCase()
{
    cruiser_ = std::make_unique<GeneratedCruiser>();
    QVERIFY(cruiser_->complete());
}

void ThreeDViewerWindowTest::init()
{
    cruiser_->makeCurrent();
    colours_ = std::make_unique<DistinctColours>();
    views_ = std::make_unique<FramedViews>();
    dir_ = std::make_unique<sloopform::test::TempDir>();
    surface()->setFixedSize(kWidth, kHeight);
    QVERIFY(views_->show({1200, 900}));
    activate(views_->viewerSub);
    QCOMPARE(image().size(), QSize(kWidth, kHeight));
}

void ThreeDViewerWindowTest::cleanup()
{
    QCOMPARE(views_->ui.record.errors.size(), std::size_t{0});
    views_.reset();
    colours_.reset();
    dir_.reset();
}

void ThreeDViewerWindowTest::perspectiveOffShrinksThePictureWithoutRefitting()
{
    const QRect before = ink();
    const TScreen window = viewport().View(1);
    QVERIFY(ChoosePopupItem(surface(), {"&Perspective"}));

    QVERIFY(!viewport().Perspective());
    QVERIFY(!views_->viewer->findChild<QAction*>("Perspective1")->isChecked());
    QVERIFY(!views_->viewer->findChild<QAction*>("Perspective2")->isChecked());
    QVERIFY(SameWindow(viewport().View(1), window));
    const QRect after = ink();
    // The hull lies about 400 m from the eye and the projection distance is 500.
    QVERIFY(std::abs(double(after.width()) / before.width() - 0.8) < 0.02);
    QVERIFY(std::abs(double(after.height()) / before.height() - 0.8) < 0.02);
}

void ThreeDViewerWindowTest::presetDirectionRefits_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("elevation");
    QTest::addColumn<int>("azimuth");
    QTest::newRow("stations") << "&Stations" << 90 << 0;
    QTest::newRow("waterlines") << "&Waterlines" << 0 << 90;
    QTest::newRow("profile") << "&Profile" << 90 << 90;
    QTest::newRow("isometric") << "&Isometric" << 45 << 45;
}

void ThreeDViewerWindowTest::presetDirectionRefits()
{
    QFETCH(QString, item);
    QFETCH(int, elevation);
    QFETCH(int, azimuth);
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &In"}));
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &In"}));
    QVERIFY(ChoosePopupItem(surface(), {"&View", item}));

    QCOMPARE(viewport().Elevation(), elevation);
    QCOMPARE(viewport().Azimuth(), azimuth);
    QVERIFY(viewport().AutoRedraw());
    const QRect picture = ink();
    QVERIFY(std::abs(picture.center().x() - kWidth / 2) <= 2);
    QVERIFY(std::abs(picture.center().y() - kHeight / 2) <= 2);
    // 4 % of the extent free on each side in the limiting direction.
    const double fill = std::max(double(picture.width()) / kWidth, double(picture.height()) / kHeight);
    QVERIFY2(std::abs(fill - 1 / 1.08) < 0.015, qPrintable(QString::number(fill)));
    QVERIFY(pixels(kOutline) > 0);
}

// Off at first; with the described lines off they draw on their own.
void ThreeDViewerWindowTest::waterlinesAndButtocksAloneDrawTheirLines()
{
    QVERIFY(ChoosePopupItem(surface(), {"&Construction Lines"}));
    QVERIFY(ChoosePopupItem(surface(), {"&Hull Outlines"}));
    QCOMPARE(pixels(kBackground), kWidth * kHeight);
    for (const char* item : {"Wa&terlines", "B&uttocks"}) {
        const int before = pixels(kOutline);
        QVERIFY(ChoosePopupItem(surface(), {item}));
        QVERIFY2(pixels(kOutline) > before, item);
    }
    QVERIFY(views_->viewer->findChild<QAction*>("Waterlines1")->isChecked());
    QVERIFY(views_->viewer->findChild<QAction*>("Buttocks1")->isChecked());
}

void ThreeDViewerWindowTest::bothSwitchesOffOnlyClear()
{
    QVERIFY(ChoosePopupItem(surface(), {"&Construction Lines"}));
    QVERIFY(ChoosePopupItem(surface(), {"&Hull Outlines"}));

    QVERIFY(!views_->viewer->findChild<QAction*>("ConstructionLines1")->isChecked());
    QVERIFY(!views_->viewer->findChild<QAction*>("HullOutlines1")->isChecked());
    QCOMPARE(pixels(kBackground), kWidth * kHeight);
}

void ThreeDViewerWindowTest::rotateDragTurnsTheAzimuthAndRedrawsOnRelease()
{
    QVERIFY(ChoosePopupItem(surface(), {"&Rotate View"}));
    QVERIFY(views_->frame->button(FrameButton::Rotate)->isChecked());
    const QRect before = ink();
    QVERIFY(before.height() > before.width());  // from above, the length runs up the screen
    const int drawn = inkPixels();

    Press(surface(), {100, 150});
    MoveTo(surface(), {100, 150}, {300, 150});
    QCOMPARE(viewport().Azimuth(), -90);
    QCOMPARE(viewport().Elevation(), 0);
    // Only the construction lines follow the mouse, in the line colour the last
    // redraw left; the outlines wait for the release.
    QCOMPARE(pixels(kConstruction), 0);
    QVERIFY(inkPixels() < drawn / 2);
    Release(surface(), {300, 150});

    QVERIFY(pixels(kConstruction) > 0);
    QVERIFY(pixels(kOutline) > 0);
    const QRect after = ink();
    QVERIFY(after.width() > after.height());
}

void ThreeDViewerWindowTest::zoomAllRecentresARotatedPicture()
{
    QVERIFY(ChoosePopupItem(surface(), {"&Rotate View"}));
    Drag(surface(), {100, 150}, {160, 110});
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &All"}));

    const QRect picture = ink();
    QVERIFY(std::abs(picture.center().x() - kWidth / 2) <= 2);
    QVERIFY(std::abs(picture.center().y() - kHeight / 2) <= 2);
}

void ThreeDViewerWindowTest::activationRoutesTheFrameButtons()
{
    const TScreen fitted = viewport().View(1);
    QVERIFY(ChoosePopupItem(surface(), {"Zoom &In"}));
    QVERIFY(!SameWindow(viewport().View(1), fitted));
    activate(views_->linesSub);
    views_->lines->zoomIn();
    const TScreen linesProfile = views_->lines->viewportWidget().viewport().View(1);

    activate(views_->viewerSub);
    QCOMPARE(views_->frame->viewTarget(), ViewTargetId::ThreeD);
    QCOMPARE(views_->frame->documentTarget(), DocumentTargetId::Project);
    QVERIFY(views_->frame->button(FrameButton::Rotate)->isEnabled());
    views_->frame->button(FrameButton::ZoomAll)->trigger();

    QVERIFY(SameWindow(viewport().View(1), fitted));
    QVERIFY(SameWindow(views_->lines->viewportWidget().viewport().View(1), linesProfile));

    activate(views_->linesSub);
    QCOMPARE(views_->frame->viewTarget(), ViewTargetId::LinesPlan);
    QVERIFY(!views_->frame->button(FrameButton::Rotate)->isEnabled());
    QVERIFY(views_->frame->button(FrameButton::ZoomAll)->isEnabled());
}

void ThreeDViewerWindowTest::printsOnePageShowingTheHull()
{
    const std::string path = (dir_->Path() / "view.pdf").string();
    views_->viewer->printer().setOutputFormat(QPrinter::PdfFormat);
    views_->viewer->printer().setOutputFileName(QString::fromStdString(path));
    AcceptNextDialog();
    FindItem(views_->viewer->menuGroups().front().menu, "&Print")->trigger();

    QCOMPARE(PdfInfo(path, "Pages"), std::string("1"));
    QCOMPARE(PdfInfo(path, "Title"), std::string("Sloopform - 3D View"));
    const QImage page = RenderPdfPage(path, 30);
    QVERIFY(!page.isNull());
    const QRect drawn = InkBounds(page, qRgb(255, 255, 255));
    QVERIFY(drawn.isValid());
    // Seen from above the hull's length runs down the portrait page.
    QVERIFY(drawn.height() > page.height() / 2);
    QVERIFY(std::abs(drawn.center().x() - page.width() / 2) <= 3);
}

QTEST_MAIN(ThreeDViewerWindowTest)
#include "ThreeDViewerWindowTest.moc"
