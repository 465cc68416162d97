#pragma once

#include "core/captions.h"
#include "core/rocketparams.h"

#include <QRect>

#include <array>

// Where every control of the main window stands for a given size, in the
// window's own pixels. Everything follows from the drawing surface: an
// upright A4 sheet at the right, 0.98 of the inner height, and the rows of
// the left strip a 23rd of its height each, each field under the heading of
// its part of the rocket.
struct Form1Layout {
    QRect picture;
    std::array<QRect, kCaptionCount> captions; // Label1, by caption index
    std::array<QRect, kFieldCount> fields;     // Text1, by field index
    QRect combo;                               // the drop-down's arrow, closing the nose-shape row
    std::array<QRect, 4> swatches;             // LabelP: nose, body, rocket name, fins
    // Unrounded, for choosing a font: a field's height, and the caption column's width.
    double fieldHeight = 0;
    double captionWidth = 0;
};

// The caption indices of the left strip's rows, top to bottom.
inline constexpr int kRowOrder[kCaptionCount] = {0, 17, 1,  2,  18, 3,  4,  19, 5,  6,  7, 8,
                                                 9, 10, 20, 11, 21, 12, 13, 22, 14, 15, 16};
inline constexpr int kFirstHeading = 17;

// `windowWidth` is the window's whole width, `innerHeight` the height below its menu bar.
Form1Layout layoutForm1(int windowWidth, int innerHeight);
