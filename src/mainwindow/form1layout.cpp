#include "mainwindow/form1layout.h"

#include "drawing/drawscale.h"

#include <algorithm>
#include <cmath>

namespace {

QRect rect(double x, double y, double w, double h)
{
    return QRect(qRound(x), qRound(y), std::max(1, qRound(w)), std::max(1, qRound(h)));
}

} // namespace

Form1Layout layoutForm1(int windowWidth, int innerHeight)
{
    Form1Layout layout;
    const double surfaceHeight = 0.98 * innerHeight;
    const double surfaceWidth = surfaceHeight * sheet::canvasWidth / sheet::canvasHeight;
    const double surfaceLeft = (windowWidth - surfaceWidth) * 0.98;
    const double surfaceTop = 0.01 * innerHeight;
    layout.picture =
        QRect(qRound(surfaceLeft), qRound(surfaceTop), qRound(surfaceWidth), qRound(surfaceHeight));

    const double pitch = surfaceHeight / kCaptionCount;
    const double m = 0.01 * innerHeight;
    const double strip = surfaceLeft - m;
    const double W = 2.0 / 3.0 * strip;
    const double fieldHeight = 0.9 * pitch;
    const double fieldWidth = W / 2 - 2 * m;
    const double fieldLeft = m + W;
    const double swatchWidth = 1.5 * fieldHeight;
    layout.fieldHeight = fieldHeight;
    layout.captionWidth = W;

    for (int row = 0; row < kCaptionCount; ++row) {
        const int i = kRowOrder[row];
        const double top = surfaceTop + row * pitch;
        if (i == fieldRocketName) {
            // The name gets a wide field, with the swatch of its colour on the body beside it.
            const double labelWidth = strip - W - swatchWidth - 2 * m;
            layout.captions[i] = rect(m, top, labelWidth, fieldHeight);
            layout.fields[i] = rect(m + labelWidth, top, W - 2 * m, fieldHeight);
            layout.swatches[2] = rect(m + labelWidth + W - m, top, swatchWidth, fieldHeight);
        } else if (i == fieldNoseShape) {
            // Shape names are long: the field reaches into the caption column,
            // the drop-down's arrow closes the row.
            const double arrow = fieldHeight;
            layout.captions[i] = rect(m, top, W / 2, fieldHeight);
            layout.fields[i] = rect(m + W / 2, top, W / 2 + fieldWidth - arrow, fieldHeight);
            layout.combo = rect(fieldLeft + fieldWidth - arrow, top, arrow, fieldHeight);
        } else if (i < kFieldCount) {
            layout.captions[i] = rect(m, top, W, fieldHeight);
            layout.fields[i] = rect(fieldLeft, top, fieldWidth, fieldHeight);
        } else {
            layout.captions[i] = rect(m, top, i == kCaptionCount - 1 ? strip - 2 * m : W, fieldHeight);
        }
    }
    // The swatches of nose, body and fins stand in the rows of their headings.
    const double headingRow[] = {1, 4, 0, 7};
    for (int s : {0, 1, 3})
        layout.swatches[s] = rect(fieldLeft, surfaceTop + headingRow[s] * pitch, swatchWidth, fieldHeight);
    return layout;
}
