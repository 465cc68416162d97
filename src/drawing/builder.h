#pragma once

#include "drawing/evaluation.h"

class Canvas;
struct DrawStyle;
struct RocketParams;

namespace builder {

// Evaluates the design and draws the whole sheet from scratch: background,
// draft dimensions, axis, nose, body, fins, the three markers, the stability
// warning and the inscription. A design that cannot be drawn (no drawing
// scale) shows the start hints on a picture surface and leaves a printer
// untouched; a printer's page is sent once drawn. The caller decides what to
// do with the returned evaluation: the window shows it only when it was drawn.
Evaluation rebuild(Canvas &canvas, const RocketParams &design, const DrawStyle &style);

// The bilingual hints of an empty sheet, on the face colour of buttons.
void drawStartHints(Canvas &canvas);

} // namespace builder
