#pragma once

#include "core/rocketparams.h"

#include <QString>

// What the Edit and View commands do to the field texts, apart from the window.

// The text a user typed, with a decimal comma read as a decimal point: the
// decimal key of a Russian keypad types a comma. Files keep their own format
// and never pass through here.
QString withDecimalPoint(QString typed);

// Every length of the design, nose length to the Barrowman result, times `k`
// and rounded to `digits` places (halves to even); signs survive, so a tip
// swept forward stays so. The fin count is no length: it stays the number
// it was.
FieldTexts scaledFields(FieldTexts texts, double k, int digits);

// The design's lengths, nose length to centre of gravity, rounded to whole
// millimetres (halves to even); the other fields as they were.
FieldTexts wholeMillimetreFields(FieldTexts texts);
