#include "drawing/outline.h"

#include "drawing/canvas.h"
#include "drawing/drawstyle.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace builder {

namespace {

const QColor kDraftGrey(100, 100, 100);

} // namespace

void drawBody(Canvas &canvas, const DrawStyle &style, const QString &rocketName, double noseLength,
              double bodyDiameter, double bodyLength, double axisX, double noseTipY, double scale)
{
    if (bodyDiameter * bodyLength == 0)
        return;
    const double L = noseLength * scale;
    const double D = bodyDiameter * scale;
    const double B = bodyLength * scale;
    const double top = noseTipY + L;
    const double bottom = top + B;

    if (!style.picture()) {
        canvas.box(axisX - D / 2, top, axisX + D / 2, bottom, kDraftGrey);
        return;
    }
    canvas.filledBox(axisX - D / 2, top, axisX + D / 2, bottom, toColour(style.colours.bodyColour));

    const CanvasStateGuard keep(canvas);
    canvas.setTextColour(toColour(style.colours.nameTextColour));
    canvas.setFontBold(true);
    canvas.setFontName(QStringLiteral("Verdana"));
    // The name reads downwards, one letter a line, each centred on the axis.
    const QList<uint> letters = rocketName.toUcs4();
    fitNameFont(canvas, D, letters.size(), B / 2);

    const double sheetBottom = canvas.scaleTop() + canvas.scaleHeight();
    QHash<char32_t, double> widths; // names repeat letters; measuring is the costly part
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const char32_t code = letters[i];
        const QString letter = QString::fromUcs4(&code, 1);
        const double y = top + 0.1 * B + (i + 1) * canvas.textHeight(letter);
        if (y > sheetBottom)
            break; // the rest of a long name falls below the sheet
        auto width = widths.constFind(code);
        if (width == widths.constEnd())
            width = widths.insert(code, canvas.textWidth(letter));
        canvas.setCurrentX(axisX - *width * 0.5);
        canvas.setCurrentY(y);
        canvas.print(letter);
    }
}

void fitNameFont(Canvas &canvas, double D, double letters, double halfBody)
{
    const QString W = QStringLiteral("W");
    const double w = D * 2 / 3;
    const double start = canvas.textWidth(W);
    if (start == w)
        return;
    // Half-point steps, at most 31 of them each way; a size the canvas refuses
    // (0 or below) simply leaves the font as it is.
    for (int step = 0; step < 31; ++step) {
        const double now = canvas.textWidth(W);
        if (start < w ? now >= w : now <= w)
            break;
        canvas.setFontSize(canvas.fontSize() + (start < w ? 0.5 : -0.5));
    }
    for (int step = 0; step < 31; ++step) {
        if (letters * canvas.textHeight(W) <= halfBody)
            break;
        canvas.setFontSize(canvas.fontSize() - 0.5);
    }
}

void drawFins(Canvas &canvas, const DrawStyle &style, double finCount, double bodyDiameter,
              double finPosition, double finSpan, double rootChord, double tipChord, double tipOffset,
              double axisX, double noseTipY, double scale)
{
    if (finSpan <= 0 || rootChord <= 0)
        return;
    const double D = bodyDiameter * scale;
    const double P = finPosition * scale;
    const double S = finSpan * scale;
    const double R = rootChord * scale;
    const double C = tipChord * scale;
    const double T = tipOffset * scale;
    const QColor fill = toColour(style.colours.finsColour);
    const double lead = noseTipY + P;

    // Three fins: one at full span on the left, the two others 120° away
    // show half their span on the right.
    const double k = finCount == 3 ? 0.5 : 1;

    // One side of the fin set; `direction` +1 draws to the right, −1 to the left.
    auto side = [&](double rootX, double span, double direction) {
        const double tipX = rootX + direction * span;
        if (!style.picture()) {
            canvas.line(rootX, lead, tipX, lead + T, kDraftGrey);
            canvas.line(tipX, lead + T, tipX, lead + T + C, kDraftGrey);
            canvas.line(tipX, lead + T + C, rootX, lead + R, kDraftGrey);
            canvas.line(rootX, lead + R, rootX, lead, kDraftGrey);
            return;
        }
        // Strips one canvas unit wide from root to tip, each from the leading
        // edge where it begins to the trailing edge where it ends; strips
        // beyond the sheet's side cannot show and are not drawn.
        const double dLE = T / span;
        const double dTE = (C + T - R) / span;
        const double sheetLeft = canvas.scaleLeft();
        const double sheetRight = sheetLeft + canvas.scaleWidth();
        double X = rootX, E = lead, F = lead + R;
        QList<Canvas::Section> strips{{X, E, F}};
        for (double i = 1; i <= span - 1; ++i) {
            if ((direction > 0 && X > sheetRight) || (direction < 0 && X < sheetLeft))
                break;
            X += direction;
            E += dLE;
            F += dTE;
            strips.append({X, E, F});
        }
        canvas.filledSlices(Canvas::Slicing::Columns, strips, fill);
    };
    side(axisX + k * D / 2, k * S, +1);
    side(axisX - D / 2, S, -1);

    if (finCount == 4 && style.picture()) {
        // The fins pointing at and away from the viewer, seen edge-on.
        const double yMin = std::min(lead, lead + T);
        const double yMax = std::max(lead + R, lead + T + C);
        canvas.filledBox(axisX, yMin, axisX, yMax, fill);
        canvas.filledBox(axisX - 0.01 * R, yMin + 0.02 * R, axisX + 0.01 * R, yMax - 0.02 * R, fill);
    }
}

} // namespace builder
