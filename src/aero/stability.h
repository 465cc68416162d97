#pragma once

#include <QString>

#include <optional>

// Stability margin in body diameters: how far the centre of pressure lies
// behind the centre of gravity. Empty when either centre or the diameter is
// missing (not above 0), or when the quotient is not finite.
std::optional<double> stabilityMargin(double cpPosition, double cgPosition, double bodyDiameter);

// The warning drawn at the foot of the sheet for a margin against the
// Barrowman centre: unstable at 0 or below, insufficient below one diameter,
// else none (empty). The texts are the same in both interface languages.
QString stabilityWarning(std::optional<double> margin);
