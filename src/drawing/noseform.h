#pragma once

#include "core/noseshape.h"

#include <QString>

class Canvas;
struct DrawStyle;

namespace NoseForm {

// The nose profile in slices one canvas unit high, filled in the nose colour
// in the picture and outlined in grey in the draft; nothing for an empty or
// unknown shape name or a diameter that is not positive. A point p mm behind
// the nose tip and q mm off the axis lies at (axisX ± q·scale, noseTipY + p·scale).
void drawNose(Canvas &canvas, const DrawStyle &style, const QString &noseShape, double noseLength,
              double bodyDiameter, double axisX, double noseTipY, double scale);

// Half-width of the nose at distance t from the tip, in the units of L and D.
double noseHalfWidth(NoseShape shape, double t, double L, double D);

} // namespace NoseForm
