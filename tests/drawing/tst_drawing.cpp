// Faults a rocketeer would notice: any part, label, dimension or text of the drawing wrong, missing or
// misplaced; the wrong scale or printer line factor; a canvas letting a wider pen, an unclipped or a
// non-finite shape through; a hostile design that hangs or gives NaN.

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/hostiledesign.h"
#include "drawing/picturesurface.h"
#include "testkit.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPalette>
#include <QTextItem>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(RgbColour)

namespace {

constexpr double kPx = 2.475, X0 = settings::axisX, kRing = 8.4848; // pixels a canvas unit; X0 / 50
const DesignColours kColours{{200, 120, 0}, {60, 160, 60}, {250, 250, 0}, {0, 120, 220}};
const QColor kNose(200, 120, 0), kBody(60, 160, 60), kName(250, 250, 0), kFins(0, 120, 220), kBlack(0, 0, 0);
const QColor kOutline(100, 100, 100), kDimension(210, 210, 210), kPurple(192, 0, 192), kRed(255, 0, 0);

// What the canvas painted, in canvas units; a text's box is its line. No pen, no fill: invalid.
struct Mark {
    QRectF at;
    QColor pen, fill;
    QPen stroke;
    QString text;
    QFont font;
};

// A page of 2100 × 2970 pixels that keeps what is painted, rectangles and ellipses as paths; at 240 dpi
// text stands to it as to the window's 1200 pixels at 96 dpi.
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
        std::for_each(l, l + n, [this](auto &x) { add(QRectF(x.p1(), x.p2()), false); });
    }
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
    void add(const QRectF &r, bool filled = true, const QString &text = {}, const QFont &font = {})
    {
        const QPen pen = painter()->pen();
        const QBrush brush = filled ? painter()->brush() : Qt::NoBrush;
        marks.append({QRectF(r.topLeft() / kPx, r.bottomRight() / kPx), pen.style() ? pen.color() : QColor(),
                      brush.style() ? brush.color() : QColor(), pen, text, font});
    }
};

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Page page;
    bool sent = false; // the page left the printer within the rebuild

    template <typename... T, typename... N> static auto fetch(N... n) { return std::tuple(::fetch<T>(n)...); }
    // Corners (x1, y1) and (x2, y2), x counted from the axis; a line runs from the one to the other.
    static QRectF at(double x1, double y1, double x2, double y2) { return {X0 + x1, y1, x2 - x1, y2 - y1}; }
    static bool close(QPointF p, QPointF q) { return (p - q).manhattanLength() < 0.02; }
    static bool near(const QRectF &a, const QRectF &b) // either way round for a line
    {
        return (close(a.topLeft(), b.topLeft()) && close(a.bottomRight(), b.bottomRight()))
               || (close(a.topLeft(), b.bottomRight()) && close(a.bottomRight(), b.topLeft()));
    }
    static bool startsAt(const Mark *m, double x, double y) { return m && close(m->at.topLeft(), {x, y}); }
    bool render(bool printer = false)
    {
        page.marks.clear();
        Canvas canvas(&page, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        const bool drawn = builder::rebuild(canvas);
        return sent = !canvas.isActive(), drawn;
    }
    QList<Mark> of(const QColor &pen, bool texts = false) const
    {
        QList<Mark> found;
        std::copy_if(page.marks.begin(), page.marks.end(), std::back_inserter(found),
                     [&](auto &m) { return m.pen == pen && m.text.isEmpty() != texts; });
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
    bool round(double y, double r, QColor p, QColor f = {}) { return has(at(-r, y - r, r, y + r), p, f); }
    bool ticked(QPointF p) const { return has(QRectF(p - QPointF(6, -6), p + QPointF(6, -6)), kDimension); }
    const Mark *text(const QString &text, const QColor &pen = kBlack) const
    {
        return find([&](const Mark &m) { return !text.isEmpty() && m.text == text && m.pen == pen; });
    }
    double advance(const Mark *m, const QString &t)
    {
        return m ? QFontMetricsF(m->font, &page).horizontalAdvance(t) / kPx : 0;
    }

  private slots:
    // Cone 100, body 40 × 400, three fins at 440: span 30, root 60, tip 30 set back 20; centre of gravity
    // 250. Body tail and root end 500 mm back, tip end 490: scale 2. Rows: nose 100-300, body 300-1100 at
    // ± 40 from the axis, root 980-1100, tip 1020-1080, centre of gravity 600.
    void init()
    {
        settings::reset();
        settings::rocket = {
            u"PATHFINDER-ONE"_s, u"cone"_s, 100, 40, 400, 3, 440, 30, 60, 30, 20, 250, 0, {}, 0, {}, {}};
        settings::colours = kColours;
    }

    void outline_data()
    {
        // Marks of a colour at a place (null: anywhere), grey in the draft. Nose L = 200, D = 80, slices a
        // unit high from the left edge at the top to the right at the foot. At t = 99, 100: cone 80t/400 =
        // 19.8, 20; parabola 80t/200 − 80t²/80000 = 29.799, 30; ogive, rho = (200² + 40²)/80 = 520:
        // √(520² − (t − 200)²) − 480 = 30.097, 30.294; ellipsoid 40·√(1 − (t/200 − 1)²) = 34.525, 34.641.
        columns<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen", "at", "n");
        row("cone: 199 slices, down to a unit above the body", "cone", 3.0, 20.0, kNose, QRectF(), 199);
        row("parabola", "parabolic", 3.0, 20.0, kNose, at(-29.799, 199, 30, 200), 1);
        row("ogive", "ogive", 3.0, 20.0, kNose, at(-30.097, 199, 30.294, 200), 1);
        row("ellipsoid", "ellipsoid", 3.0, 20.0, kNose, at(-34.525, 199, 34.641, 200), 1);
        row("no shape, no nose", "", 3.0, 20.0, kNose, QRectF(), 0);
        row("the body, with no shape too", "", 3.0, 20.0, kBody, at(-40, 300, 40, 1100), 1);
        row("draft: nose at row 200", "cone", 3.0, 20.0, kOutline, at(-19.8, 199, -20, 200), 1);
        row("draft: the body's left edge", "cone", 3.0, 20.0, kOutline, at(-40, 300, -40, 1100), 1);
        // Fins: lead row 980, R = 120, C = 60, T = 2·offset. A side W wide: last strip W − 1, its top W − 2
        // steps of T/W down, its foot W − 1 steps of (C + T − R)/W. Right of three fins: 20 to 49 out,
        // 980 + 28·40/30, 1100 − 29·20/30; else 40 to 99, 980 + 58·40/60, 1100 − 59·20/60. Four fins:
        // a line on the axis from the earlier lead to the later end, a bar ± 0.01·R, 0.02·R shorter each end.
        row("three fins: right foreshortened", "cone", 3.0, 20.0, kFins, at(48, 1017.333, 49, 1080.667), 1);
        row("three fins: left at full span", "cone", 3.0, 20.0, kFins, at(-99, 1018.667, -98, 1080.333), 1);
        row("three fins: nothing edge-on", "cone", 3.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        row("two fins: right at full span", "cone", 2.0, 20.0, kFins, at(98, 1018.667, 99, 1080.333), 1);
        row("four fins: the edge-on bar", "cone", 4.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 1);
        row("five fins: nothing edge-on", "cone", 5.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        row("draft: right tip chord at half span", "cone", 3.0, 20.0, kOutline, at(50, 1020, 50, 1080), 1);
        row("draft: right trailing edge", "cone", 3.0, 20.0, kOutline, at(50, 1080, 20, 1100), 1);
        // Swept forward, T = −40: top 980 − 58·40/60, foot 1100 − 59·100/60; the tip's lead at 940.
        row("swept forward: left side", "cone", 4.0, -20.0, kFins, at(-99, 941.333, -98, 1001.667), 1);
        row("swept forward: the edge-on line", "cone", 4.0, -20.0, kFins, at(0, 940, 0, 1100), 1);
        // Dimensions, from the axis: body ± 40, fin tips ± 100, columns a fifth of the 324.24 units from
        // there to the edge apart, ± 164.85, 229.70, 294.55; the bottom row a third from 1100 to 1200.
        row("nose length, right column 2", "cone", 3.0, 20.0, kDimension, at(229.70, 100, 229.70, 300), 1);
        row("body length, right column 2", "cone", 3.0, 20.0, kDimension, at(229.70, 300, 229.70, 1100), 1);
        row("overall, right column 3", "cone", 3.0, 20.0, kDimension, at(294.55, 100, 294.55, 1100), 1);
        row("fin position, left column 3", "cone", 3.0, 20.0, kDimension, at(-294.55, 100, -294.55, 980), 1);
        row("root chord, left column 3", "cone", 3.0, 20.0, kDimension, at(-294.55, 980, -294.55, 1100), 1);
        row("tip chord, left column 1", "cone", 3.0, 20.0, kDimension, at(-164.85, 1020, -164.85, 1080), 1);
        row("tip offset, left column 2", "cone", 3.0, 20.0, kDimension, at(-229.70, 980, -229.70, 1020), 1);
        row("span, bottom row", "cone", 3.0, 20.0, kDimension, at(-100, 1133.33, -40, 1133.33), 1);
        row("diameter, bottom row", "cone", 3.0, 20.0, kDimension, at(-40, 1133.33, 40, 1133.33), 1);
        row("nose's end to right column 2", "cone", 3.0, 20.0, kDimension, at(40, 300, 229.70, 300), 1);
        row("tip's lead to left column 2", "cone", 3.0, 20.0, kDimension, at(-100, 1020, -229.70, 1020), 1);
        row("tip's end to the bottom row", "cone", 3.0, 20.0, kDimension, at(-100, 1080, -100, 1133.33), 1);
    }
    void outline()
    {
        const auto [shape, fins, offset, pen, place, n] =
            fetch<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen", "at", "n");
        RocketParams &r = settings::rocket;
        std::tie(r.noseShape, r.finCount, r.tipOffset) = std::tuple(shape, fins, offset);
        settings::viewMode = pen == kOutline || pen == kDimension ? ViewMode::Draft : ViewMode::Picture;
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
        for (qsizetype i = 0; i < letters.size(); ++i)
            QVERIFY(letters[i].text == name[i] && letters[i].font.bold()
                    && startsAt(&letters[i], X0 - letters[i].at.width() / 2,
                                380 + (i + 1) * letters[i].at.height()));
        // The size stops at the first half-point step that meets the rule.
        QFont font = letters[0].font;
        const auto measured = [&, n = name.size()](double step) {
            font.setPointSizeF(letters[0].font.pointSizeF() + step);
            const QFontMetricsF metrics(font, &page);
            return (n > 1 ? n * metrics.height() : metrics.horizontalAdvance(u'W')) / kPx;
        };
        const double goal = name.size() > 1 ? 400 : diameter * 2 * 2 / 3;
        QVERIFY((name.size() > 1 ? measured(0) <= goal : measured(-0.5) < goal) && goal < measured(0.5));
    }

    void markers_data()
    {
        // Body colour sums 190 and 200 and red + green 90 and 100 either side of the dark thresholds.
        columns<RgbColour, bool, int, double, QColor, QColor, QString>("body", "draft", "language", "cg",
                                                                       "cgPen", "bcpPen", "stems");
        const QColor bg = qGuiApp->palette().color(QPalette::Base), blue(0, 0, 192), cyan(0, 192, 192);
        row("light body, no labels", RgbColour{60, 160, 60}, false, 0, 250.0, kBlack, blue, "");
        row("sum 190, red + green 90", RgbColour{60, 30, 100}, false, 1, 250.0, bg, cyan, "");
        row("sum 190, red + green 170", RgbColour{150, 20, 20}, false, 0, 250.0, bg, blue, "");
        row("sum 200, red + green 100", RgbColour{100, 0, 100}, false, 0, 250.0, kBlack, blue, "");
        row("Russian draft, black body", RgbColour{0, 0, 0}, true, 0, 250.0, kBlack, blue, "цт|цдб|цап");
        row("English draft, a tenth", RgbColour{0, 0, 0}, true, 1, 250.5, kBlack, blue, "cg|bcp|cpc");
        row("a third language, no labels", RgbColour{0, 0, 0}, true, 2, 250.0, kBlack, blue, "");
    }
    void markers()
    {
        const auto [body, draft, language, cg, cgPen, bcpPen, stems] =
            fetch<RgbColour, bool, int, double, QColor, QColor, QString>("body", "draft", "language", "cg",
                                                                         "cgPen", "bcpPen", "stems");
        settings::colours.bodyColour = body;
        settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        std::tie(settings::language, settings::rocket.cgPosition) = std::tuple(language, cg);
        render();
        // Centre of gravity: ring, cross, upper-right and lower-left quarters filled. Centres of pressure:
        // a dot of a quarter of the ring's radius inside the ring.
        const double y = 100 + 2 * cg, b = settings::rocket.bcpPosition, c = settings::rocket.cpcPosition;
        QVERIFY(round(y, kRing, cgPen) && has(at(-kRing, y, kRing, y), cgPen)
                && has(at(0, y - kRing, 0, y + kRing), cgPen) && has(at(0, y - kRing, kRing, y), cgPen, cgPen)
                && has(at(-kRing, y, 0, y + kRing), cgPen, cgPen));
        QVERIFY(b != c && round(100 + 2 * b, kRing / 4, bcpPen, bcpPen) && round(100 + 2 * b, kRing, bcpPen)
                && round(100 + 2 * c, kRing / 4, kPurple, kPurple) && round(100 + 2 * c, kRing, kPurple));
        QCOMPARE(bool(find([](const Mark &m) { return m.text.contains(u'['); })), !stems.isEmpty());
        // Each label's middle level with its dot, the centre of gravity's with the top of its ring: a plus
        // sign right of the body; past a Russian cg label and two plus signs; left, ending a plus sign short
        // of the body, measured on the Russian stem.
        const QStringList s = stems.split(u'|');
        const Mark *cgMark = text(s[0] + u"[%1]"_s.arg(cg)), *bcpMark = text(s.value(1) + u"[%1]"_s.arg(b)),
                   *cpcMark = text(s.value(2) + u"[%1]"_s.arg(c), kPurple);
        const double h = cgMark ? cgMark->at.height() / 2 : 0;
        QVERIFY(stems.isEmpty()
                || (startsAt(cgMark, X0 + 40 + advance(cgMark, u"+"_s), y - kRing - h)
                    && startsAt(bcpMark, X0 + 40 + advance(cgMark, u"цт[%1]++"_s.arg(cg)), 100 + 2 * b - h)
                    && startsAt(cpcMark, X0 - 40 - advance(cgMark, u"цап[%1]+"_s.arg(c)), 100 + 2 * c - h)));
    }

    void draftTexts_data()
    {
        // Values in drawing order: nose, overall, body, fin position, root, tip, offset, span, diameter;
        // overall 1000 units over the scale, whose longest candidate counts the tip chord in whole mm.
        // The foot line starts at the body's edge, 20 mm out, ...
        using L = QList<double>; // fins: count, position, span, offset, tip
        columns<L, QString, double>("fins", "texts", "foot");
        row("root furthest back", L{3, 460, 30, 20, 30}, " 100 520 400 460 60 30 20 30 40", 38.46);
        row("no fin position", L{3, 0, 30, 20, 30}, " 100 500 400 60 30 20 30 40", 40.0);
        row("no span, no fins", L{3, 440, 0, 20, 30}, " 100 500 400 40", 40.0);
        row("swept forward", L{3, 440, 30, -10, 30}, " 100 500 400 440 60 30 10 30 40", 40.0);
        // ... unless the tip's end, 540 mm back, is the lowest point, at row 100 + 540·1000/540: then
        // at the visible tip, 50 mm out, halved for three fins: 46.30 or 92.59.
        row("tip lowest, three fins", L{3, 440, 30, 70, 30}, " 100 540 400 440 60 30 70 30 40", 46.30);
        row("tip lowest, four fins", L{4, 440, 30, 70, 30}, " 100 540 400 440 60 30 70 30 40", 92.59);
        // The tip's end at row 100 + 540.5·1000/540 = 1100.9, or 100 + 541.5·1000/542 = 1099.1.
        row("tip 30.5 counts as 30", L{3, 440, 30, 70, 30.5}, " 100 540 400 440 60 30.5 70 30 40", 37.04);
        row("tip 31.5 counts as 32", L{3, 440, 30, 70, 31.5}, " 100 542 400 440 60 31.5 70 30 40", 36.90);
    }
    void draftTexts()
    {
        const auto [d, texts, foot] = fetch<QList<double>, QString, double>("fins", "texts", "foot");
        RocketParams &r = settings::rocket;
        std::tie(r.finCount, r.finPosition, r.finSpan, r.tipOffset, r.tipChord) =
            std::tuple(d[0], d[1], d[2], d[3], d[4]);
        std::tie(settings::viewMode, settings::language, settings::accuracy) =
            std::tuple(ViewMode::Draft, 2, 1);
        render(); // the third language prints no marker labels
        QString printed;
        for (const Mark &m : of(kBlack, true))
            printed += m.text;
        QCOMPARE(printed, r.rocketName + texts);
        // Each value beside the middle of a vertical dimension line or hanging centred below a horizontal
        // one, whose ends carry a 45° tick 12 units across whatever the scale.
        for (const Mark &v : of(kBlack, true).mid(1))
            QVERIFY(find([&](const Mark &l) {
                const QPointF a = l.at.topLeft(), c = l.at.center() - v.at.center() + v.at.topLeft();
                return l.pen == kDimension && ticked(a) && ticked(l.at.bottomRight())
                       && startsAt(&v, l.at.width() ? c.x() : a.x(), l.at.width() ? a.y() : c.y());
            }));
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
        std::tie(r.cgPosition, r.inscription) =
            std::tuple(std::isnan(margin) ? 0 : r.bcpPosition - margin * 40, inscription);
        render();
        const auto fields = builder::outputFieldTexts(r, settings::accuracy);
        QVERIFY(fields[0] == QString::number(r.bcpPosition) && fields[1] == shown);
        // Centred on the bottom line, in the standing font that the name's font gave back; the
        // inscription on the line above, ending two plus signs short of the right edge.
        const Mark *w = text(warning, kRed), *ink = text(inscription);
        QVERIFY(of(kRed, true).size() == !warning.isEmpty() && bool(w) == !warning.isEmpty()
                && bool(ink) == !inscription.isEmpty());
        QVERIFY(!w
                || (startsAt(w, X0 - w->at.width() / 2, 1200 - w->at.height()) && w->font.pointSizeF() == 8.25
                    && !w->font.bold()));
        QVERIFY(!ink
                || startsAt(ink, 2 * X0 - advance(ink, inscription + u"++"_s), 1200 - 2 * ink->at.height()));
    }

    void sheet_data()
    {
        // Line width 3 throughout: an outline of 1 in the picture, 3 in the draft, 15 on paper.
        columns<bool, bool, bool, QColor, double>("hostile", "paper", "draft", "fill", "outline");
        row("picture view", false, false, false, QColor(230, 240, 255), 1.0);
        row("draft view", false, false, true, QColor(255, 255, 255), 3.0);
        row("draft on paper: five times the line width", false, true, true, QColor(), 15.0);
        row("picture on paper", false, true, false, QColor(), 1.0);
        row("hostile picture", true, false, false, QColor(230, 240, 255), 1.0);
        row("hostile draft", true, false, true, QColor(255, 255, 255), 3.0);
        row("hostile draft on paper", true, true, true, QColor(), 15.0);
    }
    void sheet()
    {
        const auto [hostile, printer, draft, background, outline] =
            fetch<bool, bool, bool, QColor, double>("hostile", "paper", "draft", "fill", "outline");
        if (hostile)
            loadHostileDesign();
        settings::colours = kColours;
        settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        settings::lineWidth = 3;
        const QDeadlineTimer deadline(500);
        QVERIFY(render(printer) && sent == printer && !deadline.hasExpired() && settings::drawScale > 0);
        const Mark *cleared = find([](const Mark &m) { return near(m.at, at(-X0, 0, X0, 1200)); });
        QCOMPARE(cleared ? cleared->fill : QColor(), background);
        const Mark *axis = find([](const Mark &m) { return near(m.at, at(0, 100, 0, 1100)); });
        QVERIFY(axis && axis->pen == kDimension && axis->stroke.widthF() == 1
                && axis->stroke.style() == Qt::DashDotLine);
        // Outlines and dimensions in the draft, a filled body in the picture.
        QVERIFY(!of(draft ? kOutline : kBody).isEmpty() && of(draft ? kBody : kOutline).isEmpty()
                && (of(kDimension).size() > 1) == draft);
        // The outline at its width; nothing far beyond the sheet, no NaN, no endless text.
        for (const Mark &m : page.marks)
            QVERIFY(std::fabs(m.at.top()) + std::fabs(m.at.bottom()) < 1e4 && m.text.size() <= 4096
                    && (m.pen != (draft ? kOutline : kBody) || m.stroke.widthF() == outline));
        const auto f = builder::outputFieldTexts(settings::rocket, settings::accuracy);
        QVERIFY(!(f[0] + f[1] + f[2] + f[3]).contains(u'n', Qt::CaseInsensitive)); // no nan, no inf
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
        const QList<Mark> hint = of(kBlack, true);
        QCOMPARE(hint.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(startsAt(&hint[i], X0 - hint[0].at.width() / 2, 600 + (i + i / 2) * hint[0].at.height()));
        std::tie(settings::rocket.finSpan, settings::rocket.rootChord) = std::tuple(50, 60);
        QVERIFY(render()); // fins alone are something to draw
    }

    void canvas()
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
        Canvas c(&page, Canvas::Kind::Picture);
        page.marks.clear(); // nothing that is not finite reaches the painter
        c.line(qQNaN(), 100, 400, 400, kRed), c.box(100, 100, 400, qQNaN(), kRed), c.circle(qQNaN(), 300, 50);
        c.filledBox(100, 100, qInf(), qInf(), kRed), c.circle(400, 300, qInf()), c.setCurrentX(qQNaN());
        c.sector(400, 300, 50, kRed, 0.01, qQNaN()), c.print(u"W"_s);
        QVERIFY(page.marks.isEmpty());
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
