#pragma once

#include "core/language.h"

#include <QString>
#include <QStringList>

#include <array>

// The four nose shapes in their fixed order (the order of the drop-down list).
enum class NoseShape { None = 0, Cone = 1, Parabolic = 2, Ogive = 3, Ellipsoid = 4 };

struct NoseShapeInfo {
    NoseShape shape;
    QString russianName;
    QString englishName;
    double barrowmanFactor; // nose centre of pressure as a fraction of its length
    double centroidFactor;  // centroid of the side projection, fraction of the length
    double areaFactor;      // side projection area over length × diameter
};

const std::array<NoseShapeInfo, 4> &noseShapes();

// The row whose Russian or English name equals `name` exactly (case
// included), or nullptr: no shape, every factor 0.
const NoseShapeInfo *findNoseShape(const QString &name);

NoseShape lookupNoseShape(const QString &name);

// The name of the same shape in `language`; a text that is no shape name
// comes back unchanged.
QString noseShapeNameIn(const QString &name, Language language);

// The entries of the nose drop-down in `language`: an empty entry, then the
// four shapes.
QStringList noseShapeEntries(Language language);
