#pragma once
#include <array>
#include <cstdint>

#include "numeric/Points.h"
#include "views/Viewport.h"

namespace sloopform {

// A point after the viewing transform: projected screen coordinates and depth.
struct TProjection {
    Real48 Xs;
    Real48 Ys;
    Real48 Ze;
};

// A viewport that shows space from a direction (azimuth and elevation in whole
// degrees) with optional perspective, on its single view. It remembers the
// extents of what it projects so its owner can fit the picture, and turns the
// viewing direction with the rotate drag about a pivot that keeps its place on
// the screen, widening the window when the turned picture would leave it
// (unless it was not wholly in the window when the drag began).
class TViewport3d : public TViewport {
public:
    explicit TViewport3d(Canvas& canvas);

    void SetAutoRedraw(bool value);
    void SetDistance(Real48 value);
    void SetScreenDistance(Real48 value);
    void SetElevation(std::int32_t value);
    void SetAzimuth(std::int32_t value);
    void SetPerspective(bool value);
    // The point the view turns about (the world's origin until set); it
    // projects to (0, 0) whatever the direction.
    void SetPivot(const TPoint3r& pivot);

    bool AutoRedraw() const { return autoRedraw_; }
    bool RedrawPending() const { return redrawPending_; }
    bool Perspective() const { return perspective_; }
    bool Measuring() const { return measuring_; }
    Real48 Distance() const { return distance_; }
    Real48 ScreenDistance() const { return screenDistance_; }
    std::int32_t Elevation() const { return elevation_; }
    std::int32_t Azimuth() const { return azimuth_; }
    const std::array<Real48, 12>& ViewMatrix() const { return viewMatrix_; }
    Real48 MaxX() const { return maxX_; }
    Real48 MaxY() const { return maxY_; }
    Real48 MinX() const { return minX_; }
    Real48 MinY() const { return minY_; }
    const TPoint3r& Pivot() const { return pivot_; }

    void UpdateMatrix();
    TProjection Transform(Real48 x, Real48 y, Real48 z) const;
    // Projects both ends, widens the extents and, unless measuring, draws. With
    // perspective a line with an end at or behind the eye (depth <= 0) is left out.
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override;
    // The extents of the owner's preview drawing, drawn with output suppressed;
    // false when it drew nothing (the extents are then the surface's).
    bool Measure();
    // Widens the window about the pivot's point on the screen until the
    // preview drawing fits with a small border; a window that holds it, or
    // that the pivot has been panned out of, stays as it is.
    void HoldPicture();

protected:
    void RotateStart() override;
    void RotateMove() override;
    void RotateEnd() override;

private:
    // Coordinates in the eye's frame: Xe, Ye across the screen and the depth Ze.
    TProjection EyePoint(Real48 x, Real48 y, Real48 z) const;
    TProjection Project(const TProjection& eye) const;
    // The factor that widens the window about the pivot until the preview
    // drawing fits `border` times over; 0 when it cannot.
    long double WideningAboutPivot(long double border);
    void ResetExtents();
    void Widen(const TProjection& point);
    void ViewChanged();

    std::array<Real48, 12> viewMatrix_{};
    TPoint3r pivot_{};
    std::int32_t startElevation_ = 0;
    std::int32_t startAzimuth_ = 0;
    std::int32_t elevation_ = 0;
    std::int32_t azimuth_ = 0;
    Real48 distance_;
    Real48 screenDistance_;
    bool redrawPending_ = false;
    bool autoRedraw_ = false;
    bool perspective_ = false;
    bool measuring_ = false;
    bool holdPicture_ = false;  // during a rotate drag
    Real48 maxX_;
    Real48 maxY_;
    Real48 minX_;
    Real48 minY_;
};

}  // namespace sloopform
