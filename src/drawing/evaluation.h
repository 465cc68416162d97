#pragma once

#include "core/rocketparams.h"

#include <QString>

#include <array>
#include <optional>

// What a design comes to: both centres of pressure (0: no result), the
// stability margin against each in body diameters (empty: not computable),
// the warning against the Barrowman centre (empty: none) and the drawing
// scale (0: nothing to draw). The window, the rebuild and the command line
// all compute a design through evaluateDesign.
struct Evaluation {
    double drawScale = 0;
    double bcpPosition = 0;
    std::optional<double> bcpStability;
    double cpcPosition = 0;
    std::optional<double> cpcStability;
    QString warning;

    bool drawable() const { return drawScale > 0; }
};

// Both centres rounded to `accuracy` decimals, margins and warning from the
// unrounded quotients.
Evaluation evaluateDesign(const RocketParams &design, int accuracy);

// Texts of the window's four output fields: both positions rounded to
// `accuracy`, both margins to two decimals or empty.
std::array<QString, 4> outputFieldTexts(const Evaluation &evaluation, int accuracy);
