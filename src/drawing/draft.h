#pragma once

class Canvas;
class QColor;
struct RocketParams;

namespace builder {

// The draft's title (the rocket name over the nose) and its dimension lines,
// each value beside its line, for the design drawn at `scale` with its nose
// tip at (axisX, noseTipY); the overall length is rounded to `accuracy`
// decimals. Leaves the text colour black.
void drawDraftDimensions(Canvas &canvas, const RocketParams &design, int accuracy, double axisX,
                         double noseTipY, double scale);

// A short 45° stroke marking the end of a dimension line, the same size at any scale.
void drawDimensionTick(Canvas &canvas, double x, double y, const QColor &colour);

} // namespace builder
