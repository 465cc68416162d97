// Faults a rocketeer would notice: a part, label, dimension or text of the drawing wrong, missing
// or misplaced; the wrong scale or printer line factor; a drawing that ignores the colours, view,
// line width, accuracy or language it is given, or prints the warning in the name's font; a canvas
// letting a wider pen, an unclipped or a non-finite shape through; a hostile design that hangs.

#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/drawscale.h"
#include "drawing/drawstyle.h"
#include "drawing/hostiledesign.h"
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
        for (int i = 0; i < n; ++i)
            add(QRectF(l[i].p1(), l[i].p2()), false);
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

// The texts of a page in a colour (invalid: any), in the order they were printed.
QList<Mark> texts(QList<Mark> marks, const QColor &pen = {})
{
    marks.removeIf(
        [&](const Mark &m) { return m.text.isEmpty() || (pen.isValid() && m.pen != pen); });
    return marks;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

    Page m_page;
    RocketParams m_design;
    DrawStyle m_style;
    bool m_sent = false; // the page left the printer within the rebuild

    // Corners (x1, y1) and (x2, y2), x from the axis; a line runs from the one to the other.
    static QRectF at(double x1, double y1, double x2, double y2)
    {
        return {X0 + x1, y1, x2 - x1, y2 - y1};
    }
    static bool near(QPointF p, QPointF q) { return (p - q).manhattanLength() < 0.02; }
    static bool near(const QRectF &a, const QRectF &b) // either way round for a line
    {
        return (near(a.topLeft(), b.topLeft()) && near(a.bottomRight(), b.bottomRight()))
               || (near(a.topLeft(), b.bottomRight()) && near(a.bottomRight(), b.topLeft()));
    }
    bool render(bool printer = false)
    {
        m_page.marks.clear();
        Canvas canvas(&m_page, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        const bool drawn = builder::rebuild(canvas, m_design, m_style).drawable();
        m_sent = !canvas.isActive();
        return drawn;
    }
    const Mark *find(const std::function<bool(const Mark &)> &match) const
    {
        const auto it = std::find_if(m_page.marks.begin(), m_page.marks.end(), match);
        return it == m_page.marks.end() ? nullptr : &*it;
    }
    // Shapes in a pen and a fill (invalid: any) at a place (null: anywhere).
    qsizetype count(const QColor &pen, const QRectF &place = {}, const QColor &fill = {}) const
    {
        return std::count_if(m_page.marks.begin(), m_page.marks.end(), [&](const Mark &m) {
            return m.pen == pen && m.text.isEmpty() && (!fill.isValid() || m.fill == fill)
                   && (place.isNull() || near(m.at, place));
        });
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
        // W − 1 steps of T/W down to W − 1 steps of (C + T − R)/W: the full span's 99 out, at
        // 980 + 59·40/60, 1100 − 59·20/60; three fins show the right at half span, 50 out.
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
        const auto [shape, fins, offset, pen, place, n] =
            fetch<QString, double, double, QColor, QRectF, int>("shape", "fins", "offset", "pen",
                                                                "place", "n");
        std::tie(m_design.noseShape, m_design.finCount, m_design.tipOffset) =
            std::tuple(shape, fins, offset);
        const bool draft = pen == kOutline || pen == kDimension;
        m_style.view.viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
        render();
        QCOMPARE(count(pen, place), n);
    }

    void nameFits()
    {
        // Bold, one letter a line centred on the axis, the first a line below a tenth of the
        // body (row 380), the fourteen letters within half the body's 800 units.
        render();
        const QList<Mark> letters = texts(m_page.marks, kName);
        QCOMPARE(letters.size(), m_design.rocketName.size());
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const QRectF &at = letters[i].at;
            QCOMPARE(letters[i].text, m_design.rocketName.at(i));
            QVERIFY(letters[i].font.bold());
            QVERIFY(near(at.topLeft(), {X0 - at.width() / 2, 380 + (i + 1) * at.height()}));
        }
        QVERIFY(letters.last().at.bottom() <= 380 + 400 + letters[0].at.height());
    }

    void markers_data()
    {
        // Body colour sums 190 and 200 and red + green 90 and 100 either side of the dark
        // thresholds; labels only in the draft, in the view's language.
        columns<RgbColour, bool, int, QColor, QColor, QString>("body", "draft", "language", "cgPen",
                                                               "bcpPen", "labels");
        const QColor bg = qGuiApp->palette().color(QPalette::Base), blue(0, 0, 192),
                     cyan(0, 192, 192);
        const Language ru = Language::Russian, en = Language::English;
        // clang-format off
        row("sum 190, red + green 100", RgbColour{100, 0, 90}, false, ru, bg, blue, "");
        row("sum 200, red + green 90", RgbColour{60, 30, 110}, false, en, kBlack, cyan, "");
        row("in Russian", RgbColour{0, 0, 0}, true, ru, kBlack, blue, "цт[250]цдб[333]цап[317]");
        row("in English", RgbColour{0, 0, 0}, true, en, kBlack, blue, "cg[250]bcp[333]cpc[317]");
        // clang-format on
    }
    void markers()
    {
        const auto [body, draft, language, cgPen, bcpPen, labels] =
            fetch<RgbColour, bool, int, QColor, QColor, QString>("body", "draft", "language",
                                                                 "cgPen", "bcpPen", "labels");
        m_style.colours.bodyColour = body;
        m_style.view = {draft ? ViewMode::Draft : ViewMode::Picture, 1, 0, Language(language)};
        render();
        // Centre of gravity: ring, cross, upper-right and lower-left quarters filled. Centres of
        // pressure, drawn alike: a dot of a quarter of the radius (Barrowman's) in a ring.
        const double y = 600, k = kRing;
        QCOMPARE(count(cgPen, at(-k, y - k, k, y + k)), 1);
        QCOMPARE(count(cgPen, at(-k, y, k, y)), 1);
        QCOMPARE(count(cgPen, at(0, y - k, 0, y + k)), 1);
        QCOMPARE(count(cgPen, at(0, y - k, k, y), cgPen), 1);
        QCOMPARE(count(cgPen, at(-k, y, 0, y + k), cgPen), 1);
        QCOMPARE(count(bcpPen, at(-k / 4, 766 - k / 4, k / 4, 766 + k / 4), bcpPen), 1);
        QCOMPARE(count(kPurple, at(-k, 734 - k, k, 734 + k)), 1);
        // Centre of gravity, Barrowman's and the projection's centre in drawing order; each label
        // right of the body (the projection's left of it), level with its mark.
        QList<Mark> label = texts(m_page.marks);
        label.removeIf([](const Mark &m) { return !m.text.contains(u'['); });
        QCOMPARE(label.size(), draft ? 3 : 0);
        if (!draft)
            return;
        QCOMPARE(label[0].text + label[1].text + label[2].text, labels);
        QVERIFY(label[0].at.left() > X0 + 40);
        QVERIFY(label[1].at.left() > label[0].at.right());
        QCOMPARE(qRound(label[1].at.center().y()), 766);
        QCOMPARE(qRound(label[2].at.center().y()), 734);
        QVERIFY(label[2].at.right() < X0 - 40);
    }

    void draftTexts_data()
    {
        // Values in drawing order: nose, overall, body, fin position, root, tip, offset (its size),
        // span, diameter; overall 1000 units over the scale, whose longest candidate counts the
        // tip chord in whole mm, to the accuracy. The foot line starts at the body's edge, 20 mm
        // out, that is 20·1000/520.3 = 38.44 for a root ending 520.3 mm back, unless the tip's end
        // is the lowest point, at row 1100: then at the visible tip, 50 mm out, halved for three
        // fins: 25·1000/540.3 = 46.27; four: 50·1000/540 = 92.59. A tip chord of 30.5 or 31.5 puts
        // the tip's end on row 100 + 540.5·1000/540 = 1100.9 or 100 + 541.5·1000/542 = 1099.1.
        using L = QList<double>; // fins: count, position, span, offset, tip
        columns<L, int, QString, double>("fins", "accuracy", "texts", "foot");
        // clang-format off
        row("overall in whole mm, swept forward", L{3, 460.3, 30, -10, 30}, 0, " 100 520 400 460.3 60 30 10 30 40", 38.44);
        row("overall to a tenth, tip lowest, three fins", L{3, 460.3, 30, 50, 30}, 1, " 100 540.3 400 460.3 60 30 50 30 40", 46.27);
        row("no fin position", L{3, 0, 30, 20, 30}, 1, " 100 500 400 60 30 20 30 40", 40.0);
        row("no span, no fins", L{3, 440, 0, 20, 30}, 1, " 100 500 400 40", 40.0);
        row("tip lowest, four fins", L{4, 440, 30, 70, 30}, 1, " 100 540 400 440 60 30 70 30 40", 92.59);
        row("tip 30.5 counts as 30", L{3, 440, 30, 70, 30.5}, 1, " 100 540 400 440 60 30.5 70 30 40", 37.04);
        row("tip 31.5 counts as 32", L{3, 440, 30, 70, 31.5}, 1, " 100 542 400 440 60 31.5 70 30 40", 36.90);
        // clang-format on
    }
    void draftTexts()
    {
        const auto [fins, accuracy, expected, foot] =
            fetch<QList<double>, int, QString, double>("fins", "accuracy", "texts", "foot");
        RocketParams &r = m_design;
        std::tie(r.finCount, r.finPosition, r.finSpan, r.tipOffset, r.tipChord) =
            std::tuple(fins[0], fins[1], fins[2], fins[3], fins[4]);
        m_style.view = {ViewMode::Draft, 1, accuracy, Language::Russian};
        render();
        QList<Mark> values = texts(m_page.marks, kBlack);
        values.removeIf([](const Mark &m) { return m.text.contains(u'['); }); // marker labels
        QString printed;
        for (const Mark &m : std::as_const(values))
            printed += m.text;
        QCOMPARE(printed, r.rocketName + expected);
        const QRectF title = values[0].at; // centred on row 50 over the axis
        QVERIFY(near(title.topLeft(), {X0 - title.width() / 2, 50 - title.height() / 2}));
        // Each value beside the middle of a vertical dimension line or its digits (not the blank)
        // centred below a horizontal one, whose ends carry a 45° tick 12 units across any scale.
        const auto ticked = [&](QPointF p) {
            return count(kDimension, {p - QPointF(6, -6), p + QPointF(6, -6)}) > 0;
        };
        for (const Mark &v : values.mid(1)) {
            const double blank = QFontMetricsF(v.font, &m_page).horizontalAdvance(u' ') / kPx;
            const auto labels = [&](const Mark &l) {
                const QPointF a = l.at.topLeft(),
                              c = l.at.center() - v.at.center() + v.at.topLeft();
                return l.pen == kDimension && ticked(a) && ticked(l.at.bottomRight())
                       && near(v.at.topLeft(), l.at.width() ? QPointF(c.x() - blank / 2, a.y())
                                                            : QPointF(a.x(), c.y()));
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
        // The centre of gravity 333 − 40·margin mm back: a warning below 1.
        columns<double, bool, QString>("margin", "warns", "inscription");
        row("insufficient, a Cyrillic inscription", 0.5, true, "Ракета Q-42");
        row("stable, an inscription wider than the sheet", 1.25, false, QString(300, u'x'));
    }
    void footLines()
    {
        const auto [margin, warns, inscription] =
            fetch<double, bool, QString>("margin", "warns", "inscription");
        std::tie(m_design.cgPosition, m_design.inscription) =
            std::tuple(333 - 40 * margin, inscription);
        render(true);
        // Centred on the bottom line in the standing font, given back by the name's, at its paper
        // size; the inscription above, lower right or, wider than the sheet, from its left edge.
        const QList<Mark> red = texts(m_page.marks, kRed), black = texts(m_page.marks, kBlack);
        QCOMPARE(red.size(), qsizetype(warns));
        if (warns) {
            const QRectF warning = red[0].at;
            QVERIFY(near(warning.topLeft(), {X0 - warning.width() / 2, 1200 - warning.height()}));
            QCOMPARE(red[0].font.pointSizeF(), 8.25);
        }
        QCOMPARE(black.size(), 1);
        QCOMPARE(black[0].text, inscription);
        const QRectF ink = black[0].at;
        QCOMPARE(ink.bottom() + ink.height(), 1200.0);
        if (ink.width() > 2 * X0)
            QCOMPARE(ink.left(), 0.0);
        else
            QNEAR(ink.right(), 2 * X0 - 20, 10); // two plus signs, some 19 units, short
    }

    void sheet_data()
    {
        // Line width 3 throughout: an outline of 1 in the picture, 3 in the draft, 15 on paper, an
        // axis of 1; in pixels on paper, in a picture 2970 / 880 = 3.375 times the window's, whole.
        // On paper a hostile design, drawn in time, clipped to the sheet, its texts cut short.
        columns<bool, bool, QColor, double>("paper", "draft", "fill", "outline");
        row("picture view", false, false, QColor(230, 240, 255), 3.0);
        row("draft view", false, true, QColor(255, 255, 255), 10.0);
        row("hostile draft on paper: five times the line width", true, true, QColor(), 15.0);
    }
    void sheet()
    {
        const auto [paper, draft, fill, outline] =
            fetch<bool, bool, QColor, double>("paper", "draft", "fill", "outline");
        if (paper)
            m_design = hostileDesign();
        m_style.view = {draft ? ViewMode::Draft : ViewMode::Picture, 3, 0, Language::Russian};
        const QDeadlineTimer deadline(500);
        QVERIFY(render(paper));
        QVERIFY(!deadline.hasExpired());
        QCOMPARE(m_sent, paper);
        QCOMPARE(count(QColor(), at(-X0, 0, X0, 1200), fill), qsizetype(!paper)); // cleared
        const Mark *axis = find([](const Mark &m) { return near(m.at, at(0, 100, 0, 1100)); });
        QVERIFY(axis);
        QCOMPARE(axis->pen, kDimension);
        QCOMPARE(axis->stroke.widthF(), paper ? 1.0 : 3.0);
        QCOMPARE(axis->stroke.style(), Qt::DashDotLine);
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
        const QList<Mark> large = texts(m_page.marks), third = texts(small.marks);
        QCOMPARE(third.size(), large.size());
        QVERIFY(large.size() > 10); // the name's letters; the draft's values and labels
        for (qsizetype i = 0; i < large.size(); ++i)
            QNEAR(large[i].at.width() / 3, third[i].at.width(), 2 / kPx + third[i].at.width() / 24);
    }

    void finEdges()
    {
        // The window's 622 × 880 pixels, 0.7331 a unit across, 0.7333 down: the left fin runs 43.3
        // px from its root at 384.24 units (281.7 px) to 325.24 (238.4), its leading edge from row
        // 980 to 1019.33 (718.7 to 747.5 px), its trailing edge from 1100 to 1080.33 (806.7 to
        // 792.2). Each column's fin lies within 1.5 px of both.
        QImage image(622, 880, QImage::Format_RGB32);
        Canvas canvas(&image, Canvas::Kind::Picture);
        builder::rebuild(canvas, m_design, m_style);
        for (int x = 238; x < 281; ++x) {
            const QImage fins =
                image.copy(x, 0, 1, 880).createMaskFromColor(kFins.rgb(), Qt::MaskOutColor);
            const QRect fin = QRegion(QBitmap::fromImage(fins)).boundingRect();
            QNEAR(fin.top(), 718.7 + 28.8 * (281.2 - x) / 43.3, 1.5);
            QNEAR(fin.bottom(), 806.7 - 14.5 * (281.2 - x) / 43.3, 1.5);
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
        const QColor face = qGuiApp->palette().color(QPalette::Button);
        QCOMPARE(count(QColor(), at(-X0, 0, X0, 1200), face), 1);
        const QList<Mark> hint = texts(m_page.marks);
        QCOMPARE(hint.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY(near(hint[i].at.topLeft(),
                         {X0 - hint[0].at.width() / 2, 600 + (i + i / 2) * hint[0].at.height()}));
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
        canvas.sector(400, 300, 50, kRed, 0.01, qQNaN());
        QCOMPARE(m_page.marks.size(), 0);
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
