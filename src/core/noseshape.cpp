#include "core/noseshape.h"

const std::array<NoseShapeInfo, 4> &noseShapes()
{
    // The Barrowman factors are the decimal values the method was tuned with,
    // not 2/3 and 1/3; the ellipsoid's area uses pi to four places.
    static const std::array<NoseShapeInfo, 4> table = {{
        {NoseShape::Cone, QStringLiteral("конический"), QStringLiteral("cone"), 0.666, 2.0 / 3.0, 1.0 / 2.0},
        {NoseShape::Parabolic, QStringLiteral("параболический"), QStringLiteral("parabolic"), 0.5, 0.625,
         2.0 / 3.0},
        {NoseShape::Ogive, QStringLiteral("чечевичный"), QStringLiteral("ogive"), 0.466, 0.62, 2.0 / 3.0},
        {NoseShape::Ellipsoid, QStringLiteral("эллиптический"), QStringLiteral("ellipsoid"), 0.333, 0.58,
         3.1416 / 4.0},
    }};
    return table;
}

const NoseShapeInfo *findNoseShape(const QString &name)
{
    for (const NoseShapeInfo &info : noseShapes())
        if (name == info.russianName || name == info.englishName)
            return &info;
    return nullptr;
}

NoseShape lookupNoseShape(const QString &name)
{
    const NoseShapeInfo *info = findNoseShape(name);
    return info ? info->shape : NoseShape::None;
}

QString noseShapeNameIn(const QString &name, Language language)
{
    const NoseShapeInfo *info = findNoseShape(name);
    if (!info)
        return name;
    return language == Language::English ? info->englishName : info->russianName;
}

QStringList noseShapeEntries(Language language)
{
    QStringList entries{QString()};
    for (const NoseShapeInfo &info : noseShapes())
        entries += language == Language::English ? info.englishName : info.russianName;
    return entries;
}
