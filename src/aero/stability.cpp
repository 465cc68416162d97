#include "aero/stability.h"

#include <cmath>

std::optional<double> stabilityMargin(double cpPosition, double cgPosition, double bodyDiameter)
{
    if (!(cpPosition > 0 && cgPosition > 0 && bodyDiameter > 0))
        return std::nullopt;
    const double margin = (cpPosition - cgPosition) / bodyDiameter;
    if (!std::isfinite(margin))
        return std::nullopt;
    return margin;
}

QString stabilityWarning(std::optional<double> margin)
{
    if (!margin)
        return QString();
    // Judged on the unrounded margin: 0.996 still warns though it shows as 1.
    if (*margin <= 0)
        return QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
    if (*margin < 1)
        return QStringLiteral("Запас устойчивости недостаточен!");
    return QString();
}
