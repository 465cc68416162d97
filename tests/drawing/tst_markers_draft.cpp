#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/picturesurface.h"
#include "drawing/sheet.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include <cmath>
#include <functional>

Q_DECLARE_METATYPE(RgbColour)

// Markers, warnings and the draft's dimensioning on a sheet 1200 pixels high
// (one canvas unit a pixel down, 848/848.48 of one across).

namespace {

const QColor kBcpBlue(0, 0, 192);
const QColor kBcpCyan(0, 192, 192);
const QColor kCpcPurple(192, 0, 192);
const QColor kDimensionGrey(210, 210, 210);
const QString kUnstable = QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
const QString kInsufficient = QStringLiteral("Запас устойчивости недостаточен!");

int markerRow(double position)
{
    return qRound(settings::noseTipY + position * settings::drawScale);
}

bool is(const QImage &image, int x, int y, const QColor &colour)
{
    return image.valid(x, y) && image.pixel(x, y) == colour.rgb();
}

QRect inkBounds(const QImage &image, const QRect &area, const std::function<bool(QColor)> &match)
{
    QRect found;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (match(image.pixelColor(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

// Darker than the paper, the picture background and the dimension grey.
bool dark(QColor c)
{
    return c.red() + c.green() + c.blue() < 450;
}

// Width of a text, or with an empty text the line height, in the sheet's standing font.
double standing(const QString &text = QString())
{
    QImage scratch(PictureSurface::sizeForHeight(1200), QImage::Format_RGB32);
    Canvas canvas(&scratch, Canvas::Kind::Picture);
    canvas.setUserScale(0, 0, settings::canvasWidth, settings::canvasHeight);
    return text.isEmpty() ? canvas.textHeight(QStringLiteral("L")) : canvas.textWidth(text);
}

} // namespace

class TestMarkersDraft : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        settings::reset();
        standardDesign();
        settings::rocket.cgPosition = 250; // row 600, well ahead of both centres of pressure
    }
    void markerColours_data();
    void markerColours();
    void labelsOnlyInDraft_data();
    void labelsOnlyInDraft();
    void draftDimensionColumns_data();
    void draftDimensionColumns();
    void startHints_data();
    void startHints();
    void footLines_data();
    void footLines();
    void outputFields_data();
    void outputFields();
};

void TestMarkersDraft::markerColours_data()
{
    QTest::addColumn<RgbColour>("body");
    QTest::addColumn<bool>("draft");
    QTest::addColumn<bool>("cgOnWindowColour"); // else black
    QTest::addColumn<QColor>("bcp");

    QTest::newRow("light body") << RgbColour{60, 160, 60} << false << false << kBcpBlue;
    // Sum 190 and red + green 90: both markers change.
    QTest::newRow("dark purple body") << RgbColour{60, 30, 100} << false << true << kBcpCyan;
    // Sum 190 changes the centre of gravity; red + green 170 keeps BCP blue.
    QTest::newRow("dark red body") << RgbColour{150, 20, 20} << false << true << kBcpBlue;
    QTest::newRow("sum exactly 200 stays black") << RgbColour{100, 0, 100} << false << false << kBcpBlue;
    QTest::newRow("red + green exactly 100 stays blue")
        << RgbColour{100, 0, 150} << false << false << kBcpBlue;
    QTest::newRow("black body") << RgbColour{0, 0, 0} << false << true << kBcpCyan;
    QTest::newRow("draft ignores the body colour") << RgbColour{0, 0, 0} << true << false << kBcpBlue;
}

void TestMarkersDraft::markerColours()
{
    QFETCH(RgbColour, body);
    QFETCH(bool, draft);
    QFETCH(bool, cgOnWindowColour);
    QFETCH(QColor, bcp);
    settings::colours.bodyColour = body;
    settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
    const QImage image = render();
    const int x = column(image, settings::axisX);

    // On a dark body: the window background, the colour behind text in windows.
    const QColor cg = cgOnWindowColour ? QGuiApplication::palette().color(QPalette::Base) : QColor(Qt::black);
    const int y = markerRow(settings::rocket.cgPosition);
    // Upper-right and lower-left quarters filled, the other two not.
    QVERIFY(is(image, x + 4, y - 4, cg) && is(image, x - 4, y + 4, cg));
    QVERIFY(!is(image, x - 4, y - 4, cg) && !is(image, x + 4, y + 4, cg));

    // A dot of radius 2.1 in a ring of radius axis X / 50 = 8.48, hollow between.
    const auto dotInRing = [&](double position, const QColor &colour) {
        const int yc = markerRow(position);
        bool ring = false, hollow = true;
        for (int dx = 3; dx <= 10; ++dx) {
            ring = ring || (dx >= 7 && is(image, x + dx, yc, colour));
            hollow = hollow && (dx > 6 || !is(image, x + dx, yc, colour));
        }
        return is(image, x, yc, colour) && hollow && ring;
    };
    QVERIFY(settings::rocket.bcpPosition > 0 && settings::rocket.cpcPosition > 0);
    QVERIFY(dotInRing(settings::rocket.bcpPosition, bcp));
    QVERIFY(dotInRing(settings::rocket.cpcPosition, kCpcPurple));
}

void TestMarkersDraft::labelsOnlyInDraft_data()
{
    QTest::addColumn<int>("marker"); // 0 centre of gravity, 1 BCP, 2 CPC
    QTest::addColumn<bool>("draft");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("labelled");

    QTest::newRow("cg, picture") << 0 << false << 0 << false;
    QTest::newRow("cg, draft") << 0 << true << 0 << true;
    QTest::newRow("cg, draft, English") << 0 << true << 1 << true;
    QTest::newRow("cg, draft, unknown language") << 0 << true << 2 << false;
    QTest::newRow("bcp, picture") << 1 << false << 0 << false;
    QTest::newRow("bcp, draft") << 1 << true << 0 << true;
    QTest::newRow("cpc, picture") << 2 << false << 1 << false;
    QTest::newRow("cpc, draft") << 2 << true << 1 << true;
    QTest::newRow("cpc, draft, unknown language") << 2 << true << 2 << false;
}

void TestMarkersDraft::labelsOnlyInDraft()
{
    QFETCH(int, marker);
    QFETCH(bool, draft);
    QFETCH(int, language);
    QFETCH(bool, labelled);
    settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
    settings::language = language;
    const QImage image = render();

    // The centre-of-gravity label right of the body, its middle level with
    // the top of the ring; the BCP label right of the body at the dot's
    // height, further out; the CPC label left of the body.
    const int right = column(image, settings::axisX + 40);
    const int left = column(image, settings::axisX - 40);
    const RocketParams &r = settings::rocket;
    const QRect area =
        marker == 0   ? QRect(right + 3, qRound(markerRow(r.cgPosition) - settings::axisX / 50) - 5, 80, 11)
        : marker == 1 ? QRect(right + 3, markerRow(r.bcpPosition) - 5, 150, 11)
                      : QRect(left - 153, markerRow(r.cpcPosition) - 5, 150, 11);
    QCOMPARE(!inkBounds(image, area, dark).isNull(), labelled);
}

void TestMarkersDraft::draftDimensionColumns_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("line");

    // Diameter 40, span 30, longest extent 600 (scale 1000/600): fin tip
    // lines at 424.24 ± 83.33, columns a fifth of the room between them and
    // the sheet's edges apart. The nose ends at row 266.7; the fins run from
    // 833.3 (the tip from 866.7) to 933.3.
    QTest::newRow("right 1 is left free") << 575.76 << 450 << false;
    QTest::newRow("right 2: body length") << 643.94 << 450 << true;
    QTest::newRow("right 3: overall length") << 712.12 << 450 << true;
    QTest::newRow("left 1: tip chord") << 272.73 << 880 << true;
    QTest::newRow("left 2: tip offset") << 204.55 << 860 << true;
    QTest::newRow("left 2 only beside the offset") << 204.55 << 300 << false;
    QTest::newRow("left 3: fin position") << 136.36 << 300 << true;
    QTest::newRow("left 3: root chord") << 136.36 << 920 << true;
}

void TestMarkersDraft::draftDimensionColumns()
{
    QFETCH(double, x);
    QFETCH(int, y);
    QFETCH(bool, line);
    settings::rocket.bodyLength = 500;
    settings::rocket.tipChord = 40;
    settings::rocket.tipOffset = 20;
    settings::viewMode = ViewMode::Draft;
    const QImage image = render();
    QCOMPARE(settings::drawScale, 1000.0 / 600.0);

    const int at = column(image, x);
    const QRect grey = inkBounds(image, QRect(at - 4, y, 9, 1), [](QColor c) { return c == kDimensionGrey; });
    QCOMPARE(!grey.isNull(), line);
    if (line)
        QVERIFY(grey.left() >= at - 1 && grey.right() <= at + 1);
}

void TestMarkersDraft::startHints_data()
{
    QTest::addColumn<bool>("printer");
    QTest::newRow("picture shows the hints") << false;
    QTest::newRow("printer prints nothing") << true;
}

void TestMarkersDraft::startHints()
{
    QFETCH(bool, printer);
    settings::rocket = RocketParams();
    settings::rocket.bcpPosition = 123;
    QImage image(PictureSurface::sizeForHeight(1200), QImage::Format_RGB32);
    const QColor untouched(1, 2, 3);
    image.fill(untouched);
    {
        Canvas canvas(&image, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        QVERIFY(!builder::rebuild(canvas));
    }
    QCOMPARE(settings::rocket.bcpPosition, 123.0); // outputs left alone
    const QColor face = printer ? untouched : QGuiApplication::palette().color(QPalette::Button);
    QCOMPARE(image.pixelColor(2, 2), face);
    const QRect text = inkBounds(image, image.rect(), [&](QColor c) { return c != face; });
    QCOMPARE(text.isNull(), printer);
    if (printer)
        return;
    // Five lines from the middle of the sheet downwards.
    QVERIFY(text.top() >= 600 && text.top() <= 606);
    QVERIFY(text.bottom() <= 600 + 5 * standing());
}

void TestMarkersDraft::footLines_data()
{
    QTest::addColumn<double>("margin");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("inscription");

    QTest::newRow("1.25: stable") << 1.25 << QString() << QString();
    QTest::newRow("exactly 1: stable") << 1.0 << QString() << QStringLiteral("Q-42");
    QTest::newRow("0.996 shows as 1 but warns") << 0.996 << kInsufficient << QStringLiteral("Ракета Q");
    QTest::newRow("0.5: insufficient") << 0.5 << kInsufficient << QString();
    QTest::newRow("0: unstable") << 0.0 << kUnstable << QStringLiteral("Q-42");
    QTest::newRow("-0.5: unstable") << -0.5 << kUnstable << QString();
}

void TestMarkersDraft::footLines()
{
    QFETCH(double, margin);
    QFETCH(QString, message);
    QFETCH(QString, inscription);
    render(); // finds the Barrowman centre
    settings::rocket.cgPosition = settings::rocket.bcpPosition - margin * settings::rocket.bodyDiameter;
    settings::rocket.inscription = inscription;
    const QImage image = render();
    QVERIFY(settings::rocket.bcpStability.has_value());
    QNEAR(*settings::rocket.bcpStability, margin, 1e-9);

    // The warning: red, centred on the bottom line, as wide as the message.
    const double h = standing();
    const QRect red = inkBounds(image, QRect(0, qFloor(1200 - h) - 1, image.width(), qCeil(h) + 1),
                                [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; });
    QCOMPARE(red.isNull(), message.isEmpty());
    if (!message.isEmpty()) {
        QNEAR((red.left() + red.right() + 1) / 2.0, image.width() / 2.0, 3);
        QNEAR(red.width(), standing(message), 4);
    }

    // The inscription: black, on the line above, ending two plus signs short of the right edge.
    const QRect black = inkBounds(image, QRect(image.width() / 2, qFloor(1200 - 3 * h), image.width(), 1200),
                                  [](QColor c) { return c.red() + c.green() + c.blue() < 150; });
    QCOMPARE(black.isNull(), inscription.isEmpty());
    if (inscription.isEmpty())
        return;
    const double end = settings::canvasWidth - standing(QStringLiteral("++"));
    QVERIFY(black.right() <= end + 1 && black.right() >= end - 4);
    QNEAR(black.left(), end - standing(inscription), 3);
    QVERIFY(black.top() >= 1200 - 2 * h - 1 && black.bottom() <= 1200 - h + 1);
}

void TestMarkersDraft::outputFields_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("margin"); // NaN: no margin
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("shownPosition");
    QTest::addColumn<QString>("shownMargin");

    const double none = std::nan("");
    QTest::newRow("margin 0.996 shows as 1") << 549.0 << 0.996 << 0 << "549"
                                             << "1";
    QTest::newRow("margin 1.25") << 350.0 << 1.25 << 0 << "350"
                                 << "1.25";
    QTest::newRow("margin 0.5") << 350.0 << 0.5 << 0 << "350"
                                << "0.5";
    QTest::newRow("margin 2.675, half to even") << 350.0 << 2.675 << 0 << "350"
                                                << "2.68";
    QTest::newRow("no margin") << 350.0 << none << 0 << "350"
                               << "";
    QTest::newRow("position at 1 mm") << 312.4567 << 1.0 << 0 << "312"
                                      << "1";
    QTest::newRow("position at 0.1 mm") << 312.4567 << 1.0 << 1 << "312.5"
                                        << "1";
}

void TestMarkersDraft::outputFields()
{
    QFETCH(double, position);
    QFETCH(double, margin);
    QFETCH(int, accuracy);
    QFETCH(QString, shownPosition);
    QFETCH(QString, shownMargin);
    RocketParams record;
    record.bcpPosition = record.cpcPosition = position;
    if (!std::isnan(margin))
        record.bcpStability = record.cpcStability = margin;
    const auto texts = builder::outputFieldTexts(record, accuracy);
    QCOMPARE(QStringList(texts.begin(), texts.end()),
             (QStringList{shownPosition, shownMargin, shownPosition, shownMargin}));
}

QTEST_MAIN(TestMarkersDraft)
#include "tst_markers_draft.moc"
