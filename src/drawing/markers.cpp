#include "drawing/markers.h"

#include "drawing/canvas.h"
#include "drawing/drawstyle.h"

#include <QGuiApplication>
#include <QPalette>

namespace builder {

namespace {

struct Stem {
    const char16_t *russian;
    const char16_t *english;
};

constexpr Stem kCgStem{u"цт", u"cg"};
constexpr Stem kBcpStem{u"цдб", u"bcp"};
constexpr Stem kCpcStem{u"цап", u"cpc"};

QString stemText(const Stem &stem, Language language)
{
    return QString::fromUtf16(language == Language::English ? stem.english : stem.russian);
}

// "цт[350]": the stem in the interface language, the position as stored.
QString label(const Stem &stem, Language language, double position)
{
    return stemText(stem, language) + u'[' + labelNumber(position) + u']';
}

// The ring does not grow with the rocket: a fiftieth of the axis X.
double ringRadius(double axisX)
{
    return axisX / 50;
}

// Both centres of pressure: a filled dot inside a ring, drawn in `colour`
// (or, without one, in the text colour). Fill style and colour are kept.
void drawDotInRing(Canvas &canvas, double Xc, double Yc, double r, std::optional<QColor> colour)
{
    canvas.setLineWidth(1);
    {
        const CanvasStateGuard keep(canvas);
        canvas.setFillStyle(Canvas::FillSolid);
        canvas.setFillColour(colour.value_or(canvas.textColour()));
        canvas.circle(Xc, Yc, r / 4, colour);
    }
    canvas.circle(Xc, Yc, r, colour);
}

QColor windowBackground()
{
    return qGuiApp ? QGuiApplication::palette().color(QPalette::Base) : QColor(Qt::white);
}

} // namespace

void drawCgMarker(Canvas &canvas, const DrawStyle &style, double cgPosition, double bodyDiameter,
                  double axisX, double noseTipY, double scale)
{
    if (cgPosition <= 0)
        return;
    const RgbColour body = style.colours.bodyColour;
    QColor colour(0, 0, 0);
    // A black marker would vanish on a dark body.
    if (style.picture() && body.red + body.green + body.blue < 200)
        colour = windowBackground();

    const double Xc = axisX;
    const double Yc = noseTipY + cgPosition * scale;
    const double r = ringRadius(axisX);

    canvas.setLineWidth(1);
    canvas.line(Xc - r, Yc, Xc + r, Yc, colour);
    canvas.line(Xc, Yc - r, Xc, Yc + r, colour);
    canvas.circle(Xc, Yc, r, colour);
    {
        const CanvasStateGuard keep(canvas);
        canvas.setFillStyle(Canvas::FillSolid);
        canvas.setFillColour(colour);
        // Upper-right and lower-left quarters; the first starts just past 0 so
        // that its starting radius is drawn too.
        canvas.sector(Xc, Yc, r, colour, 0.01, 1.57);
        canvas.sector(Xc, Yc, r, colour, 3.14, 4.71);
    }

    const double halfBody = bodyDiameter * 0.5 * scale;
    canvas.setCurrentX(Xc + halfBody + canvas.textWidth(QStringLiteral("+")));
    canvas.setCurrentY(Yc - r - canvas.textHeight(stemText(kCgStem, Language::Russian)) / 2);
    if (!style.picture())
        canvas.print(label(kCgStem, style.view.language, cgPosition));
}

void drawBcpMarker(Canvas &canvas, const DrawStyle &style, double bcpPosition, double cgPosition,
                   double bodyDiameter, double axisX, double noseTipY, double scale)
{
    if (bcpPosition <= 0)
        return;
    const RgbColour body = style.colours.bodyColour;
    QColor colour(0, 0, 192);
    if (style.picture() && body.red + body.green < 100)
        colour = QColor(0, 192, 192);

    const double Xc = axisX;
    const double Yc = noseTipY + bcpPosition * scale;
    drawDotInRing(canvas, Xc, Yc, ringRadius(axisX), colour);

    // Right of the body, past where a centre-of-gravity label would end, so
    // the two never run into each other when the centres are close. Measured
    // on the Russian stem in both languages.
    const double halfBody = bodyDiameter * 0.5 * scale;
    const QString cgLabel = label(kCgStem, Language::Russian, cgPosition) + QStringLiteral("++");
    canvas.setCurrentX(Xc + halfBody + canvas.textWidth(cgLabel));
    canvas.setCurrentY(Yc - canvas.textHeight(stemText(kBcpStem, Language::Russian)) / 2);
    if (!style.picture())
        canvas.print(label(kBcpStem, style.view.language, bcpPosition));
}

void drawCpcMarker(Canvas &canvas, const DrawStyle &style, double cpcPosition, double bodyDiameter,
                   double axisX, double noseTipY, double scale)
{
    if (cpcPosition <= 0)
        return;
    // The purple stays the text colour afterwards; the rebuild sets its own
    // colour before it prints anything else.
    canvas.setTextColour(QColor(192, 0, 192));

    const double Xc = axisX;
    const double Yc = noseTipY + cpcPosition * scale;
    drawDotInRing(canvas, Xc, Yc, ringRadius(axisX), std::nullopt);

    // Left of the body, ending one plus sign's width from it.
    const double halfBody = bodyDiameter * 0.5 * scale;
    canvas.setCurrentX(
        Xc - halfBody
        - canvas.textWidth(label(kCpcStem, Language::Russian, cpcPosition) + QStringLiteral("+")));
    canvas.setCurrentY(Yc - canvas.textHeight(stemText(kCpcStem, Language::Russian)) / 2);
    if (!style.picture())
        canvas.print(label(kCpcStem, style.view.language, cpcPosition));
}

} // namespace builder
