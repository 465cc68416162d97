#include "drawing/builder.h"

#include "aero/sr_cp.h"
#include "aero/stability.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "drawing/canvas.h"
#include "drawing/drawscale.h"

#include <QGuiApplication>
#include <QPalette>

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

QColor toColour(const RgbColour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QString labelNumber(double value, bool signBlank)
{
    QString text = QString::number(value, 'g', 15).toUpper();
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (signBlank && !text.startsWith(u'-'))
        text.prepend(u' ');
    return text;
}

std::array<QString, 4> outputFieldTexts(const RocketParams &record, int accuracy)
{
    return {formatShown(roundHalfEven(record.bcpPosition, accuracy)), formatMargin(record.bcpStability),
            formatShown(roundHalfEven(record.cpcPosition, accuracy)), formatMargin(record.cpcStability)};
}

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

bool rebuild(Canvas &canvas)
{
    using namespace settings;
    RocketParams &r = rocket;
    canvas.setUserScale(0, 0, canvasWidth, canvasHeight);

    const double scale = computeDrawScale(r.noseLength, r.bodyDiameter, r.bodyLength, r.finPosition,
                                          r.finSpan, r.rootChord, r.tipChord, r.tipOffset, 1000.0);
    if (scale <= 0) {
        // Nothing to draw: the window shows how to begin, a printer gets nothing.
        if (canvas.isPicture())
            drawStartHints(canvas);
        return false;
    }

    const bool draft = viewMode == ViewMode::Draft;
    int outlineWidth = 1;
    if (canvas.isPicture()) {
        canvas.setBackgroundColour(draft ? QColor(Qt::white) : kPictureBackground);
        canvas.clear();
    }
    if (draft) {
        outlineWidth = canvas.isPicture() ? lineWidth : kPrinterLineFactor * lineWidth;
        drawDraftDimensions(canvas);
    }

    canvas.setLineWidth(1);
    canvas.setLineStyle(Canvas::DashDot);
    canvas.line(axisX, noseTipY, axisX, noseTipY + 1000.0, kAxisGrey);
    canvas.setLineStyle(Canvas::Solid);
    canvas.setLineWidth(outlineWidth);

    NoseForm::drawNose(canvas, r.noseShape, r.noseLength, r.bodyDiameter, axisX, noseTipY, scale);
    drawBody(canvas, r.noseLength, r.bodyDiameter, r.bodyLength, axisX, noseTipY, scale);
    drawFins(canvas, r.bodyDiameter, r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset, axisX,
             noseTipY, scale);
    drawCgMarker(canvas, r.cgPosition, axisX, noseTipY, scale);

    r.bcpPosition =
        SR_CP::computeBarrowmanCp(r.noseShape, r.noseLength, r.bodyDiameter, r.bodyLength, r.finCount,
                                  r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset, accuracy);
    drawBcpMarker(canvas, r.bcpPosition, axisX, noseTipY, scale);
    r.bcpStability = stabilityMargin(r.bcpPosition, r.cgPosition, r.bodyDiameter);
    const QString warning = stabilityWarning(r.bcpStability);
    if (!warning.isEmpty()) {
        canvas.setTextColour(kWarningRed);
        canvas.setCurrentX(canvas.scaleWidth() / 2 - canvas.textWidth(warning) / 2);
        canvas.setCurrentY(canvas.scaleHeight() - canvas.textHeight(QStringLiteral("L")));
        canvas.print(warning);
    }

    r.cpcPosition =
        SR_CP::computeProjectionCp(r.noseShape, r.noseLength, r.bodyDiameter, r.bodyLength, r.finCount,
                                   r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset, accuracy);
    drawCpcMarker(canvas, r.cpcPosition, axisX, noseTipY, scale);
    r.cpcStability = stabilityMargin(r.cpcPosition, r.cgPosition, r.bodyDiameter);

    if (!r.inscription.isEmpty()) {
        // The two plus signs only keep a margin on the right; they are not printed.
        canvas.setTextColour(Qt::black);
        canvas.setCurrentX(canvas.scaleWidth() - canvas.textWidth(r.inscription + QStringLiteral("++")));
        canvas.setCurrentY(canvas.scaleHeight() - 2 * canvas.textHeight(QStringLiteral("L")));
        canvas.print(r.inscription);
    }

    if (!canvas.isPicture())
        canvas.endDocument();
    return true;
}

} // namespace builder
