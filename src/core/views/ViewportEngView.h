#pragma once
#include "views/Viewport.h"

namespace sloopform {

// The three orthographic views of a lines plan on one surface: view 1 the
// profile (x, z), view 2 the plan (x, y), view 3 the body plan (y, z).
class TViewportEngView : public TViewport {
public:
    static constexpr int kProfileView = 1;
    static constexpr int kPlanView = 2;
    static constexpr int kBodyPlanView = 3;

    explicit TViewportEngView(Canvas& canvas);

    // One line in space becomes one line in each view.
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override;
};

}  // namespace sloopform
