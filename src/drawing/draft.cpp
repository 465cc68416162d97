#include "drawing/draft.h"

#include "core/numbers.h"
#include "core/rocketparams.h"
#include "drawing/canvas.h"
#include "drawing/drawscale.h"
#include "drawing/drawstyle.h"

#include <cmath>

namespace builder {

namespace {

const QColor kDimensionGrey(210, 210, 210);

} // namespace

void drawDimensionTick(Canvas &canvas, double x, double y, const QColor &colour)
{
    canvas.line(x - 6, y + 6, x + 6, y - 6, colour);
}

void drawDraftDimensions(Canvas &canvas, const RocketParams &r, int accuracy, double axisX, double noseTipY,
                         double scale)
{
    if (!(scale > 0))
        return;
    const double s = scale;
    const double X0 = axisX;
    const double Y0 = noseTipY;
    const double sheetWidth = canvas.scaleWidth();
    const double sheetHeight = canvas.scaleHeight();

    const double Xr0 = X0 + r.bodyDiameter * s / 2;
    const double Xl0 = X0 - r.bodyDiameter * s / 2;
    const double Xr1 = Xr0 + r.finSpan * s;
    const double Xl1 = Xl0 - r.finSpan * s;
    const double Yn = Y0 + r.noseLength * s;
    const double Yb = Yn + r.bodyLength * s;
    const double Yf = Y0 + r.finPosition * s;
    const double Yr = Yf + r.rootChord * s;
    const double Yt1 = Yf + r.tipOffset * s;
    const double Yt2 = Yt1 + r.tipChord * s;
    const double Yend = Y0 + sheet::referenceLength;

    // Dimension columns, counted from the rocket outwards.
    auto right = [&](int i) { return Xr1 + i * (sheetWidth - Xr1) / 5; };
    auto left = [&](int i) { return Xl1 - i * Xl1 / 5; };
    const double bottomRow = Yend + (sheetHeight - Yend) / 3;
    const double topRow = Y0 - Y0 / 2;

    canvas.setLineStyle(Canvas::Solid);
    canvas.setLineWidth(1);
    canvas.setTextColour(Qt::black);
    const double h = canvas.textHeight(QStringLiteral("A")) / 2;

    canvas.setCurrentX(X0 - canvas.textWidth(r.rocketName) / 2);
    canvas.setCurrentY(topRow - h);
    canvas.print(r.rocketName);

    // The lowest point: the fin tip when it reaches the foot of the sheet.
    // With three fins the visible right-hand tip stands at half the span.
    double lowestX = Xr0;
    if (roundHalfEven(Yt2, 0) == Yend)
        lowestX = r.finCount == 3 ? X0 + (Xr1 - X0) / 2 : Xr1;
    canvas.line(X0, Y0, right(3), Y0, kDimensionGrey);
    canvas.line(Xr0, Yn, right(2), Yn, kDimensionGrey);
    canvas.line(Xr0, Yb, right(2), Yb, kDimensionGrey);
    canvas.line(lowestX, Yend, right(3), Yend, kDimensionGrey);

    // A vertical dimension: line, a tick at each end, the value beside its middle.
    auto vertical = [&](double column, double ya, double yz, double value) {
        canvas.line(column, ya, column, yz, kDimensionGrey);
        drawDimensionTick(canvas, column, ya, kDimensionGrey);
        drawDimensionTick(canvas, column, yz, kDimensionGrey);
        canvas.setCurrentX(column);
        canvas.setCurrentY(ya + (yz - ya) / 2 - h);
        canvas.print(labelNumber(value, true));
    };
    auto extension = [&](double x1, double y1, double x2, double y2) {
        canvas.line(x1, y1, x2, y2, kDimensionGrey);
    };
    // A value hanging below the middle of the bottom row's line from x1 to x2.
    // The blank in place of a positive number's sign is left out of the
    // centring, so that the digits stand under the middle.
    auto below = [&](double x1, double x2, double value) {
        const QString text = labelNumber(value, true);
        canvas.setCurrentX((x1 + x2) / 2 - canvas.textWidth(text) + canvas.textWidth(labelNumber(value)) / 2);
        canvas.setCurrentY(bottomRow);
        canvas.print(text);
    };

    if (r.noseLength > 0)
        vertical(right(2), Y0, Yn, r.noseLength);
    const double overall = sheet::referenceLength / s;
    if (std::trunc(overall) > 0)
        vertical(right(3), Y0, Yend, roundHalfEven(overall, accuracy));
    if (r.bodyLength > 0)
        vertical(right(2), Yn, Yb, r.bodyLength);

    if (r.rootChord > 0 && r.finSpan > 0) {
        if (r.finPosition > 0) {
            extension(X0, Y0, left(3), Y0);
            extension(Xl0, Yf, left(3), Yf);
            vertical(left(3), Y0, Yf, r.finPosition);
        }
        extension(Xl0, Yf, left(3), Yf);
        extension(Xl0, Yr, left(3), Yr);
        vertical(left(3), Yf, Yr, r.rootChord);
        if (r.tipChord > 0) {
            extension(Xl1, Yt1, left(1), Yt1);
            extension(Xl1, Yt2, left(1), Yt2);
            vertical(left(1), Yt1, Yt2, r.tipChord);
        }
        if (r.tipOffset != 0) {
            extension(Xl1, Yf, left(2), Yf);
            extension(Xl1, Yt1, left(2), Yt1);
            vertical(left(2), Yf, Yt1, std::fabs(r.tipOffset));
        }

        // Span across the bottom row, its value hanging below the line.
        extension(Xl1, Yt2, Xl1, bottomRow);
        extension(Xl0, Yr, Xl0, bottomRow);
        canvas.line(Xl1, bottomRow, Xl0, bottomRow, kDimensionGrey);
        drawDimensionTick(canvas, Xl1, bottomRow, kDimensionGrey);
        drawDimensionTick(canvas, Xl0, bottomRow, kDimensionGrey);
        below(Xl1, Xl0, r.finSpan);
    }

    if (r.bodyDiameter > 0) {
        canvas.line(Xl0, bottomRow, Xr0, bottomRow, kDimensionGrey);
        extension(Xl0, Yb, Xl0, bottomRow);
        extension(Xr0, Yb, Xr0, bottomRow);
        drawDimensionTick(canvas, Xl0, bottomRow, kDimensionGrey);
        drawDimensionTick(canvas, Xr0, bottomRow, kDimensionGrey);
        below(Xl0, Xr0, r.bodyDiameter);
    }
}

} // namespace builder
