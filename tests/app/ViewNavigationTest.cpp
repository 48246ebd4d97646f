// Finding one's way about the two view windows: the pointer's place in metres,
// middle-button panning in every mode, the zoom and pan keys, the 3D view
// turning about the hull's centre, and smooth lines on screen with the drag
// drawings kept hard.
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>
#include <cmath>

#include "FramedViews.h"
#include "ViewTestKit.h"
#include "model/HullRecord.h"
#include "preferences/PreferencesDialog.h"
#include "views/ThreeDView.h"
#include "views/ViewportEngView.h"

using namespace viewtest;
using sloopform::TScreen;
using sloopform::TViewport;
using sloopform::TViewport3d;
using sloopform::TViewportEngView;

namespace {

constexpr int kSize = 400;

// Pixels that are none of the three drawing colours: the blended edges of smooth lines.
int BlendedPixels(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y) & 0xFFFFFF;
            if (pixel != (Pixel(kBackground) & 0xFFFFFF) && pixel != (Pixel(kConstruction) & 0xFFFFFF) &&
                pixel != (Pixel(kOutline) & 0xFFFFFF))
                ++count;
        }
    return count;
}

// The metres after "name = " in the status text; NaN when it is not there.
double Coordinate(const QString& text, const QString& name)
{
    const QRegularExpression pattern(QStringLiteral("\\b%1( from stem head)? = (-?[0-9.]+) m").arg(name));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(2).toDouble() : std::nan("");
}

// A drag with the middle button, in a few steps.
void MiddleDrag(QWidget* widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::MiddleButton, Qt::NoModifier, from);
    MoveTo(widget, from, to);
    QTest::mouseRelease(widget, Qt::MiddleButton, Qt::NoModifier, to);
}

}  // namespace

class ViewNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pointerPositionOfAClickOnTheProfile();
    void pointerPositionInThePlanAndBodyPlanAndOnlyWhileActive();
    void middleDragPansTheLinesPlanInZoomWindowMode();
    void middleDragPansThe3DViewInRotateMode();
    void plusAndMinusZoomAndArrowsPanBothWindows();
    void activationPutsTheKeysOnTheView();
    void rotationKeepsTheHullCentreInPlaceAndTheHullInView();
    void smoothLinesBlendTheirEdgesButDragDrawingsStayHard();
    void smoothLinesIsAPreference();

private:
    ViewportWidget* linesSurface() const { return &views_->lines->viewportWidget(); }
    ViewportWidget* viewerSurface() const { return &views_->viewer->viewportWidget(); }
    TViewport& linesPlan() const { return linesSurface()->viewport(); }
    TViewport3d& viewer() const { return static_cast<TViewport3d&>(viewerSurface()->viewport()); }
    QString pointerText() const { return views_->frame->findChild<QLabel*>("PointerPosition")->text(); }
    void activate(QMdiSubWindow* sub) const { sub->mdiArea()->setActiveSubWindow(sub); }
    // The pixel of a world point of the lines plan's view.
    QPoint pixelOf(int view, long double across, long double upwards) const;
    // The largest span of one pixel of the profile, in metres.
    double profilePixelMetres() const;

    std::unique_ptr<GeneratedCruiser> cruiser_;
    std::unique_ptr<DistinctColours> colours_;
    std::unique_ptr<FramedViews> views_;
};

void ViewNavigationTest::initTestCase()
{
    cruiser_ = std::make_unique<GeneratedCruiser>();
    QVERIFY(cruiser_->complete());
}

void ViewNavigationTest::init()
{
    cruiser_->makeCurrent();
    colours_ = std::make_unique<DistinctColours>();
    views_ = std::make_unique<FramedViews>();
    linesSurface()->setFixedSize(kSize, kSize);
    viewerSurface()->setFixedSize(kSize, kSize);
    QVERIFY(views_->show({1200, 1000}));
    activate(views_->viewerSub);
    activate(views_->linesSub);
    QCOMPARE(linesSurface()->image().size(), QSize(kSize, kSize));
    QCOMPARE(viewerSurface()->image().size(), QSize(kSize, kSize));
}

void ViewNavigationTest::cleanup()
{
    QCOMPARE(views_->ui.record.errors.size(), std::size_t{0});
    views_.reset();
    colours_.reset();
}

QPoint ViewNavigationTest::pixelOf(int view, long double across, long double upwards) const
{
    return {linesPlan().PixelX(view, across), linesPlan().PixelY(view, upwards)};
}

double ViewNavigationTest::profilePixelMetres() const
{
    const TScreen& profile = linesPlan().View(TViewportEngView::kProfileView);
    return std::max(std::fabs(profile.Right - profile.Left) / profile.PixelWidth,
                    std::fabs(profile.Top - profile.Bottom) / profile.PixelHeight);
}

void ViewNavigationTest::pointerPositionOfAClickOnTheProfile()
{
    const sloopform::HullRecord& hull = *sloopform::CurrentHull();
    const double pixel = profilePixelMetres();
    QVERIFY(pixel > 0 && pixel < 0.1);

    // The forward end of the design waterline, then the stem head.
    QTest::mouseClick(linesSurface(), Qt::LeftButton, Qt::NoModifier,
                      pixelOf(TViewportEngView::kProfileView, hull.Fovh, hull.Tc));
    QVERIFY2(pointerText().startsWith("Profile: "), qPrintable(pointerText()));
    QVERIFY2(pointerText().contains("x from stem head = "), qPrintable(pointerText()));
    QVERIFY(std::fabs(Coordinate(pointerText(), "x") - double(hull.Fovh)) <= pixel);
    QVERIFY(std::fabs(Coordinate(pointerText(), "z") - double(hull.Tc)) <= pixel);
    QVERIFY(std::isnan(Coordinate(pointerText(), "y")));

    const double freeBow = hull.FreeBow;
    QTest::mouseClick(linesSurface(), Qt::LeftButton, Qt::NoModifier,
                      pixelOf(TViewportEngView::kProfileView, 0, hull.Tc + freeBow));
    QVERIFY(std::fabs(Coordinate(pointerText(), "x")) <= pixel);
    QVERIFY(std::fabs(Coordinate(pointerText(), "z") - double(hull.Tc + freeBow)) <= pixel);
}

void ViewNavigationTest::pointerPositionInThePlanAndBodyPlanAndOnlyWhileActive()
{
    const sloopform::HullRecord& hull = *sloopform::CurrentHull();
    const double pixel = profilePixelMetres();
    const double halfBeam = hull.Bwl / 2;

    QTest::mouseMove(linesSurface(), pixelOf(TViewportEngView::kPlanView, hull.Fovh + 4, halfBeam));
    QVERIFY2(pointerText().startsWith("Plan: "), qPrintable(pointerText()));
    QVERIFY(std::fabs(Coordinate(pointerText(), "x") - double(hull.Fovh + 4)) <= pixel);
    QVERIFY(std::fabs(Coordinate(pointerText(), "y") - halfBeam) <= pixel);

    QTest::mouseMove(linesSurface(), pixelOf(TViewportEngView::kBodyPlanView, -halfBeam, 0.3L));
    QVERIFY2(pointerText().startsWith("Body plan: "), qPrintable(pointerText()));
    QVERIFY(std::fabs(Coordinate(pointerText(), "y") + halfBeam) <= pixel);
    QVERIFY(std::fabs(Coordinate(pointerText(), "z") - 0.3) <= pixel);

    auto* label = views_->frame->findChild<QLabel*>("PointerPosition");
    QVERIFY(label->isVisible());
    activate(views_->viewerSub);
    QVERIFY(!label->isVisible());
    QVERIFY(label->text().isEmpty());
}

void ViewNavigationTest::middleDragPansTheLinesPlanInZoomWindowMode()
{
    QVERIFY(ChoosePopupItem(linesSurface(), {"Zoom &Out"}));
    QVERIFY(ChoosePopupItem(linesSurface(), {"Zoom &Window"}));
    const QImage start = linesSurface()->image();
    const QRect before = InkBounds(start, Pixel(kBackground));
    const QPoint from(200, 200);
    const QPoint travel(-30, 25);

    MiddleDrag(linesSurface(), from, from + travel);

    const QRect after = InkBounds(linesSurface()->image(), Pixel(kBackground));
    QVERIFY(std::abs(after.left() - before.left() - travel.x()) <= 1);
    QVERIFY(std::abs(after.top() - before.top() - travel.y()) <= 1);
    QVERIFY(std::abs(after.width() - before.width()) <= 1);
    // No rubber band, and the mode is still zoom window: a left drag zooms.
    QCOMPARE(linesPlan().MouseMode(), std::uint8_t(sloopform::mmZoomWindow));
    const long double width = linesPlan().View(1).Right - linesPlan().View(1).Left;
    Drag(linesSurface(), {100, 100}, {300, 300});
    QVERIFY(std::fabs(linesPlan().View(1).Right - linesPlan().View(1).Left) < std::fabs(width) / 1.5L);
}

void ViewNavigationTest::middleDragPansThe3DViewInRotateMode()
{
    activate(views_->viewerSub);
    QVERIFY(ChoosePopupItem(viewerSurface(), {"&Rotate View"}));
    const int azimuth = viewer().Azimuth();
    const QPoint from(200, 200);
    const QPoint travel(40, -20);
    const long double worldX = viewer().XpointBack(1, from.x());
    const long double worldY = viewer().YpointBack(1, from.y());

    MiddleDrag(viewerSurface(), from, from + travel);

    QCOMPARE(viewer().Azimuth(), azimuth);
    QVERIFY(std::abs(viewer().PixelX(1, worldX) - from.x() - travel.x()) <= 1);
    QVERIFY(std::abs(viewer().PixelY(1, worldY) - from.y() - travel.y()) <= 1);
    QCOMPARE(viewer().MouseMode(), std::uint8_t(sloopform::mmRotate));
}

void ViewNavigationTest::plusAndMinusZoomAndArrowsPanBothWindows()
{
    for (QMdiSubWindow* sub : {views_->linesSub, views_->viewerSub}) {
        activate(sub);
        ViewportWidget* surface = sub == views_->linesSub ? linesSurface() : viewerSurface();
        TViewport& viewport = surface->viewport();
        const long double width = viewport.View(1).Right - viewport.View(1).Left;
        const QImage before = surface->image().copy();

        QTest::keyClick(surface, Qt::Key_Plus, Qt::ShiftModifier);
        QVERIFY(std::fabs((viewport.View(1).Right - viewport.View(1).Left) / width - 0.8L) < 1e-9L);
        QTest::keyClick(surface, Qt::Key_Minus, Qt::KeypadModifier);
        QVERIFY(std::fabs((viewport.View(1).Right - viewport.View(1).Left) / width - 0.96L) < 1e-9L);

        const long double worldX = viewport.XpointBack(1, 200);
        const long double worldY = viewport.YpointBack(1, 200);
        QTest::keyClick(surface, Qt::Key_Right);  // the view moves right: the picture a tenth left
        QTest::keyClick(surface, Qt::Key_Up);     // and a tenth down
        QVERIFY(std::abs(viewport.PixelX(1, worldX) - (200 - kSize / 10)) <= 1);
        QVERIFY(std::abs(viewport.PixelY(1, worldY) - (200 + kSize / 10)) <= 1);
        QVERIFY(surface->image() != before);
    }
}

void ViewNavigationTest::activationPutsTheKeysOnTheView()
{
    views_->frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(views_->frame.get()));
    activate(views_->viewerSub);
    activate(views_->linesSub);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(linesSurface()));
    const long double width = linesPlan().View(1).Right - linesPlan().View(1).Left;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
    QVERIFY((linesPlan().View(1).Right - linesPlan().View(1).Left) / width < 0.9L);
}

void ViewNavigationTest::rotationKeepsTheHullCentreInPlaceAndTheHullInView()
{
    // A wide window with the hull's length across it, seen from above.
    constexpr int kWide = kSize;
    constexpr int kLow = kSize / 2;
    viewerSurface()->setFixedSize(kWide, kLow);
    activate(views_->viewerSub);
    QTRY_COMPARE(viewerSurface()->image().size(), QSize(kWide, kLow));
    QVERIFY(ChoosePopupItem(viewerSurface(), {"&View", "&Waterlines"}));
    QVERIFY(ChoosePopupItem(viewerSurface(), {"&Rotate View"}));
    const sloopform::TPoint3r centre = sloopform::HullCentre(*sloopform::CurrentHull());
    const auto centrePixel = [this, centre] {
        const sloopform::TProjection p = viewer().Transform(centre.x, centre.y, centre.z);
        return QPoint(viewer().PixelX(1, p.Xs), viewer().PixelY(1, p.Ys));
    };
    const QPoint before = centrePixel();

    // A quarter turn: the length now runs up the low window.
    Drag(viewerSurface(), {300, 100}, {100, 100});

    QCOMPARE(viewer().Azimuth(), 90 + 90);
    QVERIFY((centrePixel() - before).manhattanLength() <= 2);
    const QRect ink = InkBounds(viewerSurface()->image(), Pixel(kBackground));
    QVERIFY(ink.height() > kLow / 2);
    QVERIFY2(ink.left() > 0 && ink.top() > 0 && ink.right() < kWide - 1 && ink.bottom() < kLow - 1,
             "the whole hull stays in the window");
}

void ViewNavigationTest::smoothLinesBlendTheirEdgesButDragDrawingsStayHard()
{
    sloopform::ProgramSettings().Drawing.SmoothLines = true;
    QVERIFY(ChoosePopupItem(linesSurface(), {"Zoom &All"}));
    QVERIFY(BlendedPixels(linesSurface()->image()) > 100);

    // The rubber band inverts and restores the smooth picture exactly.
    QVERIFY(ChoosePopupItem(linesSurface(), {"Zoom &Window"}));
    const QImage smooth = linesSurface()->image().copy();
    Press(linesSurface(), {100, 100});
    MoveTo(linesSurface(), {100, 100}, {250, 220});
    QVERIFY(linesSurface()->image() != smooth);
    MoveTo(linesSurface(), {250, 220}, {100, 100});
    QVERIFY(linesSurface()->image() == smooth);
    Release(linesSurface(), {100, 100});

    // The pan preview is hard: nothing but the drawing colours while it moves.
    QTest::mousePress(linesSurface(), Qt::MiddleButton, Qt::NoModifier, {200, 200});
    MoveTo(linesSurface(), {200, 200}, {230, 180});
    QCOMPARE(BlendedPixels(linesSurface()->image()), 0);
    QTest::mouseRelease(linesSurface(), Qt::MiddleButton, Qt::NoModifier, {230, 180});
    QVERIFY(BlendedPixels(linesSurface()->image()) > 100);

    sloopform::ProgramSettings().Drawing.SmoothLines = false;
    QVERIFY(ChoosePopupItem(linesSurface(), {"Zoom &All"}));
    QCOMPARE(BlendedPixels(linesSurface()->image()), 0);
}

void ViewNavigationTest::smoothLinesIsAPreference()
{
    sloopform::Settings settings;
    QVERIFY(settings.Drawing.SmoothLines);
    PreferencesDialog dialog(settings);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* smoothLines = dialog.findChild<QCheckBox*>("smoothLines");
    QVERIFY(smoothLines->isChecked());
    QCOMPARE(smoothLines->text(), QStringLiteral("Smooth lines"));

    QStyleOptionButton option;
    option.initFrom(smoothLines);
    const QRect box = smoothLines->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, smoothLines);
    QTest::mouseClick(smoothLines, Qt::LeftButton, Qt::NoModifier, box.center());
    QVERIFY(!smoothLines->isChecked());
    QVERIFY(settings.Drawing.SmoothLines);  // only Ok or Apply store it
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "&Ok") QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!settings.Drawing.SmoothLines);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(ViewNavigationTest)
#include "ViewNavigationTest.moc"
