#pragma once

class Canvas;
struct DrawStyle;

// The three centres on the axis, `position` mm behind the nose tip: the
// centre of gravity as a ring with a cross and two filled quarters, both
// centres of pressure as a dot in a ring. In the draft each carries a label
// in the interface language ("цт[255]", "bcp[335]"). Nothing for a position
// that is not above 0.
namespace builder {

void drawCgMarker(Canvas &canvas, const DrawStyle &style, double cgPosition, double bodyDiameter,
                  double axisX, double noseTipY, double scale);
// Its label stands past where the centre of gravity's label ends.
void drawBcpMarker(Canvas &canvas, const DrawStyle &style, double bcpPosition, double cgPosition,
                   double bodyDiameter, double axisX, double noseTipY, double scale);
// Leaves purple as the canvas's text colour.
void drawCpcMarker(Canvas &canvas, const DrawStyle &style, double cpcPosition, double bodyDiameter,
                   double axisX, double noseTipY, double scale);

} // namespace builder
