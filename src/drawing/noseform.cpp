#include "drawing/noseform.h"

#include "drawing/canvas.h"
#include "drawing/drawstyle.h"

#include <cmath>

namespace NoseForm {

double noseHalfWidth(NoseShape shape, double t, double L, double D)
{
    switch (shape) {
    case NoseShape::Cone:
        return D * t / (2 * L);
    case NoseShape::Parabolic:
        return D * t / L - D * t * t / (2 * L * L);
    case NoseShape::Ogive: {
        // Tangent ogive: an arc of radius rho meeting the body without a kink.
        const double rho = (L * L + D * D / 4) / D;
        const double rhoLessHalfD = (L * L - D * D / 4) / D;
        return std::sqrt(rho * rho - (t - L) * (t - L)) - rhoLessHalfD;
    }
    case NoseShape::Ellipsoid: {
        const double u = t / L - 1;
        return D / 2 * std::sqrt(1 - u * u);
    }
    case NoseShape::None:
        break;
    }
    return 0;
}

void drawNose(Canvas &canvas, const DrawStyle &style, const QString &noseShape, double noseLength,
              double bodyDiameter, double axisX, double noseTipY, double scale)
{
    // An empty or unknown name draws no nose; body and fins still follow.
    const NoseShape shape = lookupNoseShape(noseShape);
    if (bodyDiameter <= 0 || shape == NoseShape::None)
        return;
    const double L = noseLength * scale;
    const double D = bodyDiameter * scale;
    const QColor fill = toColour(style.colours.noseColour);
    const QColor grey(100, 100, 100);
    const bool picture = style.picture();
    const double sheetBottom = canvas.scaleTop() + canvas.scaleHeight();

    // Slices one canvas unit high, from the tip down to the last whole unit
    // above the body; slices below the sheet cannot show and are not drawn.
    double Y = noseTipY;
    double Xa = axisX;
    double Xb = axisX;
    QList<Canvas::Section> slices{{Y, Xa, Xb}};
    for (double i = 1; i <= L - 1 && Y <= sheetBottom; ++i) {
        const double nextY = Y + 1;
        const double r = noseHalfWidth(shape, nextY - noseTipY, L, D);
        const double nextXa = axisX - r;
        const double nextXb = axisX + r;
        if (picture) {
            slices.append({nextY, nextXa, nextXb});
        } else {
            canvas.line(Xa, Y, nextXa, nextY, grey);
            canvas.line(Xb, Y, nextXb, nextY, grey);
        }
        Xa = nextXa;
        Xb = nextXb;
        Y = nextY;
    }
    if (picture)
        canvas.filledSlices(Canvas::Slicing::Rows, slices, fill);
}

} // namespace NoseForm
