#include "drawing/drawscale.h"

#include "core/numbers.h"

#include <cmath>

double computeDrawScale(double noseLength, double bodyDiameter, double bodyLength, double finPosition,
                        double finSpan, double rootChord, double tipChord, double tipOffset,
                        double referenceLength)
{
    if (bodyDiameter < 0)
        return 0;
    if (noseLength <= 0 && bodyLength <= 0 && !(rootChord > 0 && finSpan > 0))
        return 0;

    const double bodyTail = noseLength + bodyLength;
    const double rootTail = finPosition + rootChord;
    const double tipTail = finPosition + tipOffset + roundHalfEven(tipChord, 0);

    double longest;
    if (bodyTail >= rootTail && bodyTail >= tipTail)
        longest = bodyTail;
    else if (rootTail >= bodyTail && rootTail >= tipTail)
        longest = rootTail;
    else
        longest = tipTail;

    const double scale = longest > 0 ? referenceLength / longest : 0;
    return std::isfinite(scale) ? scale : 0;
}
