#pragma once

#include <QString>

#include <optional>

// The one rule that turns what a user typed into a number, the rounding every
// length goes through, and the form in which numbers are shown again.

// Rounds to `digits` decimal places, halves to the even digit. The half is
// judged on the shortest decimal form of x, the digits a user would have typed,
// so 2.675 (stored as 2.67499999…) still rounds to 2.68 at two places.
// A value that is not finite rounds to 0.
double roundHalfEven(double x, int digits);

// The longest leading part of the text that reads as a number, unrounded:
// optional sign, digits with a full stop, exponent after E or D; blanks, tabs
// and line feeds are skipped wherever they stand; &H and &O start hexadecimal
// and octal whole numbers. No such part, or a number beyond the range of a
// double, gives 0; the result is always finite.
double readLeadingNumber(const QString &text);

// readLeadingNumber rounded to `digits` places with roundHalfEven.
double parseLength(const QString &text, int digits);

// Shortest text that reads back to the same double: full stop, no trailing
// zeros, no point for whole numbers, no exponent below 1e15. -0 shows as 0.
QString formatShown(double value);

// A stability margin as the window shows it: two decimals, or empty.
QString formatMargin(std::optional<double> margin);
