#pragma once

// Canvas units per millimetre for the current design: the longest extent of
// the rocket along its axis (body tail, root chord's trailing end, or tip
// chord's trailing end) maps onto `referenceLength` units.
//
// Returns 0 when nothing can be drawn. Stores the result in
// settings::drawScale, except for a negative diameter, which leaves the stored
// scale as it was. The tip chord counts in whole millimetres here (halves to
// even) so that a tip of 40.4 mm does not stretch the sheet by a fraction.
double computeDrawScale(double noseLength, double bodyDiameter, double bodyLength, double finPosition,
                        double finSpan, double rootChord, double tipChord, double tipOffset,
                        double referenceLength);
