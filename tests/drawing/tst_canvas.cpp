#include "core/settings.h"
#include "drawing/builder.h"
#include "drawing/canvas.h"
#include "drawing/hostiledesign.h"
#include "drawing/picturesurface.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QColor kInk(200, 0, 0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

QRect inkBounds(const QImage &image)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kInk.rgb())
                found |= QRect(x, y, 1, 1);
    return found;
}

// A white image of `size` with whatever `draw` does on a canvas over the whole sheet.
QImage drawn(QSize size, const std::function<void(Canvas &)> &draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image, Canvas::Kind::Picture);
    canvas.setUserScale(0, 0, settings::canvasWidth, settings::canvasHeight);
    draw(canvas);
    return image;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

  private slots:
    void init() { settings::reset(); }
    void userScaleAndLineWidth_data();
    void userScaleAndLineWidth();
    void nonFiniteDrawsNothing_data();
    void nonFiniteDrawsNothing();
    void hostileDesignRebuilds_data();
    void hostileDesignRebuilds();
    void cursor_data();
    void cursor();
    void sectorQuarters_data();
    void sectorQuarters();
};

void TestCanvas::userScaleAndLineWidth_data()
{
    QTest::addColumn<int>("height"); // device pixels for the sheet's 1200 units
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("degenerateBox");

    QTest::newRow("1 px at half size") << 600 << 1 << false;
    QTest::newRow("3 px at half size") << 600 << 3 << false;
    QTest::newRow("3 px at one unit a pixel") << 1200 << 3 << false;
    QTest::newRow("2 px on an A4 page at 300 dpi") << 3508 << 2 << false;
    QTest::newRow("box of no width, 3 px at double size") << 2400 << 3 << true;
}

void TestCanvas::userScaleAndLineWidth()
{
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(bool, degenerateBox);
    const QSize device = PictureSurface::sizeForHeight(height);
    const QImage image = drawn(device, [&](Canvas &canvas) {
        QCOMPARE(canvas.scaleWidth(), settings::canvasWidth);
        QCOMPARE(canvas.scaleHeight(), settings::canvasHeight);
        canvas.setLineWidth(width);
        // Down the middle of the sheet from a quarter to three quarters of its height.
        if (degenerateBox)
            canvas.filledBox(settings::canvasWidth / 2, 300, settings::canvasWidth / 2, 900, kInk);
        else
            canvas.line(settings::canvasWidth / 2, 300, settings::canvasWidth / 2, 900, kInk);
    });
    const QRect r = inkBounds(image);
    QVERIFY(std::fabs((r.left() + r.right() + 1) / 2.0 - device.width() / 2.0) <= 1);
    QVERIFY(std::fabs(r.top() - height / 4.0) <= width + 1);
    QVERIFY(std::fabs(r.bottom() + 1 - height * 3 / 4.0) <= width + 1);
    // The pen keeps its width in device pixels whatever the scale.
    int across = 0;
    for (int x = 0; x < image.width(); ++x)
        across += image.pixel(x, height / 2) == kInk.rgb();
    QCOMPARE(across, width);
}

void TestCanvas::nonFiniteDrawsNothing_data()
{
    QTest::addColumn<int>("primitive");
    const char *names[] = {"line from NaN",
                           "line to infinity",
                           "box with a NaN corner",
                           "filled box to infinity",
                           "filled box from -inf to +inf",
                           "circle at NaN",
                           "circle of infinite radius",
                           "sector to a NaN angle",
                           "print at a NaN cursor"};
    for (int i = 0; i < 9; ++i)
        QTest::newRow(names[i]) << i;
}

void TestCanvas::nonFiniteDrawsNothing()
{
    QFETCH(int, primitive);
    const std::function<void(Canvas &)> calls[] = {
        [](Canvas &c) { c.line(kNaN, 100, 400, 400, kInk); },
        [](Canvas &c) { c.line(100, 100, kInf, 400, kInk); },
        [](Canvas &c) { c.box(100, 100, 400, kNaN, kInk); },
        [](Canvas &c) { c.filledBox(100, 100, kInf, kInf, kInk); },
        [](Canvas &c) { c.filledBox(-kInf, -kInf, kInf, kInf, kInk); },
        [](Canvas &c) { c.circle(kNaN, 300, 50, kInk); },
        [](Canvas &c) { c.circle(400, 300, kInf, kInk); },
        [](Canvas &c) { c.sector(400, 300, 50, kInk, 0.01, kNaN); },
        [](Canvas &c) {
            c.setCurrentX(kNaN);
            c.print(QStringLiteral("WWW"));
        },
    };
    const QImage image = drawn(QSize(424, 600), [&](Canvas &canvas) {
        canvas.setFillStyle(Canvas::FillSolid);
        canvas.setFillColour(kInk);
        canvas.setTextColour(kInk);
        calls[primitive](canvas);
    });
    QVERIFY(inkBounds(image).isNull());
}

void TestCanvas::hostileDesignRebuilds_data()
{
    QTest::addColumn<bool>("draft");
    QTest::addColumn<bool>("printer");
    QTest::newRow("picture") << false << false;
    QTest::newRow("draft") << true << false;
    QTest::newRow("draft on a printer") << true << true;
}

void TestCanvas::hostileDesignRebuilds()
{
    QFETCH(bool, draft);
    QFETCH(bool, printer);
    loadHostileDesign();
    const RocketParams &r = settings::rocket;
    settings::viewMode = draft ? ViewMode::Draft : ViewMode::Picture;

    QImage image(PictureSurface::sizeForHeight(1200), QImage::Format_RGB32);
    {
        Canvas canvas(&image, printer ? Canvas::Kind::Printer : Canvas::Kind::Picture);
        QVERIFY(builder::rebuild(canvas));
    }
    QVERIFY(std::isfinite(settings::drawScale) && settings::drawScale > 0);
    // No NaN or infinity reaches a field.
    for (const QString &text : builder::outputFieldTexts(r, settings::accuracy))
        QVERIFY2(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
                     && !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                 qPrintable(text));
}

void TestCanvas::cursor_data()
{
    QTest::addColumn<QPointF>("origin"); // the user scale's top-left corner
    QTest::addColumn<QString>("action");
    QTest::addColumn<QPointF>("expected"); // NaN y: one text height below 400

    QTest::newRow("print goes to the next line") << QPointF(0, 0) << "print" << QPointF(0, kNaN);
    QTest::newRow("an empty print still moves a line") << QPointF(0, 0) << "" << QPointF(0, kNaN);
    QTest::newRow("print on a shifted scale: its left edge")
        << QPointF(50, 20) << "print" << QPointF(50, kNaN);
    QTest::newRow("circle: at the centre") << QPointF(0, 0) << "circle" << QPointF(300, 350);
    QTest::newRow("circle off the sheet: at the centre")
        << QPointF(0, 0) << "far circle" << QPointF(5000, -900);
    QTest::newRow("clear: at (0, 0)") << QPointF(0, 0) << "clear" << QPointF(0, 0);
    QTest::newRow("clear on a shifted scale: at (0, 0)") << QPointF(50, 20) << "clear" << QPointF(0, 0);
}

void TestCanvas::cursor()
{
    QFETCH(QPointF, origin);
    QFETCH(QString, action);
    QFETCH(QPointF, expected);
    QImage image(424, 600, QImage::Format_RGB32);
    Canvas canvas(&image, Canvas::Kind::Picture);
    canvas.setUserScale(origin.x(), origin.y(), origin.x() + settings::canvasWidth,
                        origin.y() + settings::canvasHeight);
    canvas.setCurrentX(200);
    canvas.setCurrentY(400);
    if (action == QLatin1String("circle"))
        canvas.circle(300, 350, 20);
    else if (action == QLatin1String("far circle"))
        canvas.circle(5000, -900, 20);
    else if (action == QLatin1String("clear"))
        canvas.clear();
    else
        canvas.print(action == QLatin1String("print") ? QStringLiteral("Ag") : QString());

    QCOMPARE(canvas.currentX(), expected.x());
    const double lineHeight = canvas.textHeight(QStringLiteral("Ag"));
    QVERIFY(lineHeight > 0);
    QCOMPARE(canvas.currentY(), std::isnan(expected.y()) ? 400 + lineHeight : expected.y());
}

void TestCanvas::sectorQuarters_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("quarters"); // ink in upper right, upper left, lower left, lower right

    QTest::newRow("0.01 to 1.57: upper right") << 0.01 << 1.57 << true << "1000";
    QTest::newRow("3.14 to 4.71: lower left") << 3.14 << 4.71 << true << "0010";
    QTest::newRow("1.57 to 3.14: upper left") << 1.57 << 3.14 << true << "0100";
    QTest::newRow("4.71 round through 0 to 0.01: lower right") << 4.71 << 0.01 << true << "0001";
    QTest::newRow("transparent: outline only") << 0.01 << 1.57 << false << "0000";
}

void TestCanvas::sectorQuarters()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(bool, filled);
    QFETCH(QString, quarters);
    const QImage image = drawn(PictureSurface::sizeForHeight(1200), [&](Canvas &canvas) {
        canvas.setFillStyle(filled ? Canvas::FillSolid : Canvas::FillTransparent);
        canvas.setFillColour(kInk);
        canvas.sector(400, 600, 100, kInk, from, to);
    });
    // The middle of each quarter; screen Y grows downwards.
    const int cx = qRound(400 * image.width() / settings::canvasWidth);
    QString seen;
    for (const QPoint &p :
         {QPoint(cx + 50, 550), QPoint(cx - 50, 550), QPoint(cx - 50, 650), QPoint(cx + 50, 650)})
        seen += image.pixel(p) == kInk.rgb() ? u'1' : u'0';
    QCOMPARE(seen, quarters);
    QVERIFY(!inkBounds(image).isNull()); // radii and arc are drawn in any case
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
