#pragma once

#include "core/noseshape.h"
#include "core/rocketparams.h"

#include <QColor>
#include <QString>

#include <array>

class Canvas;
struct RgbColour;

// The rocket drawn upright on the sheet: nose at the top, axis vertical. A
// point p mm behind the nose tip and q mm off the axis lies at canvas
// (axisX ± q·scale, noseTipY + p·scale). Every routine takes the canvas
// first and the axis X, nose-tip Y and drawing scale last, reads the design
// from settings, and chooses its presentation by settings::viewMode.
namespace builder {

// Recomputes both centres of pressure and margins into settings::rocket and
// redraws the whole sheet. On a picture surface a design that cannot be drawn
// shows the start hints instead; on a printer nothing is drawn then. Returns
// whether the rocket was drawn.
bool rebuild(Canvas &canvas);

// The bilingual hints of an empty sheet, on the face colour of buttons.
void drawStartHints(Canvas &canvas);

void drawBody(Canvas &canvas, double noseLength, double bodyDiameter, double bodyLength, double axisX,
              double noseTipY, double scale);
// Sizes the current font so that a "W" is two thirds of the drawn body
// diameter D wide, then shrinks it until the rocket name fits in half the body.
void fitNameFont(Canvas &canvas, double D);
void drawFins(Canvas &canvas, double bodyDiameter, double finPosition, double finSpan, double rootChord,
              double tipChord, double tipOffset, double axisX, double noseTipY, double scale);

void drawCgMarker(Canvas &canvas, double cgPosition, double axisX, double noseTipY, double scale);
void drawBcpMarker(Canvas &canvas, double bcpPosition, double axisX, double noseTipY, double scale);
void drawCpcMarker(Canvas &canvas, double cpcPosition, double axisX, double noseTipY, double scale);

// Title and dimension lines of the draft view; leaves the text colour black.
void drawDraftDimensions(Canvas &canvas);
void drawDimensionTick(Canvas &canvas, double x, double y, const QColor &colour);

// Texts of the four output fields after a rebuild: both positions rounded
// to `accuracy`, both margins to two decimals or empty.
std::array<QString, 4> outputFieldTexts(const RocketParams &record, int accuracy);

// A number as marker labels and dimensions print it: at most 15 significant
// digits, a full stop, and a blank in place of the sign of a positive number
// when `signBlank` is set.
QString labelNumber(double value, bool signBlank = false);

QColor toColour(const RgbColour &colour);

} // namespace builder

namespace NoseForm {

// The nose profile in slices one canvas unit high; nothing for an empty or
// unknown shape name or a diameter that is not positive.
void drawNose(Canvas &canvas, const QString &noseShape, double noseLength, double bodyDiameter, double axisX,
              double noseTipY, double scale);

// Half-width of the nose at distance t from the tip, in the units of L and D.
double noseHalfWidth(NoseShape shape, double t, double L, double D);

} // namespace NoseForm
