#pragma once

// What a damaged or malicious parameter file can hold: a nose a million body
// diameters long cut back by a negative body so the sheet shows a sliver of
// it, a vast span, an absurd fin count, a swept tip far off the sheet, and a
// name and inscription of many thousand letters. Shared by the robustness
// tests and the rebuild benchmark.

#include "core/settings.h"

inline void loadHostileDesign()
{
    settings::reset();
    RocketParams &r = settings::rocket;
    r.rocketName = QString(50000, u'Ж');
    r.noseShape = QStringLiteral("ogive");
    r.noseLength = 1e6;
    r.bodyDiameter = 1;
    r.bodyLength = -999500;
    r.finCount = 1e308;
    r.finPosition = 100;
    r.finSpan = 1e9;
    r.rootChord = 50;
    r.tipChord = 20;
    r.tipOffset = 1e7;
    r.cgPosition = 1e300;
    r.inscription = QString(100000, u'x');
}
