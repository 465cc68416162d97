#pragma once

#include <QString>

class Canvas;
struct DrawStyle;

// The body and the fins, upright on the sheet: a point p mm behind the nose
// tip and q mm off the axis lies at (axisX ± q·scale, noseTipY + p·scale).
// The picture fills them in the design colours, the draft outlines them in grey.
namespace builder {

// The body, and in the picture the rocket name down its middle, one letter
// a line, in the name colour; the canvas's font and text colour are kept.
void drawBody(Canvas &canvas, const DrawStyle &style, const QString &rocketName, double noseLength,
              double bodyDiameter, double bodyLength, double axisX, double noseTipY, double scale);

// Sizes the current font so that a "W" is two thirds of the drawn body
// diameter D wide, then shrinks it until `letters` lines fit in `halfBody`
// canvas units.
void fitNameFont(Canvas &canvas, double D, double letters, double halfBody);

// Two sides of the fin set: for three fins the right-hand one at half its
// span (the other two stand 120° away), and for four the pair seen edge-on
// along the axis in the picture.
void drawFins(Canvas &canvas, const DrawStyle &style, double finCount, double bodyDiameter,
              double finPosition, double finSpan, double rootChord, double tipChord, double tipOffset,
              double axisX, double noseTipY, double scale);

} // namespace builder
