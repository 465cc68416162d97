#pragma once

// The reference design the drawing tests render, and the sheet they render
// it on: 1200 pixels high, so one canvas unit is one pixel down and
// 848/848.48 of a pixel across.

#include "core/settings.h"
#include "drawing/picturesurface.h"

#include <QImage>

#include <cmath>

#define QNEAR(actual, expected, tolerance)                                                                   \
    QVERIFY2(std::fabs((actual) - (expected)) <= (tolerance),                                                \
             qPrintable(QStringLiteral("%1, expected %2").arg(actual).arg(expected)))

// Cone 100, body 40 × 400 and square fins 60 × 30 at 440: the body's tail
// and the root's trailing end both lie 500 mm back, so the scale is 2; the
// nose spans rows 100–300, the body rows 300–1100 with its edges at axis ± 40,
// the fins rows 980–1100. No centre of gravity.
inline void standardDesign()
{
    RocketParams &r = settings::rocket;
    r.noseShape = QStringLiteral("cone");
    r.noseLength = 100;
    r.bodyDiameter = 40;
    r.bodyLength = 400;
    r.finCount = 3;
    r.finPosition = 440;
    r.finSpan = 30;
    r.rootChord = 60;
    r.tipChord = 60;
    settings::colours = {{200, 120, 0}, {60, 160, 60}, {250, 250, 0}, {0, 120, 220}};
}

inline QImage render()
{
    PictureSurface surface(PictureSurface::sizeForHeight(1200));
    surface.rebuild();
    return surface.image();
}

// Device column of canvas X.
inline int column(const QImage &image, double x)
{
    return qRound(x * image.width() / settings::canvasWidth);
}

// Device column of the axis, unrounded.
inline double axisColumn(const QImage &image)
{
    return settings::axisX * image.width() / settings::canvasWidth;
}
