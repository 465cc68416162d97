// Faults a rocketeer would notice: a part, label, dimension or text of the drawing wrong, missing
// or misplaced; the wrong scale or printer line factor; a drawing that ignores the colours, view,
// line width, accuracy or language it is given, or prints the warning in the name's font; a canvas
// letting a wider pen, an unclipped or a non-finite shape through; a hostile design that hangs.

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/drawscale.h"
#include "drawing/drawstyle.h"
#include "drawing/hostiledesign.h"
#include "drawing/markers.h"
#include "testkit.h"

#include <QBitmap>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPalette>
#include <QTextItem>

using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(RgbColour)

namespace {

constexpr double kPx = 2.475, X0 = sheet::axisX, kRing = 8.4848; // pixels a unit; X0 / 50
const QColor kNose(200, 120, 0), kBody(60, 160, 60), kName(250, 250, 0), kFins(0, 120, 220);
const QColor kOutline(100, 100, 100), kDimension(210, 210, 210), kBlack(0, 0, 0);
const QColor kPurple(192, 0, 192), kRed(255, 0, 0);

// What the canvas painted, in canvas units; a text's box is its line. No pen, no fill: invalid.
struct Mark {
    QRectF at;
    QColor pen, fill;
    QPen stroke;
    QString text;
    QFont font;
};

// A page of 2100 × 2970 pixels that keeps what is painted, rectangles and ellipses as paths, a
// polygon as its edges; at 240 dpi printed text stands to it as to 1200 pixels at 96 dpi.
struct Page : QPaintDevice, QPaintEngine {
    QList<Mark> marks;
    int height = 2970; // or a smaller page of the same proportion

    Page()
        : QPaintEngine(AllFeatures)
    {
    }
    QPaintEngine *paintEngine() const override { return const_cast<Page *>(this); }
    int metric(PaintDeviceMetric m) const override
    {
        return m == PdmWidth                          ? height * 2100 / 2970
               : m == PdmHeight                       ? height
               : m >= PdmDpiX && m <= PdmPhysicalDpiY ? 240
                                                      : 1;
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &path) override { add(path.boundingRect(), true); }
    void drawPolygon(const QPointF *p, int n, PolygonDrawMode) override
    {
        for (int i = 0; i < n; ++i)
            add(QRectF(p[i], p[(i + 1) % n]), true);
    }
    void drawLines(const QLineF *l, int n) override
    {
        for (const QLineF &line : QList<QLineF>(l, l + n))
            add(QRectF(line.p1(), line.p2()), false);
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QFontMetricsF metrics(item.font(), this);
        const QRectF box(p.x(), p.y() - metrics.ascent(), item.width(), metrics.height());
        // A print arrives in one piece per script (Cyrillic, Latin): join them again.
        if (!marks.isEmpty() && !marks.last().text.isEmpty()
            && marks.last().at.topRight() * kPx == box.topLeft()) {
            marks.last().text += item.text();
            marks.last().at.setRight(box.right() / kPx);
            return;
        }
        add(box, false, item.text(), item.font());
    }
    void add(const QRectF &r, bool filled, const QString &text = {}, const QFont &font = {})
    {
        const QPen pen = painter()->pen();
        const QBrush brush = filled ? painter()->brush() : Qt::NoBrush;
        marks.append({QRectF(r.topLeft() / kPx, r.size() / kPx),
                      pen.style() ? pen.color() : QColor(),
                      brush.style() ? brush.color() : QColor(), pen, text, font});
    }
};

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Page m_page;
    RocketParams m_design;
    DrawStyle m_style;
    Evaluation m_result; // of the last rebuild
    bool m_sent = false; // the page left the printer within the rebuild

    // Corners (x1, y1) and (x2, y2), x from the axis; a line runs from the one to the other.
    static QRectF at(double x1, double y1, double x2, double y2)
    {
        return {X0 + x1, y1, x2 - x1, y2 - y1};
    }
    static bool close(QPointF p, QPointF q) { return (p - q).manhattanLength() < 0.02; }
    static bool near(const QRectF &a, const QRectF &b) // either way round for a line
    {
        return (close(a.topLeft(), b.topLeft()) && close(a.bottomRight(), b.bottomRight()))
               || (close(a.topLeft(), b.bottomRight()) && close(a.bottomRight(), b.topLeft()));
    }
    static bool startsAt(const Mark *m, double x, double y)
    {
        return m && close(m->at.topLeft(), {x, y});
    }
    bool render(bool printer = false)
    {
        m_page.marks.clear();
        Canvas canvas(&m_page, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        m_result = builder::rebuild(canvas, m_design, m_style);
        m_sent = !canvas.isActive();
        return m_result.drawable();
    }
    QList<Mark> of(const QColor &pen, bool texts = false) const
    {
        QList<Mark> found = m_page.marks;
        found.removeIf([&](const Mark &m) { return m.pen != pen || m.text.isEmpty() == texts; });
        return found;
    }
    const Mark *find(const std::function<bool(const Mark &)> &match) const
    {
        const auto it = std::find_if(m_page.marks.begin(), m_page.marks.end(), match);
        return it == m_page.marks.end() ? nullptr : &*it;
    }
    bool has(const QRectF &r, const QColor &pen, const QColor &fill = QColor()) const
    {
        return find([&](const Mark &m) { return m.pen == pen && m.fill == fill && near(m.at, r); });
    }
    bool ring(double y, double r, QColor pen, QColor fill = {}) const
    {
        return has(at(-r, y - r, r, y + r), pen, fill);
    }
    bool ticked(QPointF p) const
    {
        return has({p - QPointF(6, -6), p + QPointF(6, -6)}, kDimension);
    }
    const Mark *text(const QString &t, const QColor &pen = kBlack) const
    {
        return find([&](const Mark &m) { return m.text == t && m.pen == pen; });
    }

  private slots:
    // Cone 100, body 40 × 400, three fins at 440: span 30, root 60, tip 30 set back 20; centre of
    // gravity 250. Body tail and root end 500 mm back, tip end 490: scale 2. Rows: nose 100-300,
    // body 300-1100 at ± 40 from the axis, root 980-1100, tip 1020-1080, centre of gravity 600.
    // Barrowman, cone factor 0.666: nose 2 at 66.6, fins 6.75·1.4 / (1 + √(1 + (2·33.84/90)²)) =
    // 4.198 at 460.56: 333.43, so 333 at row 766. Projection: nose 960 at 66.67, body 9248 at 270,
    // beside the root 2400 at 470, fins 2025 at 472.22: 317.44, so 317 at row 734.
    void init()
    {
        RocketParams &r = m_design = RocketParams();
        std::tie(r.rocketName, r.noseShape, r.noseLength, r.bodyDiameter, r.bodyLength) =
            std::tuple(u"PATHFINDER-ONE"_s, u"cone"_s, 100, 40, 400);
        std::tie(r.finCount, r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset,
                 r.cgPosition) = std::tuple(3, 440, 30, 60, 30, 20, 250);
        m_style = {{{200, 120, 0}, {60, 160, 60}, {250, 250, 0}, {0, 120, 220}}, {}};
    }

    void outline_data()
    {
        // Marks of a colour at a place (null: anywhere), grey in the draft. At 2.475 pixels a unit
        // slices would show as steps: nose and fins are outlines through the slices' corners, a
        // unit apart. Nose L = 200, D = 80, its left edge at t = 99, 100: cone 80t/400 = 19.8, 20;
        // parabola 80t/200 − 80t²/80000 = 29.799, 30; ogive, rho = (200² + 40²)/80 = 520:
        // √(520² − (t − 200)²) − 480 = 30.097, 30.294; ellipsoid 40·√(1 − (t/200 − 1)²) = 34.525,
        // 34.641; its foot at t = 199 (row 299), a unit above the body, the cone's ± 39.8.
        // Fins: lead row 980, R = 120, C = 60, T = 2·offset. A side W wide ends W − 1 out, from
        // W − 1 steps of T/W down to W − 1 steps of (C + T − R)/W. Right of three fins: 20 to 49
        // out, 980 + 29·40/30, 1100 − 29·20/30; else 40 to 99, 980 + 59·40/60, 1100 − 59·20/60.
        // Four fins: a line on the axis from the earlier lead to the later end, a bar ± 0.01·R,
        // 0.02·R shorter each end; swept forward (T = −40) the lead at 940.
        // Dimensions from the axis: body ± 40, fin tips ± 100, columns a fifth of the 324.24 units
        // from there to the edge apart, ± 164.85, 229.70, 294.55; the bottom row at 1133.33.
        columns<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen",
                                                              "place", "n");
        // clang-format off
        row("cone: to a unit above the body", "cone", 3.0, 20.0, kNose, at(-39.8, 299, 39.8, 299), 1);
        row("parabola", "parabolic", 3.0, 20.0, kNose, at(-29.799, 199, -30, 200), 1);
        row("ogive", "ogive", 3.0, 20.0, kNose, at(-30.097, 199, -30.294, 200), 1);
        row("ellipsoid", "ellipsoid", 3.0, 20.0, kNose, at(-34.525, 199, -34.641, 200), 1);
        row("no shape, no nose", "", 3.0, 20.0, kNose, QRectF(), 0);
        row("the body, with no shape too", "", 3.0, 20.0, kBody, at(-40, 300, 40, 1100), 1);
        row("draft: nose at row 200", "cone", 3.0, 20.0, kOutline, at(-19.8, 199, -20, 200), 1);
        row("three fins: right foreshortened", "cone", 3.0, 20.0, kFins, at(49, 1018.667, 49, 1080.667), 1);
        row("three fins: left at full span", "cone", 3.0, 20.0, kFins, at(-99, 1019.333, -99, 1080.333), 1);
        row("three fins: nothing edge-on", "cone", 3.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        row("two fins: right at full span", "cone", 2.0, 20.0, kFins, at(99, 1019.333, 99, 1080.333), 1);
        row("four fins: the edge-on bar", "cone", 4.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 1);
        row("five fins: nothing edge-on", "cone", 5.0, 20.0, kFins, at(-1.2, 982.4, 1.2, 1097.6), 0);
        row("draft: right tip chord at half span", "cone", 3.0, 20.0, kOutline, at(50, 1020, 50, 1080), 1);
        row("draft: right trailing edge", "cone", 3.0, 20.0, kOutline, at(50, 1080, 20, 1100), 1);
        row("swept forward: the edge-on line", "cone", 4.0, -20.0, kFins, at(0, 940, 0, 1100), 1);
        row("nose length, right column 2", "cone", 3.0, 20.0, kDimension, at(229.70, 100, 229.70, 300), 1);
        row("overall, right column 3", "cone", 3.0, 20.0, kDimension, at(294.55, 100, 294.55, 1100), 1);
        row("fin position, left column 3", "cone", 3.0, 20.0, kDimension, at(-294.55, 100, -294.55, 980), 1);
        row("tip chord, left column 1", "cone", 3.0, 20.0, kDimension, at(-164.85, 1020, -164.85, 1080), 1);
        row("tip offset, left column 2", "cone", 3.0, 20.0, kDimension, at(-229.70, 980, -229.70, 1020), 1);
        row("span, bottom row", "cone", 3.0, 20.0, kDimension, at(-100, 1133.33, -40, 1133.33), 1);
        row("tip's lead to left column 2", "cone", 3.0, 20.0, kDimension, at(-100, 1020, -229.70, 1020), 1);
        // clang-format on
    }
    void outline()
    {
        QFETCH(QString, shape);
        QFETCH(double, fins);
        QFETCH(double, offset);
        QFETCH(QColor, pen);
        QFETCH(QRectF, place);
        QFETCH(int, n);
        std::tie(m_design.noseShape, m_design.finCount, m_design.tipOffset) =
            std::tie(shape, fins, offset);
        const bool draft = pen == kOutline || pen == kDimension;
        m_style.view.viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        render();
        const QList<Mark> marks = of(pen);
        const auto there = [&](const Mark &m) { return place.isNull() || near(m.at, place); };
        QCOMPARE(std::count_if(marks.begin(), marks.end(), there), n);
    }

    void nameFits()
    {
        // Bold, one letter a line centred on the axis, the first a line below a tenth of the
        // body (row 380), the fourteen letters within half the body's 800 units.
        render();
        const QList<Mark> letters = of(kName, true);
        QCOMPARE(letters.size(), m_design.rocketName.size());
        for (qsizetype i = 0; i < letters.size(); ++i) {
            QCOMPARE(letters[i].text, m_design.rocketName.at(i));
            QVERIFY(letters[i].font.bold());
            QVERIFY(startsAt(&letters[i], X0 - letters[i].at.width() / 2,
                             380 + (i + 1) * letters[i].at.height()));
        }
        QVERIFY(letters.last().at.bottom() <= 380 + 400 + letters[0].at.height());
    }

    void markers_data()
    {
        // Body colour sums 190 and 200 and red + green 90 and 100 either side of the dark
        // thresholds; labels only in the draft, in the view's language.
        columns<RgbColour, bool, int, double, QColor, QColor, QString>(
            "body", "draft", "language", "cg", "cgPen", "bcpPen", "labels");
        const QColor bg = qGuiApp->palette().color(QPalette::Base), blue(0, 0, 192),
                     cyan(0, 192, 192);
        const Language ru = Language::Russian, en = Language::English;
        // clang-format off
        row("light body", RgbColour{60, 160, 60}, false, ru, 250.0, kBlack, blue, "");
        row("sum 190, red + green 90", RgbColour{60, 30, 100}, false, en, 250.0, bg, cyan, "");
        row("sum 190, red + green 170", RgbColour{150, 20, 20}, false, ru, 250.0, bg, blue, "");
        row("sum 200, red + green 100", RgbColour{100, 0, 100}, false, ru, 250.0, kBlack, blue, "");
        row("in Russian", RgbColour{0, 0, 0}, true, ru, 250.0, kBlack, blue, "цт[250]|цдб[333]|цап[317]");
        row("in English", RgbColour{0, 0, 0}, true, en, 250.5, kBlack, blue, "cg[250.5]|bcp[333]|cpc[317]");
        // clang-format on
    }
    void markers()
    {
        QFETCH(RgbColour, body);
        QFETCH(bool, draft);
        QFETCH(int, language);
        QFETCH(double, cg);
        QFETCH(QColor, cgPen);
        QFETCH(QColor, bcpPen);
        QFETCH(QString, labels);
        m_style.colours.bodyColour = body;
        m_style.view = {draft ? ViewMode::Draft : ViewMode::Picture, 1, 0, Language(language)};
        m_design.cgPosition = cg;
        render();
        // Centre of gravity: ring, cross, upper-right and lower-left quarters filled. Centres of
        // pressure: a dot of a quarter of the ring's radius inside the ring.
        const double y = 100 + 2 * cg;
        QVERIFY2(ring(y, kRing, cgPen), "cg ring");
        QVERIFY2(has(at(-kRing, y, kRing, y), cgPen), "cg cross, across");
        QVERIFY2(has(at(0, y - kRing, 0, y + kRing), cgPen), "cg cross, down");
        QVERIFY2(has(at(0, y - kRing, kRing, y), cgPen, cgPen), "cg upper-right quarter");
        QVERIFY2(has(at(-kRing, y, 0, y + kRing), cgPen, cgPen), "cg lower-left quarter");
        QVERIFY2(ring(766, kRing / 4, bcpPen, bcpPen), "bcp dot");
        QVERIFY2(ring(766, kRing, bcpPen), "bcp ring");
        QVERIFY2(ring(734, kRing / 4, kPurple, kPurple), "cpc dot");
        QVERIFY2(ring(734, kRing, kPurple), "cpc ring");
        QCOMPARE(bool(find([](const Mark &m) { return m.text.contains(u'['); })), draft);
        if (!draft)
            return;
        // Each label right of the body (the projection centre's left of it), level with its mark.
        const QStringList label = labels.split(u'|');
        const Mark *cgLabel = text(label[0]), *bcpLabel = text(label[1]);
        const Mark *cpcLabel = text(label[2], kPurple);
        QVERIFY2(cgLabel, qPrintable(label[0]));
        QVERIFY2(bcpLabel, qPrintable(label[1]));
        QVERIFY2(cpcLabel, qPrintable(label[2]));
        QVERIFY(cgLabel->at.left() > X0 + 40);
        QVERIFY(bcpLabel->at.left() > cgLabel->at.right());
        QCOMPARE(qRound(cpcLabel->at.center().y()), 734);
        QCOMPARE(qRound(bcpLabel->at.center().y()), 766);
        QVERIFY(cpcLabel->at.right() < X0 - 40);
    }

    void draftTexts_data()
    {
        // Values in drawing order: nose, overall, body, fin position, root, tip, offset, span,
        // diameter; overall 1000 units over the scale, whose longest candidate counts the tip
        // chord in whole mm, to the accuracy. The foot line starts at the body's edge, 20 mm out,
        // that is 20·1000/520.3 = 38.44 for a root ending 520.3 mm back, unless the tip's end is
        // the lowest point (540 mm back, at row 100 + 540·1000/540): then at the visible tip, 50
        // mm out, halved for three fins: 46.30 or 92.59. With a tip chord of 30.5 or 31.5 the
        // tip's end stands at row 100 + 540.5·1000/540 = 1100.9 or 100 + 541.5·1000/542 = 1099.1.
        using L = QList<double>; // fins: count, position, span, offset, tip
        columns<L, int, QString, double>("fins", "accuracy", "texts", "foot");
        // clang-format off
        row("overall in whole mm", L{3, 460.3, 30, 20, 30}, 0, " 100 520 400 460.3 60 30 20 30 40", 38.44);
        row("overall to a tenth", L{3, 460.3, 30, 20, 30}, 1, " 100 520.3 400 460.3 60 30 20 30 40", 38.44);
        row("no fin position", L{3, 0, 30, 20, 30}, 1, " 100 500 400 60 30 20 30 40", 40.0);
        row("no span, no fins", L{3, 440, 0, 20, 30}, 1, " 100 500 400 40", 40.0);
        row("swept forward", L{3, 440, 30, -10, 30}, 1, " 100 500 400 440 60 30 10 30 40", 40.0);
        row("tip lowest, three fins", L{3, 440, 30, 70, 30}, 1, " 100 540 400 440 60 30 70 30 40", 46.30);
        row("tip lowest, four fins", L{4, 440, 30, 70, 30}, 1, " 100 540 400 440 60 30 70 30 40", 92.59);
        row("tip 30.5 counts as 30", L{3, 440, 30, 70, 30.5}, 1, " 100 540 400 440 60 30.5 70 30 40", 37.04);
        row("tip 31.5 counts as 32", L{3, 440, 30, 70, 31.5}, 1, " 100 542 400 440 60 31.5 70 30 40", 36.90);
        // clang-format on
    }
    void draftTexts()
    {
        QFETCH(QList<double>, fins);
        QFETCH(int, accuracy);
        QFETCH(QString, texts);
        QFETCH(double, foot);
        RocketParams &r = m_design;
        std::tie(r.finCount, r.finPosition, r.finSpan, r.tipOffset, r.tipChord) =
            std::tuple(fins[0], fins[1], fins[2], fins[3], fins[4]);
        m_style.view = {ViewMode::Draft, 1, accuracy, Language::Russian};
        render();
        QList<Mark> values = of(kBlack, true);
        values.removeIf([](const Mark &m) { return m.text.contains(u'['); }); // marker labels
        QString printed;
        for (const Mark &m : std::as_const(values))
            printed += m.text;
        QCOMPARE(printed, r.rocketName + texts);
        const Mark &title = values[0]; // centred on row 50 over the axis
        QVERIFY(startsAt(&title, X0 - title.at.width() / 2, 50 - title.at.height() / 2));
        // Each value beside the middle of a vertical dimension line or its digits (not the blank)
        // centred below a horizontal one, whose ends carry a 45° tick 12 units across any scale.
        for (const Mark &v : values.mid(1)) {
            const double blank = QFontMetricsF(v.font, &m_page).horizontalAdvance(u' ') / kPx;
            const auto labels = [&](const Mark &l) {
                const QPointF a = l.at.topLeft(),
                              c = l.at.center() - v.at.center() + v.at.topLeft();
                return l.pen == kDimension && ticked(a) && ticked(l.at.bottomRight())
                       && startsAt(&v, l.at.width() ? c.x() - blank / 2 : a.x(),
                                   l.at.width() ? a.y() : c.y());
            };
            QVERIFY2(find(labels), qPrintable(v.text));
        }
        const Mark *footLine = find([](const Mark &m) {
            return m.pen == kDimension && m.at.height() == 0 && std::fabs(m.at.top() - 1100) < 0.01
                   && m.at.left() > X0;
        });
        QVERIFY(footLine);
        QNEAR(footLine->at.normalized().left() - X0, foot, 0.01);
    }

    void footLines_data()
    {
        // The centre of gravity 333 − 40·margin mm back.
        columns<double, bool, QString>("margin", "warns", "inscription");
        row("stable, an inscription", 1.25, false, "Q-42");
        row("insufficient, a Cyrillic inscription", 0.5, true, "Ракета Q-42");
        row("unstable, no inscription", 0.0, true, "");
        row("an inscription wider than the sheet", 1.25, false, QString(300, u'x'));
    }
    void footLines()
    {
        QFETCH(double, margin);
        QFETCH(bool, warns);
        QFETCH(QString, inscription);
        std::tie(m_design.cgPosition, m_design.inscription) =
            std::tuple(333 - 40 * margin, inscription);
        render(true);
        // Centred on the bottom line in the standing font, given back by the name's, at its paper
        // size; the inscription above, lower right or, wider than the sheet, from its left edge.
        const QList<Mark> red = of(kRed, true);
        QCOMPARE(red.size(), qsizetype(warns));
        if (warns) {
            QCOMPARE(red[0].text, m_result.warning);
            QVERIFY(startsAt(&red[0], X0 - red[0].at.width() / 2, 1200 - red[0].at.height()));
            QCOMPARE(red[0].font.pointSizeF(), 8.25);
            QCOMPARE(red[0].font.bold(), false);
        }
        const Mark *ink = inscription.isEmpty() ? nullptr : text(inscription);
        QCOMPARE(bool(ink), !inscription.isEmpty());
        if (ink)
            QCOMPARE(ink->at.bottom() + ink->at.height(), 1200.0);
        if (ink && ink->at.width() > 2 * X0)
            QCOMPARE(ink->at.left(), 0.0);
        else if (ink)
            QNEAR(ink->at.right(), 2 * X0 - 20, 10); // two plus signs, some 19 units, short
    }

    void sheet_data()
    {
        // Line width 3 throughout: an outline of 1 in the picture, 3 in the draft, 15 on paper, an
        // axis of 1; in pixels on paper, in a picture 2970 / 880 = 3.375 times the window's, whole.
        columns<bool, bool, bool, QColor, double>("hostile", "paper", "draft", "fill", "outline");
        row("picture view", false, false, false, QColor(230, 240, 255), 3.0);
        row("draft view", false, false, true, QColor(255, 255, 255), 10.0);
        row("draft on paper: five times the line width", false, true, true, QColor(), 15.0);
        row("hostile draft on paper", true, true, true, QColor(), 15.0);
    }
    void sheet()
    {
        QFETCH(bool, hostile);
        QFETCH(bool, paper);
        QFETCH(bool, draft);
        QFETCH(QColor, fill);
        QFETCH(double, outline);
        if (hostile)
            m_design = hostileDesign();
        m_style.view = {draft ? ViewMode::Draft : ViewMode::Picture, 3, 0, Language::Russian};
        const QDeadlineTimer deadline(500);
        QVERIFY(render(paper));
        QVERIFY(!deadline.hasExpired());
        QCOMPARE(m_sent, paper);
        const Mark *cleared = find([](const Mark &m) { return near(m.at, at(-X0, 0, X0, 1200)); });
        QCOMPARE(cleared ? cleared->fill : QColor(), fill);
        const Mark *axis = find([](const Mark &m) { return near(m.at, at(0, 100, 0, 1100)); });
        QVERIFY(axis);
        QCOMPARE(axis->pen, kDimension);
        QCOMPARE(axis->stroke.widthF(), paper ? 1.0 : 3.0);
        QCOMPARE(axis->stroke.style(), Qt::DashDotLine);
        // Outlines and dimensions in the draft, a filled body in the picture.
        QCOMPARE(of(kOutline).isEmpty(), !draft);
        QCOMPARE(of(kBody).isEmpty(), draft);
        QCOMPARE(of(kDimension).size() > 1, draft);
        // The outline at its width; nothing far beyond the sheet, no endless text.
        for (const Mark &m : std::as_const(m_page.marks)) {
            QVERIFY(std::fabs(m.at.top()) + std::fabs(m.at.bottom()) < 1e4);
            QVERIFY(m.text.size() <= 4096);
            if (m.pen == (draft ? kOutline : kBody))
                QCOMPARE(m.stroke.widthF(), outline);
        }
        if (paper)
            return;
        // Drawn a third as high, 990 pixels, every text is a third as long, give or take two
        // pixels and its font's rounding to whole pixels: half a pixel of the standing 12.
        Page small;
        small.height = 990;
        Canvas canvas(&small, Canvas::Kind::Picture);
        builder::rebuild(canvas, m_design, m_style);
        QList<Mark> texts[2] = {m_page.marks, small.marks};
        for (QList<Mark> &t : texts)
            t.removeIf([](const Mark &m) { return m.text.isEmpty(); });
        QCOMPARE(texts[1].size(), texts[0].size());
        QVERIFY(texts[0].size() > 10); // the name's letters; the draft's values and labels
        for (qsizetype i = 0; i < texts[0].size(); ++i)
            QNEAR(texts[0][i].at.width() / 3, texts[1][i].at.width(),
                  2 / kPx + texts[1][i].at.width() / 24);
    }

    void finEdges()
    {
        // The window's 622 × 880 pixels, 0.7331 a unit across, 0.7333 down: the left fin runs 43.3
        // px from its root at 384.24 units (281.7 px) to 325.24 (238.4), its leading edge from row
        // 980 to 1019.33 (718.7 to 747.5 px), its trailing edge from 1100 to 1080.33 (806.7 to
        // 792.2). Each column's fin lies within 1.5 px of both, its foot never steps back up.
        QImage image(622, 880, QImage::Format_RGB32);
        Canvas canvas(&image, Canvas::Kind::Picture);
        builder::rebuild(canvas, m_design, m_style);
        int foot = 0;
        for (int x = 0; x < 281; ++x) {
            const QImage fins =
                image.copy(x, 0, 1, 880).createMaskFromColor(kFins.rgb(), Qt::MaskOutColor);
            const QRect fin = QRegion(QBitmap::fromImage(fins)).boundingRect();
            QCOMPARE(fin.isEmpty(), x < 238); // nothing past the tip
            if (x < 238)
                continue;
            QNEAR(fin.top(), 718.7 + 28.8 * (281.2 - x) / 43.3, 1.5);
            QNEAR(fin.bottom(), 806.7 - 14.5 * (281.2 - x) / 43.3, 1.5);
            QVERIFY(fin.bottom() >= std::exchange(foot, fin.bottom()));
        }
    }

    void startHints()
    {
        m_design = RocketParams();
        QVERIFY(!render(true));
        QCOMPARE(m_page.marks.size(), 0); // paper gets nothing
        QVERIFY(!render());
        // On the face colour of buttons, five lines from the middle down, the third blank, all
        // starting where the first is centred.
        QVERIFY(has(at(-X0, 0, X0, 1200), QColor(), qGuiApp->palette().color(QPalette::Button)));
        const QList<Mark> hint = of(kBlack, true);
        QCOMPARE(hint.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(startsAt(&hint[i], X0 - hint[0].at.width() / 2,
                             600 + (i + i / 2) * hint[0].at.height()));
        std::tie(m_design.finSpan, m_design.rootChord) = std::tuple(50, 60);
        QVERIFY(render()); // fins alone are something to draw
    }

    void nothingNotFinite()
    {
        // A design file can hold numbers whose drawn size overflows; none of it reaches the
        // painter.
        Canvas canvas(&m_page, Canvas::Kind::Picture);
        m_page.marks.clear();
        canvas.line(qQNaN(), 100, 400, 400, kRed);
        canvas.filledBox(100, 100, qInf(), qInf(), kRed);
        canvas.circle(400, 300, qInf());
        canvas.sector(400, 300, 50, kRed, 0.01, qQNaN());
        canvas.setCurrentX(qQNaN());
        canvas.print(u"W"_s);
        QCOMPARE(m_page.marks.size(), 0);
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
