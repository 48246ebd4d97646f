#include "views/ViewportEngView.h"

namespace sloopform {

TViewportEngView::TViewportEngView(Canvas& canvas) : TViewport(canvas) { SetViewCount(3); }

void TViewportEngView::Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2)
{
    Line(kProfileView, x1, z1, x2, z2);
    Line(kPlanView, x1, y1, x2, y2);
    Line(kBodyPlanView, y1, z1, y2, z2);
}

}  // namespace sloopform
