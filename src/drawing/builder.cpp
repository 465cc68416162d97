#include "drawing/builder.h"

#include "drawing/canvas.h"
#include "drawing/draft.h"
#include "drawing/drawscale.h"
#include "drawing/drawstyle.h"
#include "drawing/markers.h"
#include "drawing/noseform.h"
#include "drawing/outline.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace builder {

namespace {

// Both languages at once: the user may not have found the language menu yet.
const char16_t *const kStartHints[] = {
    u"ВЫБЕРИТЕ НУЖНЫЙ ЯЗЫК В МЕНЮ \"Вид/View\"",   u"ВВЕДИТЕ ПАРАМЕТРЫ РАКЕТЫ В БЕЛЫЕ ПОЛЯ",        u"",
    u"SELECT YOUR LANGUAGE IN \"Вид/View\" MENUE", u"INPUT YOUR ROCKET PARAMETERS IN WHITE FIELDS",
};

const QColor kAxisGrey(210, 210, 210);
const QColor kPictureBackground(230, 240, 255);
const QColor kWarningRed(255, 0, 0);

// Drafts on paper need a heavier line than on screen to read the same.
constexpr int kPrinterLineFactor = 5;

QColor buttonFace()
{
    return qGuiApp ? QGuiApplication::palette().color(QPalette::Button) : QColor(240, 240, 240);
}

} // namespace

void drawStartHints(Canvas &canvas)
{
    canvas.setBackgroundColour(buttonFace());
    canvas.clear();
    const double x = canvas.scaleWidth() / 2 - canvas.textWidth(QString::fromUtf16(kStartHints[0])) / 2;
    canvas.setCurrentY(canvas.scaleHeight() / 2);
    for (const char16_t *line : kStartHints) {
        canvas.setCurrentX(x);
        canvas.print(QString::fromUtf16(line));
    }
}

Evaluation rebuild(Canvas &canvas, const RocketParams &r, const DrawStyle &style)
{
    using namespace sheet;
    canvas.setUserScale(0, 0, canvasWidth, canvasHeight);

    const Evaluation result = evaluateDesign(r, style.view.accuracy);
    const double scale = result.drawScale;
    if (!result.drawable()) {
        // Nothing to draw: the window shows how to begin, a printer gets nothing.
        if (canvas.isPicture())
            drawStartHints(canvas);
        return result;
    }

    const bool draft = !style.picture();
    int outlineWidth = 1;
    if (canvas.isPicture()) {
        canvas.setBackgroundColour(draft ? QColor(Qt::white) : kPictureBackground);
        canvas.clear();
    }
    if (draft) {
        const int lineWidth = style.view.lineWidth;
        outlineWidth = canvas.isPicture() ? lineWidth : kPrinterLineFactor * lineWidth;
        drawDraftDimensions(canvas, r, style.view.accuracy, axisX, noseTipY, scale);
    }

    canvas.setLineWidth(1);
    canvas.setLineStyle(Canvas::DashDot);
    canvas.line(axisX, noseTipY, axisX, noseTipY + referenceLength, kAxisGrey);
    canvas.setLineStyle(Canvas::Solid);
    canvas.setLineWidth(outlineWidth);

    NoseForm::drawNose(canvas, style, r.noseShape, r.noseLength, r.bodyDiameter, axisX, noseTipY, scale);
    drawBody(canvas, style, r.rocketName, r.noseLength, r.bodyDiameter, r.bodyLength, axisX, noseTipY, scale);
    drawFins(canvas, style, r.finCount, r.bodyDiameter, r.finPosition, r.finSpan, r.rootChord, r.tipChord,
             r.tipOffset, axisX, noseTipY, scale);
    drawCgMarker(canvas, style, r.cgPosition, r.bodyDiameter, axisX, noseTipY, scale);

    drawBcpMarker(canvas, style, result.bcpPosition, r.cgPosition, r.bodyDiameter, axisX, noseTipY, scale);
    // A foot line wider than the sheet starts at its left edge and is cut at
    // the right, so that it reads from its beginning.
    const auto footX = [&](double x) { return std::max(canvas.scaleLeft(), x); };
    if (!result.warning.isEmpty()) {
        canvas.setTextColour(kWarningRed);
        canvas.setCurrentX(footX(canvas.scaleWidth() / 2 - canvas.textWidth(result.warning) / 2));
        canvas.setCurrentY(canvas.scaleHeight() - canvas.textHeight(QStringLiteral("L")));
        canvas.print(result.warning);
    }
    drawCpcMarker(canvas, style, result.cpcPosition, r.bodyDiameter, axisX, noseTipY, scale);

    if (!r.inscription.isEmpty()) {
        // The two plus signs only keep a margin on the right; they are not printed.
        canvas.setTextColour(Qt::black);
        canvas.setCurrentX(
            footX(canvas.scaleWidth() - canvas.textWidth(r.inscription + QStringLiteral("++"))));
        canvas.setCurrentY(canvas.scaleHeight() - 2 * canvas.textHeight(QStringLiteral("L")));
        canvas.print(r.inscription);
    }

    if (!canvas.isPicture())
        canvas.endDocument();
    return result;
}

} // namespace builder
