#pragma once

// What a damaged or malicious parameter file can hold: a nose a thousand kilometres long cut back by a
// negative body to a sliver on the sheet, a vast span, an absurd fin count, a tip swept far forward off
// the sheet, a name and inscription of many thousand letters. Shared by the tests and the benchmark.

#include "core/settings.h"

inline void loadHostileDesign()
{
    settings::reset();
    // Name, shape, nose, diameter, body, fins, position, span, root, tip, offset, cg; results; inscription.
    settings::rocket = {
        {}, QStringLiteral("ogive"), 1e9, 1, -999999500, 1e308, 100, 1e9, 50, 20, -1e7, 1e300, 0, {}, 0,
        {}, QString(100000, u'x')};
    settings::rocket.rocketName = QString(50000, u'Ж');
}
