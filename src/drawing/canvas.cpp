#include "drawing/canvas.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// No sheet holds more letters on one line (even a narrow letter of the
// standing font spans a three-hundredth of the sheet's width); a longer text is
// measured and drawn as its first kMaxTextLength letters, which keeps a
// design file with an endless name from stalling every redraw.
constexpr qsizetype kMaxTextLength = 4096;

// A picture shows the sheet as the main window does on a 1280 × 1024 screen,
// whose drawing surface is some 880 pixels high: there the standing
// 8.25-point font is 11 pixels, as small as it still reads well, and a pen of
// 1 a hairline. A picture of any other height scales pens and fonts by its
// height over this one, so a thumbnail and a poster show the same sheet.
constexpr double kReferenceHeight = 880;
// A picture counts its points as a plain screen does, whatever resolution
// the image claims.
constexpr double kScreenDpi = 96;

// The window's standing font and the rocket name's font come from the
// older Windows world; map them once onto families every Debian machine has.
void registerFontSubstitutes()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

QFont standingFont()
{
    registerFontSubstitutes();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(false);
    return font;
}

bool finite(double a, double b)
{
    return std::isfinite(a) && std::isfinite(b);
}

// Liang–Barsky: clips the segment to the rectangle; false when nothing is left.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &r)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    double t0 = 0, t1 = 1;
    const double edges[4][2] = {
        {-dx, p.x() - r.left()}, {dx, r.right() - p.x()}, {-dy, p.y() - r.top()}, {dy, r.bottom() - p.y()}};
    for (const auto &e : edges) {
        const double den = e[0], num = e[1];
        if (den == 0) {
            if (num < 0)
                return false;
        } else {
            const double t = num / den;
            if (den < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    if (t0 > t1)
        return false;
    const QPointF start = p;
    p = start + QPointF(dx * t0, dy * t0);
    q = start + QPointF(dx * t1, dy * t1);
    return true;
}

} // namespace

Canvas::Canvas(QPaintDevice *device, Kind kind)
    : m_device(device)
    , m_kind(kind)
    , m_sizeFactor(kind == Kind::Picture ? std::max(1, device->height()) / kReferenceHeight : 1.0)
    , m_font(standingFont())
    , m_metrics(m_font, device)
{
    fontChanged();
    m_painter.begin(device);
    // Crisp outlines as on a plain screen; text stays smooth.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    setUserScale(0, 0, device->width(), device->height());
}

Canvas::~Canvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool Canvas::isActive() const
{
    return m_painter.isActive();
}

void Canvas::setUserScale(double x1, double y1, double x2, double y2)
{
    if (!finite(x1, y1) || !finite(x2, y2) || x1 == x2 || y1 == y2)
        return;
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    const double sx = m_device->width() / (x2 - x1);
    const double sy = m_device->height() / (y2 - y1);
    m_toDevice = QTransform(sx, 0, 0, sy, -x1 * sx, -y1 * sy);
}

void Canvas::clear()
{
    if (isActive())
        m_painter.fillRect(QRect(0, 0, m_device->width(), m_device->height()), m_background);
    m_cursorX = 0;
    m_cursorY = 0;
}

void Canvas::setLineWidth(int pixels)
{
    m_lineWidth = std::max(1, pixels);
}

int Canvas::deviceWidth(int pixels) const
{
    // Whole pixels, and never thinner than one, so that no line of a small picture vanishes.
    return m_kind == Kind::Picture ? std::max(1, qRound(pixels * m_sizeFactor)) : pixels;
}

QPen Canvas::pen(const QColor &colour) const
{
    const int width = deviceWidth(m_lineWidth);
    QPen p(colour, width, m_lineStyle == DashDot ? Qt::DashDotLine : Qt::SolidLine);
    p.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

QBrush Canvas::fillBrush() const
{
    return m_fillStyle == FillSolid ? QBrush(m_fillColour) : QBrush(Qt::NoBrush);
}

bool Canvas::nearSheet(double x, double y, double margin) const
{
    return x >= -margin && y >= -margin && x <= m_device->width() + margin
           && y <= m_device->height() + margin;
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    if (!isActive() || !finite(x1, y1) || !finite(x2, y2))
        return;
    QPointF p = toDevice(x1, y1);
    QPointF q = toDevice(x2, y2);
    const double m = deviceWidth(m_lineWidth) + 2.0;
    if (!clipSegment(p, q, QRectF(-m, -m, m_device->width() + 2 * m, m_device->height() + 2 * m)))
        return;
    m_painter.setPen(pen(colour));
    m_painter.drawLine(p, q);
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor &colour)
{
    if (!finite(x1, y1) || !finite(x2, y2))
        return; // no half a box
    line(x1, y1, x2, y1, colour);
    line(x2, y1, x2, y2, colour);
    line(x2, y2, x1, y2, colour);
    line(x1, y2, x1, y1, colour);
}

void Canvas::filledBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    if (!isActive() || !finite(x1, y1) || !finite(x2, y2))
        return;
    const QPointF a = toDevice(x1, y1);
    const QPointF b = toDevice(x2, y2);
    // Cut the box to just beyond the device: what is visible stays the same.
    const double m = deviceWidth(m_lineWidth) + 2.0;
    const double left = std::clamp(std::min(a.x(), b.x()), -m, m_device->width() + m);
    const double right = std::clamp(std::max(a.x(), b.x()), -m, m_device->width() + m);
    const double top = std::clamp(std::min(a.y(), b.y()), -m, m_device->height() + m);
    const double bottom = std::clamp(std::max(a.y(), b.y()), -m, m_device->height() + m);
    if (left == right && (left <= -m || left >= m_device->width() + m))
        return;
    if (top == bottom && (top <= -m || top >= m_device->height() + m))
        return;
    m_painter.setPen(pen(colour));
    if (left == right || top == bottom) {
        m_painter.drawLine(QPointF(left, top), QPointF(right, bottom));
        return;
    }
    m_painter.setBrush(colour);
    m_painter.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::circle(double x, double y, double r, std::optional<QColor> colour)
{
    drawRound(x, y, r, colour.value_or(m_textColour), std::nullopt);
}

void Canvas::sector(double x, double y, double r, const QColor &colour, double a1, double a2)
{
    if (!finite(a1, a2))
        return;
    drawRound(x, y, r, colour, std::make_pair(a1, a2));
}

void Canvas::drawRound(double x, double y, double r, const QColor &colour,
                       std::optional<std::pair<double, double>> angles)
{
    if (!finite(x, y) || !std::isfinite(r))
        return;
    m_cursorX = x;
    m_cursorY = y;
    const QPointF c = toDevice(x, y);
    // Round on the device, its radius measured across.
    const double radius = std::fabs(r * pixelsPerUnitX());
    if (!isActive() || radius > 1e6 || !nearSheet(c.x(), c.y(), radius + deviceWidth(m_lineWidth) + 2))
        return;
    m_painter.setPen(pen(colour));
    m_painter.setBrush(fillBrush());
    if (!angles) {
        m_painter.drawEllipse(c, radius, radius);
    } else {
        double span = angles->second - angles->first;
        if (span < 0)
            span += 2 * kPi; // from the first angle counter-clockwise round to the second
        const auto sixteenths = [](double radians) { return qRound(radians * 180 / kPi * 16); };
        m_painter.drawPie(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius),
                          sixteenths(angles->first), sixteenths(span));
    }
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::filledSlices(Slicing slicing, const QList<Section> &sections, const QColor &colour)
{
    if (!isActive() || sections.size() < 2)
        return;
    const bool rows = slicing == Slicing::Rows;
    if (std::fabs(rows ? pixelsPerUnitY() : pixelsPerUnitX()) <= 1) {
        fillSnappedSlices(rows, sections, colour);
        return;
    }
    // The corners cut to just beyond the device, as a box's are.
    const double m = deviceWidth(m_lineWidth) + 2.0;
    const auto corner = [&](double at, double across) {
        const QPointF p = rows ? toDevice(across, at) : toDevice(at, across);
        return QPointF(std::clamp(p.x(), -m, m_device->width() + m),
                       std::clamp(p.y(), -m, m_device->height() + m));
    };
    QPolygonF outline;
    outline.reserve(2 * sections.size());
    for (const Section &s : sections) {
        if (finite(s.at, s.low))
            outline << corner(s.at, s.low);
    }
    for (auto s = sections.crbegin(); s != sections.crend(); ++s) {
        if (finite(s->at, s->high))
            outline << corner(s->at, s->high);
    }
    m_painter.setPen(pen(colour));
    m_painter.setBrush(colour);
    m_painter.drawPolygon(outline);
    m_painter.setBrush(Qt::NoBrush);
}

void Canvas::fillSnappedSlices(bool rows, const QList<Section> &sections, const QColor &colour)
{
    const QTransform &t = m_toDevice;
    const auto along = [&](double v) { return rows ? v * t.m22() + t.dy() : v * t.m11() + t.dx(); };
    const auto across = [&](double v) { return rows ? v * t.m11() + t.dx() : v * t.m22() + t.dy(); };
    const double alongLimit = (rows ? m_device->height() : m_device->width()) + 2.0;
    const double acrossLimit = (rows ? m_device->width() : m_device->height()) + 2.0;
    const auto pixel = [](double v, double limit) { return int(std::floor(std::clamp(v, -2.0, limit))); };

    double first = qInf(), last = -qInf();
    for (const Section &s : sections) {
        if (std::isfinite(s.at)) {
            first = std::min(first, along(s.at));
            last = std::max(last, along(s.at));
        }
    }
    // A cut between two slices goes to the nearest pixel boundary, so that each
    // pixel row belongs to the slice over its middle and neighbours neither
    // overlap nor leave a gap; the shape's two ends and every slice's sides
    // take in their edge pixel, as a box's edges do.
    for (qsizetype i = 1; i < sections.size(); ++i) {
        const Section &a = sections[i - 1], &b = sections[i];
        if (!finite(a.at, b.at) || !finite(a.low, b.high))
            continue;
        const double lo = std::min(along(a.at), along(b.at));
        const double hi = std::max(along(a.at), along(b.at));
        const int from = pixel(lo == first ? lo : lo + 0.5, alongLimit);
        const int to = hi == last ? pixel(hi, alongLimit) + 1 : pixel(hi + 0.5, alongLimit);
        if (from >= to)
            continue; // thinner than a pixel: its neighbours cover the row
        const double x1 = across(a.low), x2 = across(b.high);
        const int side1 = pixel(std::min(x1, x2), acrossLimit);
        const int side2 = pixel(std::max(x1, x2), acrossLimit);
        m_painter.fillRect(rows ? QRect(QPoint(side1, from), QPoint(side2, to - 1))
                                : QRect(QPoint(from, side1), QPoint(to - 1, side2)),
                           colour);
    }
}

void Canvas::print(const QString &text)
{
    const double height = textHeight(text);
    if (isActive() && !text.isEmpty() && finite(m_cursorX, m_cursorY)) {
        const QPointF at = toDevice(m_cursorX, m_cursorY);
        const double deviceHeight = height * pixelsPerUnitY();
        // Text starting beyond the sheet on the right or below, or wholly
        // above it, cannot show; text reaching in from the left still may.
        // A font less than a pixel high leaves nothing to see either.
        if (at.x() <= m_device->width() && at.y() <= m_device->height() && at.y() + deviceHeight >= 0
            && at.x() > -1e7 && m_metrics.height() >= 1) {
            if (!m_drawFont) {
                m_drawFont = deviceFont();
                m_drawFont->setFamily(QFontInfo(m_font).family());
            }
            m_painter.setFont(*m_drawFont);
            m_painter.setPen(m_textColour);
            m_painter.drawText(QPointF(at.x(), at.y() + m_metrics.ascent()), text.left(kMaxTextLength));
        }
    }
    m_cursorX = m_x1;
    m_cursorY += height;
}

double Canvas::textWidth(const QString &text) const
{
    return m_metrics.horizontalAdvance(text.left(kMaxTextLength)) / pixelsPerUnitX();
}

double Canvas::textHeight(const QString &) const
{
    // One line of the current font, whatever the letters.
    return m_metrics.height() / pixelsPerUnitY();
}

void Canvas::setFontName(const QString &name)
{
    m_font.setFamily(name);
    fontChanged();
}

void Canvas::setFontSize(double points)
{
    if (!(points > 0) || !std::isfinite(points))
        return;
    m_font.setPointSizeF(points);
    fontChanged();
}

void Canvas::setFontBold(bool bold)
{
    m_font.setBold(bold);
    fontChanged();
}

QFont Canvas::deviceFont() const
{
    if (m_kind != Kind::Picture)
        return m_font;
    const int dpi = m_device->logicalDpiY();
    QFont font = m_font;
    font.setPointSizeF(m_font.pointSizeF() * m_sizeFactor * (dpi > 0 ? kScreenDpi / dpi : 1.0));
    return font;
}

void Canvas::fontChanged()
{
    m_metrics = QFontMetricsF(deviceFont(), m_device);
    m_drawFont.reset();
}

void Canvas::restore(const State &state)
{
    m_textColour = state.textColour;
    m_fillStyle = state.fillStyle;
    m_fillColour = state.fillColour;
    if (m_font != state.font) {
        m_font = state.font;
        fontChanged();
    }
}

void Canvas::endDocument()
{
    if (m_kind == Kind::Printer && m_painter.isActive())
        m_painter.end();
}
