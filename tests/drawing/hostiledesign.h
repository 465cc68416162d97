#pragma once

// What a damaged or malicious parameter file can hold: a nose a thousand kilometres long cut back
// by a negative body to a sliver on the sheet, a vast span, an absurd fin count, a tip swept far
// forward off the sheet, a name and inscription of many thousand letters. Shared by the tests and
// the benchmark.

#include "core/rocketparams.h"

inline RocketParams hostileDesign()
{
    RocketParams r;
    r.rocketName = QString(50000, u'Ж');
    r.noseShape = QStringLiteral("ogive");
    std::tie(r.noseLength, r.bodyDiameter, r.bodyLength, r.finCount) =
        std::tuple(1e9, 1, -999999500, 1e308);
    std::tie(r.finPosition, r.finSpan, r.rootChord, r.tipChord) = std::tuple(100, 1e9, 50, 20);
    std::tie(r.tipOffset, r.cgPosition) = std::tuple(-1e7, 1e300);
    r.inscription = QString(100000, u'x');
    return r;
}
