// Faults a rocketeer would notice, which this suite must catch: a nose profile of the wrong shape (each
// of the four) or drawn without a shape; the body at the wrong place or size; the three-fin
// foreshortening or the four-fin edge-on strip lost; the fin sweep or tip chord wrong; the name not
// fitted into half the body or two thirds of its diameter; a marker in the wrong colour (the dark-body
// thresholds), place or size; a marker label with the wrong text, language or place, or shown in the
// picture; a dimension in the wrong column, with the wrong value or label place, or drawn where it
// belongs left out; the title misplaced; the warning at the wrong margin or place; the inscription
// misplaced; the start hints missing; the wrong drawing scale (candidate, tip chord rounding); the
// printer's draft line factor lost; output fields wrongly rounded; the canvas's user scale, its pen
// width in device pixels, clipping, non-finite input reaching the painter; a hostile design hanging or
// giving NaN.

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/hostiledesign.h"
#include "drawing/picturesurface.h"
#include "testkit.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPalette>
#include <QTextItem>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(RgbColour)

namespace {

constexpr double kPx = 2.475, X0 = settings::axisX, kRing = 8.4848; // pixels a canvas unit; X0 / 50
const QColor kNose(200, 120, 0), kBody(60, 160, 60), kName(250, 250, 0), kFins(0, 120, 220), kBlack(0, 0, 0);
const QColor kOutline(100, 100, 100), kDimension(210, 210, 210), kPurple(192, 0, 192), kRed(255, 0, 0);

template <typename... T, typename... Names>
std::tuple<T...> fetch(Names... names) // the current row's values of the named columns
{
    return {*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// Corners (x1, y1) and (x2, y2), x counted from the axis; a line runs from the one to the other.
QRectF at(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(X0 + x1, y1), QPointF(X0 + x2, y2));
}

// What the canvas painted, in canvas units; a text's box is its line. No pen, no fill: invalid.
struct Mark {
    QRectF at;
    QColor pen, fill;
    double width;
    Qt::PenStyle style;
    QString text;
    QFont font;
};

// A page of 2100 × 2970 pixels that keeps what is painted instead of pixels. At 240 dpi text stands
// to it as to the window's 1200 pixels at 96 dpi.
class Page : public QPaintDevice, public QPaintEngine
{
  public:
    QList<Mark> marks;

    Page()
        : QPaintEngine(AllFeatures)
    {
    }
    QPaintEngine *paintEngine() const override { return const_cast<Page *>(this); }
    int metric(PaintDeviceMetric m) const override
    {
        return m == PdmWidth ? 2100 : m == PdmHeight ? 2970 : m >= PdmDpiX && m <= PdmPhysicalDpiY ? 240 : 1;
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawLines(const QLineF *l, int n) override
    {
        std::for_each(l, l + n, [this](auto &x) { line(x); });
    }
    void drawRects(const QRectF *r, int n) override
    {
        std::for_each(r, r + n, [this](auto &x) { add(x); });
    }
    void drawEllipse(const QRectF &r) override { add(r); }
    void drawPath(const QPainterPath &path) override { add(path.boundingRect()); }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QFontMetricsF metrics(item.font(), this);
        const QRectF box(p.x(), p.y() - metrics.ascent(), item.width(), metrics.height());
        // A print arrives in one piece per script (Cyrillic, Latin): join them again.
        Mark *last = marks.isEmpty() || marks.last().text.isEmpty() ? nullptr : &marks.last();
        if (last && last->at.topRight() * kPx == box.topLeft())
            return last->text.append(item.text()), last->at.setRight(box.right() / kPx);
        add(box, false, item.text(), item.font());
    }
    void line(const QLineF &x) { add(QRectF(x.p1(), x.p2()), false); }
    void add(const QRectF &r, bool filled = true, const QString &text = {}, const QFont &font = {})
    {
        const QPen pen = painter()->pen();
        const QBrush brush = filled ? painter()->brush() : Qt::NoBrush;
        marks.append({QRectF(r.topLeft() / kPx, r.bottomRight() / kPx), pen.style() ? pen.color() : QColor(),
                      brush.style() ? brush.color() : QColor(), pen.widthF(), pen.style(), text, font});
    }
};

bool near(const QRectF &a, const QRectF &b) // either way round for a line
{
    const auto close = [](QPointF p, QPointF q) { return (p - q).manhattanLength() < 0.02; };
    return (close(a.topLeft(), b.topLeft()) && close(a.bottomRight(), b.bottomRight()))
           || (close(a.topLeft(), b.bottomRight()) && close(a.bottomRight(), b.topLeft()));
}

bool startsAt(const Mark *m, double x, double y)
{
    return m && (m->at.topLeft() - QPointF(x, y)).manhattanLength() < 0.02;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Page page;
    bool sent = false; // the page left the printer within the rebuild

    bool render(bool printer = false)
    {
        page.marks.clear();
        Canvas canvas(&page, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        const bool drawn = builder::rebuild(canvas);
        sent = !canvas.isActive();
        return drawn;
    }
    QList<Mark> of(const QColor &pen, bool texts = false) const
    {
        QList<Mark> found;
        for (const Mark &m : page.marks)
            if (m.pen == pen && m.text.isEmpty() != texts)
                found.append(m);
        return found;
    }
    const Mark *find(const std::function<bool(const Mark &)> &match) const
    {
        const auto it = std::find_if(page.marks.begin(), page.marks.end(), match);
        return it == page.marks.end() ? nullptr : &*it;
    }
    bool has(const QRectF &at, const QColor &pen, const QColor &fill = QColor()) const
    {
        return find([&](const Mark &m) { return m.pen == pen && m.fill == fill && near(m.at, at); });
    }
    const Mark *text(const QString &text, const QColor &pen = kBlack) const
    {
        return find([&](const Mark &m) { return !text.isEmpty() && m.text == text && m.pen == pen; });
    }
    double advance(const Mark *m, const QString &text) // in the font of a printed mark
    {
        return m ? QFontMetricsF(m->font, &page).horizontalAdvance(text) / kPx : 0;
    }

  private slots:
    // Cone 100, body 40 × 400, three fins at 440: span 30, root 60, tip 30 set back 20; centre of
    // gravity at 250. The body's tail and the root's end lie 500 mm back, the tip's end 490, so the
    // scale is 2: nose rows 100-300, body rows 300-1100 at ± 40 from the axis, root chord rows
    // 980-1100, tip chord rows 1020-1080, centre of gravity row 600.
    void init()
    {
        settings::reset();
        settings::rocket = {
            u"PATHFINDER-ONE"_s, u"cone"_s, 100, 40, 400, 3, 440, 30, 60, 30, 20, 250, 0, {}, 0, {}, {}};
        settings::colours = {{200, 120, 0}, {60, 160, 60}, {250, 250, 0}, {0, 120, 220}};
    }

    void outline_data()
    {
        // How many marks of a colour lie at a place (anywhere: a null place). Nose: L = 200, D = 80 and
        // slices a unit high, each from the left edge at its top to the right edge at its foot. At rows
        // 199 and 200 (t = 99, 100) the half-width of the cone is 80t/400: 19.8, 20; of the parabola
        // 80t/200 − 80t²/80000: 29.799, 30; of the ogive √(520² − (t − 200)²) − 480 (rho = (200² + 40²)
        // / 80 = 520): 30.097, 30.294; of the ellipsoid 40·√(1 − (t/200 − 1)²): 34.525, 34.641.
        columns<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen", "at", "n");
        row("cone: 199 slices, down to a unit above the body", "cone", 3.0, 20.0, kNose, QRectF(), 199);
        row("cone", "cone", 3.0, 20.0, kNose, at(-19.8, 199, 20, 200), 1);
        row("parabola", "parabolic", 3.0, 20.0, kNose, at(-29.799, 199, 30, 200), 1);
        row("ogive", "ogive", 3.0, 20.0, kNose, at(-30.097, 199, 30.294, 200), 1);
        row("ellipsoid", "ellipsoid", 3.0, 20.0, kNose, at(-34.525, 199, 34.641, 200), 1);
        row("no shape, no nose", "", 3.0, 20.0, kNose, QRectF(), 0);
        row("the body, with no shape too", "", 3.0, 20.0, kBody, at(-40, 300, 40, 1100), 1);
        // Fins: the lead at row 980, R = 120, C = 60, T = 2·offset. A side W units wide ends in strip
        // W − 1, its top W − 2 steps of T/W down, its foot W − 1 steps of (C + T − R)/W. Half the span on
        // the right with three fins: 20 to 49 out, top 980 + 28·40/30, foot 1100 − 29·20/30; else 40 to
        // 99, top 980 + 58·40/60, foot 1100 − 59·20/60. Four fins add a line on the axis and a bar 0.01·R
        // either side, from the earlier lead to the later trailing end, the bar 0.02·R shorter each end.
        row("three fins: right foreshortened", "cone", 3.0, 20.0, kFins, at(48, 1017.333, 49, 1080.667), 1);
        row("three fins: left at full span", "cone", 3.0, 20.0, kFins, at(-99, 1018.667, -98, 1080.333), 1);
        row("three fins: nothing edge-on", "cone", 3.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        row("two fins: right at full span", "cone", 2.0, 20.0, kFins, at(98, 1018.667, 99, 1080.333), 1);
        row("four fins: the edge-on bar", "cone", 4.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 1);
        row("five fins: nothing edge-on", "cone", 5.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        // Swept forward, T = −40: top 980 − 58·40/60, foot 1100 − 59·100/60; the tip's lead at 940.
        row("swept forward: left side", "cone", 4.0, -20.0, kFins, at(-99, 941.333, -98, 1001.667), 1);
        row("swept forward: the edge-on line", "cone", 4.0, -20.0, kFins, at(0, 940, 0, 1100), 1);
        // The centre of gravity at row 600: its cross and lower-left quarter (ring and upper right: markers).
        row("centre of gravity: across", "cone", 3.0, 20.0, kBlack, at(-kRing, 600, kRing, 600), 1);
        row("centre of gravity: down", "cone", 3.0, 20.0, kBlack, at(0, 591.515, 0, 608.485), 1);
        row("centre of gravity: lower left", "cone", 3.0, 20.0, kBlack, at(-kRing, 600, 0, 608.485), 1);
    }
    void outline()
    {
        const auto [shape, fins, offset, pen, place, n] =
            fetch<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen", "at", "n");
        RocketParams &r = settings::rocket;
        std::tie(r.noseShape, r.finCount, r.tipOffset) = std::tuple(shape, fins, offset);
        render();
        const QList<Mark> marks = of(pen);
        QCOMPARE(std::count_if(marks.begin(), marks.end(),
                               [p = place](auto &m) { return p.isNull() || near(m.at, p); }),
                 n);
    }

    void nameFits_data()
    {
        // Half the body is 400 units; the font starts at 8.25 points and moves in half points.
        columns<QString, double>("name", "diameter");
        row("fourteen letters shrink into half the body", "PATHFINDER-ONE", 40.0);
        row("W grows to two thirds of a 20 mm body", "W", 20.0);
        row("W shrinks to two thirds of a 5 mm body", "W", 5.0);
    }
    void nameFits()
    {
        const auto [name, diameter] = fetch<QString, double>("name", "diameter");
        std::tie(settings::rocket.rocketName, settings::rocket.bodyDiameter) = std::tuple(name, diameter);
        render();
        // Bold, one letter a line centred on the axis, the first a line below a tenth of the body.
        const QList<Mark> letters = of(kName, true);
        QCOMPARE(letters.size(), name.size());
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const Mark &m = letters[i];
            QVERIFY(m.text == name[i] && m.font.bold()
                    && startsAt(&m, X0 - m.at.width() / 2, 380 + (i + 1) * m.at.height()));
        }
        // The size stops at the first half-point step that meets the rule.
        const bool byHeight = name.size() > 1;
        const auto measured = [&, n = name.size()](double step) {
            QFont font = letters[0].font;
            font.setPointSizeF(font.pointSizeF() + step);
            const QFontMetricsF metrics(font, &page);
            return (byHeight ? n * metrics.height() : metrics.horizontalAdvance(u'W')) / kPx;
        };
        const double goal = byHeight ? 400 : diameter * 2 * 2 / 3;
        QVERIFY((byHeight ? measured(0) <= goal : measured(-0.5) < goal) && goal < measured(0.5));
    }

    void markers_data()
    {
        columns<RgbColour, bool, int, double, QColor, QColor, QString>("body", "draft", "language", "cg",
                                                                       "cgPen", "bcpPen", "labels");
        const QColor bg = QGuiApplication::palette().color(QPalette::Base), blue(0, 0, 192),
                     cyan(0, 192, 192);
        row("light body, no labels", RgbColour{60, 160, 60}, false, 0, 250.0, kBlack, blue, "");
        row("sum 190, red + green 90", RgbColour{60, 30, 100}, false, 1, 250.0, bg, cyan, "");
        row("sum 190, red + green 170", RgbColour{150, 20, 20}, false, 0, 250.0, bg, blue, "");
        row("sum 200, red + green 100", RgbColour{100, 0, 100}, false, 0, 250.0, kBlack, blue, "");
        row("Russian draft, black body", RgbColour{0, 0, 0}, true, 0, 250.0, kBlack, blue, "цт[250]|цдб|цап");
        row("English draft, a tenth", RgbColour{0, 0, 0}, true, 1, 250.5, kBlack, blue, "cg[250.5]|bcp|cpc");
        row("a third language, no labels", RgbColour{0, 0, 0}, true, 2, 250.0, kBlack, blue, "");
    }
    void markers()
    {
        const auto [body, draft, language, cg, cgPen, bcpPen, labels] =
            fetch<RgbColour, bool, int, double, QColor, QColor, QString>("body", "draft", "language", "cg",
                                                                         "cgPen", "bcpPen", "labels");
        settings::colours.bodyColour = body;
        settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        std::tie(settings::language, settings::rocket.cgPosition) = std::tuple(language, cg);
        render();
        // Ring and a filled quarter of the centre of gravity; both centres of pressure a dot of a
        // quarter of the ring's radius inside the ring.
        const RocketParams &r = settings::rocket;
        const double y = 100 + 2 * cg, bcpY = 100 + 2 * r.bcpPosition, cpcY = 100 + 2 * r.cpcPosition,
                     q = kRing / 4;
        QVERIFY(has(at(-kRing, y - kRing, kRing, y + kRing), cgPen)
                && has(at(0, y - kRing, kRing, y), cgPen, cgPen));
        QVERIFY(r.bcpPosition != r.cpcPosition && has(at(-q, bcpY - q, q, bcpY + q), bcpPen, bcpPen)
                && has(at(-kRing, bcpY - kRing, kRing, bcpY + kRing), bcpPen)
                && has(at(-q, cpcY - q, q, cpcY + q), kPurple, kPurple)
                && has(at(-kRing, cpcY - kRing, kRing, cpcY + kRing), kPurple));
        QCOMPARE(bool(find([](const Mark &m) { return m.text.contains(u'['); })), !labels.isEmpty());
        // Right of the body a plus sign away, the label's middle level with the top of the ring;
        // further right past a Russian centre-of-gravity label and two plus signs; left of the body,
        // ending a plus sign short of it, measured on the Russian stem; each level with its dot.
        const QStringList stem = labels.split(u'|');
        const QString bcp = QString::number(r.bcpPosition), cpc = QString::number(r.cpcPosition);
        const Mark *cgMark = text(stem[0]), *bcpMark = text(stem.value(1) + u'[' + bcp + u']');
        const Mark *cpcMark = text(stem.value(2) + u'[' + cpc + u']', kPurple);
        const double h = cgMark ? cgMark->at.height() / 2 : 0;
        const double bcpX = X0 + 40 + advance(cgMark, u"цт["_s + QString::number(cg) + u"]++"_s);
        QVERIFY(labels.isEmpty() || startsAt(cgMark, X0 + 40 + advance(cgMark, u"+"_s), y - kRing - h));
        QVERIFY(labels.isEmpty() || startsAt(bcpMark, bcpX, bcpY - h));
        QVERIFY(labels.isEmpty()
                || startsAt(cpcMark, X0 - 40 - advance(cgMark, u"цап["_s + cpc + u"]+"_s), cpcY - h));
    }

    void draftLines_data()
    {
        // From the axis: body edges at ± 40, fin tip lines at ± 100, and a fifth of the 324.24 units
        // from there to the sheet's edge apart the dimension columns at ± 164.85, ± 229.70, ± 294.55;
        // the bottom row a third of the way from 1100 to 1200.
        columns<QColor, QRectF, QString>("pen", "line", "value");
        row("nose length, right column 2", kDimension, at(229.70, 100, 229.70, 300), " 100");
        row("body length, right column 2", kDimension, at(229.70, 300, 229.70, 1100), " 400");
        row("overall length, right column 3", kDimension, at(294.55, 100, 294.55, 1100), " 500");
        row("fin position, left column 3", kDimension, at(-294.55, 100, -294.55, 980), " 440");
        row("root chord, left column 3", kDimension, at(-294.55, 980, -294.55, 1100), " 60");
        row("tip chord, left column 1", kDimension, at(-164.85, 1020, -164.85, 1080), " 30");
        row("tip offset, left column 2", kDimension, at(-229.70, 980, -229.70, 1020), " 20");
        row("span, bottom row", kDimension, at(-100, 1133.33, -40, 1133.33), " 30");
        row("diameter, bottom row", kDimension, at(-40, 1133.33, 40, 1133.33), " 40");
        row("nose's end to right column 2", kDimension, at(40, 300, 229.70, 300), "");
        row("tip's lead to left column 2", kDimension, at(-100, 1020, -229.70, 1020), "");
        row("tip's end to the bottom row", kDimension, at(-100, 1080, -100, 1133.33), "");
        row("outline: nose at row 200, 19.8 and 20 out", kOutline, at(-19.8, 199, -20, 200), "");
        row("outline: the body's left edge", kOutline, at(-40, 300, -40, 1100), "");
        row("outline: right tip chord at half span", kOutline, at(50, 1020, 50, 1080), "");
        row("outline: right trailing edge", kOutline, at(50, 1080, 20, 1100), "");
    }
    void draftLines()
    {
        const auto [pen, line, value] = fetch<QColor, QRectF, QString>("pen", "line", "value");
        settings::viewMode = ViewMode::Draft;
        render();
        QVERIFY(has(line, pen));
        // A 45° tick 12 units across at each end, whatever the scale; the value beside the middle of a
        // vertical line, hanging centred below a horizontal one.
        bool found = value.isEmpty();
        for (const QPointF &end : {line.topLeft(), line.bottomRight()})
            QVERIFY(found || has(QRectF(end + QPointF(-6, 6), end + QPointF(6, -6)), kDimension));
        for (const Mark &m : of(kBlack, true))
            found |= m.text == value
                     && (line.width() == 0 ? startsAt(&m, line.x(), line.center().y() - m.at.height() / 2)
                                           : startsAt(&m, line.center().x() - m.at.width() / 2, line.y()));
        QVERIFY(found);
    }

    void draftTexts_data()
    {
        // The values in drawing order: nose, overall, body, fin position, root, tip, offset, span,
        // diameter. The overall length is 1000 units over the scale, its longest candidate counting the
        // tip chord in whole millimetres. The foot line starts at the body's edge, 20 mm out, ...
        // Fins: count, position, span, offset, tip.
        columns<QList<double>, QString, double>("fins", "texts", "foot");
        row("all", QList<double>{3, 440, 30, 20, 30}, " 100 500 400 440 60 30 20 30 40", 40.0);
        row("root furthest back", QList<double>{3, 460, 30, 20, 30}, " 100 520 400 460 60 30 20 30 40",
            38.46);
        row("no fin position", QList<double>{3, 0, 30, 20, 30}, " 100 500 400 60 30 20 30 40", 40.0);
        row("no span, no fins", QList<double>{3, 440, 0, 20, 30}, " 100 500 400 40", 40.0);
        row("swept forward", QList<double>{3, 440, 30, -10, 30}, " 100 500 400 440 60 30 10 30 40", 40.0);
        // ... unless the tip's end, 540 mm back, is the lowest point, at row 100 + 540·1000/540: then
        // at the visible tip, 50 mm out, halved for three fins: 46.30 or 92.59.
        row("tip lowest, three fins", QList<double>{3, 440, 30, 70, 30}, " 100 540 400 440 60 30 70 30 40",
            46.30);
        row("tip lowest, four fins", QList<double>{4, 440, 30, 70, 30}, " 100 540 400 440 60 30 70 30 40",
            92.59);
        // The tip's end at row 100 + 540.5·1000/540 = 1100.9, or 100 + 541.5·1000/542 = 1099.1.
        row("tip 30.5 counts as 30", QList<double>{3, 440, 30, 70, 30.5}, " 100 540 400 440 60 30.5 70 30 40",
            37.04);
        row("tip 31.5 counts as 32", QList<double>{3, 440, 30, 70, 31.5}, " 100 542 400 440 60 31.5 70 30 40",
            36.90);
    }
    void draftTexts()
    {
        const auto [d, texts, foot] = fetch<QList<double>, QString, double>("fins", "texts", "foot");
        RocketParams &r = settings::rocket;
        std::tie(r.finCount, r.finPosition, r.finSpan, r.tipOffset, r.tipChord) =
            std::tuple(d[0], d[1], d[2], d[3], d[4]);
        settings::viewMode = ViewMode::Draft;
        settings::language = 2; // no marker labels
        settings::accuracy = 1;
        render();
        QStringList printed;
        for (const Mark &m : of(kBlack, true))
            printed.append(m.text);
        QCOMPARE(printed.join(QString()), r.rocketName + texts);
        const Mark *title = text(r.rocketName); // centred on row 50 over the axis
        QVERIFY(startsAt(title, X0 - title->at.width() / 2, 50 - title->at.height() / 2));
        double start = X0 + 400;
        for (const Mark &m : of(kDimension))
            if (m.at.top() == m.at.bottom() && std::fabs(m.at.top() - 1100) < 0.01 && m.at.left() > X0)
                start = std::min({start, m.at.left(), m.at.right()});
        QNEAR(start - X0, foot, 0.01);
    }

    void footLines_data()
    {
        columns<double, QString, QString, QString>("margin", "warning", "inscription", "shown");
        row("stable", 1.25, "", "Q-42", "1.25");
        row("0.996 shows as 1 yet warns", 0.996, "Запас устойчивости недостаточен!", "", "1");
        row("insufficient", 0.5, "Запас устойчивости недостаточен!", "Ракета Q-42", "0.5");
        row("unstable", 0.0, "ВНИМАНИЕ! Ракета неустойчива!", "", "0");
        row("no centre of gravity, no margin", qQNaN(), "", "Q-42", "");
    }
    void footLines()
    {
        const auto [margin, warning, inscription, shown] =
            fetch<double, QString, QString, QString>("margin", "warning", "inscription", "shown");
        RocketParams &r = settings::rocket;
        render(); // finds the Barrowman centre
        r.cgPosition = std::isnan(margin) ? 0 : r.bcpPosition - margin * 40;
        r.inscription = inscription;
        render();
        const auto fields = builder::outputFieldTexts(r, settings::accuracy);
        QVERIFY(fields[0] == QString::number(r.bcpPosition) && fields[1] == shown);
        // Centred on the bottom line, in the standing font that the name's font gave back.
        const QList<Mark> red = of(kRed, true);
        const Mark *w = red.isEmpty() ? nullptr : &red[0];
        QCOMPARE(red.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY(!w || (w->text == warning && startsAt(w, X0 - w->at.width() / 2, 1200 - w->at.height())));
        QVERIFY(!w || (w->font.pointSizeF() == 8.25 && !w->font.bold()));
        // On the line above, ending two plus signs short of the right edge.
        const Mark *ink = text(inscription);
        QCOMPARE(ink != nullptr, !inscription.isEmpty());
        QVERIFY(!ink
                || startsAt(ink, 2 * X0 - advance(ink, inscription + u"++"_s), 1200 - 2 * ink->at.height()));
    }

    void sheet_data()
    {
        columns<bool, bool, int, QColor, double>("printer", "draft", "lineWidth", "background", "outline");
        row("picture view", false, false, 3, QColor(230, 240, 255), 1.0);
        row("draft view", false, true, 3, QColor(255, 255, 255), 3.0);
        row("draft on paper: five times the line width", true, true, 2, QColor(), 10.0);
        row("picture on paper", true, false, 2, QColor(), 1.0);
    }
    void sheet()
    {
        const auto [printer, draft, lineWidth, background, outline] =
            fetch<bool, bool, int, QColor, double>("printer", "draft", "lineWidth", "background", "outline");
        settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        settings::lineWidth = lineWidth;
        QVERIFY(render(printer) && sent == printer);
        const Mark *cleared = find([](const Mark &m) { return near(m.at, at(-X0, 0, X0, 1200)); });
        QCOMPARE(cleared ? cleared->fill : QColor(), background);
        const Mark *axis = find([](const Mark &m) { return near(m.at, at(0, 100, 0, 1100)); });
        QVERIFY(axis && axis->pen == kDimension && axis->width == 1 && axis->style == Qt::DashDotLine);
        // The outline at its width; no fill in the draft, no outline or dimension in the picture.
        const QList<Mark> outlines = of(draft ? kOutline : kBody);
        QVERIFY(
            std::all_of(outlines.begin(), outlines.end(), [o = outline](auto &m) { return m.width == o; }));
        QVERIFY(!outlines.isEmpty() && of(draft ? kBody : kOutline).isEmpty()
                && (of(kDimension).size() > 1) == draft);
    }

    void startHints()
    {
        settings::rocket = RocketParams();
        settings::rocket.bcpPosition = 123;
        QVERIFY(!render(true) && page.marks.isEmpty());            // paper gets nothing
        QVERIFY(!render() && settings::rocket.bcpPosition == 123); // the outputs stay as they were
        // On the face colour of buttons, five lines from the middle down, the third blank, all
        // starting where the first is centred.
        QVERIFY(has(at(-X0, 0, X0, 1200), QColor(), QGuiApplication::palette().color(QPalette::Button)));
        const QList<Mark> lines = of(kBlack, true);
        QCOMPARE(lines.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(
                startsAt(&lines[i], X0 - lines[0].at.width() / 2, 600 + (i + i / 2) * lines[0].at.height()));
        std::tie(settings::rocket.finSpan, settings::rocket.rootChord) = std::tuple(50, 60);
        QVERIFY(render()); // fins alone are something to draw
    }

    void pixels()
    {
        // At half size a pen 3 pixels wide, crisp, down a line from far above the sheet to far below
        // it, cut to the sheet; the centre of gravity's upper-right and lower-left quarters filled.
        QImage image(PictureSurface::sizeForHeight(600), QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas canvas(&image, Canvas::Kind::Printer); // whose end of document finishes the image
        canvas.setUserScale(0, 0, 2 * X0, 1200);
        canvas.setLineWidth(3);
        canvas.line(X0 / 2, -1e12, X0 / 2, 1e12, kRed);
        builder::drawCgMarker(canvas, 250, X0, 100, 2);
        canvas.endDocument();
        QString seen;
        for (int y : {0, 599})
            for (int x = 100; x < 112; ++x)
                seen += image.pixel(x, y) == kRed.rgb() ? u'1' : u'0';
        for (const QPoint &d : {QPoint(2, -2), QPoint(-2, -2), QPoint(-2, 2), QPoint(2, 2)})
            seen += image.pixel(QPoint(212, 300) + d) == kBlack.rgb() ? u'1' : u'0';
        QCOMPARE(seen, u"000001110000000001110000"_s + u"1010"_s);
    }

    void nonFinite()
    {
        const double nan = qQNaN(), inf = qInf();
        const std::function<void(Canvas &)> calls[] = {
            [&](Canvas &c) { c.line(nan, 100, 400, 400, kRed); },
            [&](Canvas &c) { c.box(100, 100, 400, nan, kRed); },
            [&](Canvas &c) { c.filledBox(100, 100, inf, inf, kRed); },
            [&](Canvas &c) { c.circle(nan, 300, 50); },
            [&](Canvas &c) { c.circle(400, 300, inf); },
            [&](Canvas &c) { c.sector(400, 300, 50, kRed, 0.01, nan); },
            [&](Canvas &c) { c.setCurrentX(nan), c.print(u"WWW"_s); },
        };
        for (const auto &call : calls) {
            page.marks.clear();
            Canvas canvas(&page, Canvas::Kind::Picture);
            call(canvas);
            QVERIFY(page.marks.isEmpty());
        }
    }

    void hostile_data()
    {
        columns<bool, bool>("draft", "printer");
        row("picture", false, false);
        row("draft", true, false);
        row("draft on paper", true, true);
    }
    void hostile()
    {
        const auto [draft, printer] = fetch<bool, bool>("draft", "printer");
        loadHostileDesign();
        settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(render(printer) && clock.elapsed() < 500 && settings::drawScale > 0);
        for (const Mark &m : page.marks) // nothing far beyond the sheet, no NaN, no endless text
            QVERIFY(std::fabs(m.at.top()) + std::fabs(m.at.bottom()) < 1e4 && m.text.size() <= 4096);
        const auto f = builder::outputFieldTexts(settings::rocket, settings::accuracy);
        QVERIFY(!(f[0] + f[1] + f[2] + f[3]).contains(u'n', Qt::CaseInsensitive)); // no nan, no inf
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
