#include "views/Viewport3d.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numeric/ArithmeticFault.h"
#include "numeric/Geometry.h"
#include "views/Trunc.h"

namespace sloopform {

namespace {

constexpr long double kExtentReset = 1e31L;
constexpr int kSingleView = 1;
constexpr int kDegreesPerFullDrag = 180;  // a drag across the whole control
constexpr long double kHoldBorder = 1.04L;  // 4 % free beyond the picture

// The factor that widens the span [low, high] about 0 until it holds
// [lowest, highest] times `border`; 1 when it already does, 0 when 0 lies
// outside the span.
long double WideningToHold(long double low, long double high, long double lowest, long double highest,
                           long double border)
{
    if (low > high) std::swap(low, high);
    if (!(low < 0 && high > 0)) return 0;
    return std::max({1.0L, border * highest / high, border * lowest / low});
}

}  // namespace

TViewport3d::TViewport3d(Canvas& canvas) : TViewport(canvas)
{
    SetAutoRedraw(true);
    maxX_ = maxY_ = minX_ = minY_ = -1;
    measuring_ = false;
}

void TViewport3d::SetAutoRedraw(bool value)
{
    autoRedraw_ = value;
    if (redrawPending_) Paint();
    redrawPending_ = false;
}

void TViewport3d::SetDistance(Real48 value)
{
    distance_ = value;
    UpdateMatrix();
    ViewChanged();
}

void TViewport3d::SetScreenDistance(Real48 value)
{
    screenDistance_ = value;
    UpdateMatrix();
    ViewChanged();
}

void TViewport3d::SetElevation(std::int32_t value)
{
    elevation_ = value;
    UpdateMatrix();
    ViewChanged();
}

void TViewport3d::SetAzimuth(std::int32_t value)
{
    azimuth_ = value;
    UpdateMatrix();
    ViewChanged();
}

void TViewport3d::SetPerspective(bool value)
{
    perspective_ = value;
    ViewChanged();
}

void TViewport3d::SetPivot(const TPoint3r& pivot)
{
    pivot_ = pivot;
    ResetExtents();
}

void TViewport3d::ViewChanged()
{
    if (autoRedraw_)
        Paint();
    else
        redrawPending_ = true;
}

void TViewport3d::UpdateMatrix()
{
    const Real48 a = DegreesToRadians(azimuth_);
    const Real48 e = DegreesToRadians(elevation_);
    const Real48 sa = std::sin(static_cast<long double>(a));
    const Real48 ca = std::cos(static_cast<long double>(a));
    const Real48 se = std::sin(static_cast<long double>(e));
    const Real48 ce = std::cos(static_cast<long double>(e));
    viewMatrix_ = {-sa,      ca,       0,   0,  //
                   -ca * ce, -sa * ce, se,  0,  //
                   -ca * se, -sa * se, -ce, distance_};
    ResetExtents();
}

TProjection TViewport3d::EyePoint(Real48 x, Real48 y, Real48 z) const
{
    const std::array<Real48, 12>& m = viewMatrix_;
    const long double px = x - pivot_.x;
    const long double py = y - pivot_.y;
    const long double pz = z - pivot_.z;
    TProjection eye;
    eye.Xs = m[0] * px + m[1] * py;
    eye.Ys = (m[4] * px + m[5] * py) + m[6] * pz;
    eye.Ze = ((m[8] * px + m[9] * py) + m[10] * pz) + m[11];
    return eye;
}

TProjection TViewport3d::Project(const TProjection& eye) const
{
    if (!perspective_) return eye;
    return {Divide(screenDistance_ * eye.Xs, eye.Ze), Divide(screenDistance_ * eye.Ys, eye.Ze), eye.Ze};
}

TProjection TViewport3d::Transform(Real48 x, Real48 y, Real48 z) const
{
    return Project(EyePoint(x, y, z));
}

void TViewport3d::Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2)
{
    const TProjection eye1 = EyePoint(x1, y1, z1);
    const TProjection eye2 = EyePoint(x2, y2, z2);
    if (perspective_ && (eye1.Ze <= 0 || eye2.Ze <= 0)) return;
    const TProjection p1 = Project(eye1);
    const TProjection p2 = Project(eye2);
    Widen(p1);
    Widen(p2);
    if (!measuring_) Line(kSingleView, p1.Xs, p1.Ys, p2.Xs, p2.Ys);
}

void TViewport3d::ResetExtents()
{
    maxX_ = maxY_ = -kExtentReset;
    minX_ = minY_ = kExtentReset;
}

void TViewport3d::Widen(const TProjection& point)
{
    if (point.Xs > maxX_) maxX_ = point.Xs;
    if (point.Ys > maxY_) maxY_ = point.Ys;
    if (point.Xs < minX_) minX_ = point.Xs;
    if (point.Ys < minY_) minY_ = point.Ys;
}

bool TViewport3d::Measure()
{
    ResetExtents();
    SetWindow(kSingleView, 0, Height(), Width(), 0);
    measuring_ = true;
    try {
        RaisePreviewRedraw();
    } catch (...) {
        measuring_ = false;
        throw;
    }
    measuring_ = false;
    const Real48 reset = kExtentReset;
    if (maxX_ == -reset && maxY_ == -reset && minX_ == reset && minY_ == reset) {
        maxX_ = Width();
        maxY_ = Height();
        minX_ = 0;
        minY_ = 0;
        return false;
    }
    return true;
}

long double TViewport3d::WideningAboutPivot(long double border)
{
    const TScreen window = View(kSingleView);
    if (!window.Active || Width() <= 0 || Height() <= 0) return 0;
    const bool measured = Measure();
    SetWindow(kSingleView, window.Left, window.Top, window.Right, window.Bottom);
    const long double across = WideningToHold(window.Left, window.Right, minX_, maxX_, border);
    const long double upwards = WideningToHold(window.Bottom, window.Top, minY_, maxY_, border);
    return measured && across > 0 && upwards > 0 ? std::max(across, upwards) : 0;
}

void TViewport3d::HoldPicture()
{
    const long double factor = WideningAboutPivot(kHoldBorder);
    if (factor <= 1) return;
    const TScreen window = View(kSingleView);
    SetWindow(kSingleView, window.Left * factor, window.Top * factor, window.Right * factor,
              window.Bottom * factor);
}

void TViewport3d::RotateStart()
{
    startElevation_ = elevation_;
    startAzimuth_ = azimuth_;
    // A picture the user has zoomed into stays zoomed; a whole one stays whole.
    holdPicture_ = WideningAboutPivot(1) == 1;
    SetAutoRedraw(false);
}

void TViewport3d::RotateMove()
{
    MovePreview([this] {
        const TPixelPoint start = DragStart();
        const TPixelPoint end = DragEnd();
        SetAzimuth(Trunc(Divide((start.X - end.X) * kDegreesPerFullDrag, Width())) + startAzimuth_);
        SetElevation(Trunc(Divide((start.Y - end.Y) * kDegreesPerFullDrag, Height())) + startElevation_);
        if (holdPicture_) HoldPicture();
    });
}

void TViewport3d::RotateEnd() { SetAutoRedraw(true); }

}  // namespace sloopform
