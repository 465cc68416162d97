#pragma once

// The sheet every rocket is drawn on: an upright A4 page 1200 user units
// high, the rocket's axis down its middle, the nose tip 100 units from the
// top. The drawing scale maps the rocket's longest extent onto the reference
// length, so the rocket always stands between 100 and 1100.
namespace sheet {
// The quotient 210/297 is formed first, as the sheet's proportion.
inline constexpr double canvasHeight = 1200.0;
inline constexpr double canvasWidth = 1200.0 * (210.0 / 297.0);
inline constexpr double noseTipY = 100.0;
inline constexpr double axisX = canvasWidth / 2;
inline constexpr double referenceLength = 1000.0;
} // namespace sheet

// Canvas units per millimetre for the design: the longest extent of the
// rocket along its axis (body tail, root chord's trailing end, or tip
// chord's trailing end) maps onto `referenceLength` units. 0 when nothing
// can be drawn: a negative diameter, or no nose, no body and no fin. The tip
// chord counts in whole millimetres here (halves to even) so that a tip of
// 40.4 mm does not stretch the sheet by a fraction.
double computeDrawScale(double noseLength, double bodyDiameter, double bodyLength, double finPosition,
                        double finSpan, double rootChord, double tipChord, double tipOffset,
                        double referenceLength);
