#include "drawing/picturesurface.h"
#include "drawing/sheet.h"

#include <QTest>

#include <cmath>

// The outline rendered onto a sheet 1200 pixels high, where one canvas unit
// is one pixel down and 848/848.48 of a pixel across, measured on rows and
// columns that the markers on the axis leave alone.

namespace {

const QColor kNose(200, 120, 0);
const QColor kBody(60, 160, 60);
const QColor kFins(0, 120, 220);
const QColor kName(250, 250, 0);
const QColor kDraftGrey(100, 100, 100);

// Bounding box of the pixels of exactly one colour within an area; null when none.
QRect extent(const QImage &image, const QRect &area, const QColor &colour)
{
    QRect found;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                found |= QRect(x, y, 1, 1);
    return found;
}

QRect row(int y, int from = 0, int to = 100000)
{
    return QRect(from, y, to - from + 1, 1);
}

} // namespace

class TestOutline : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        settings::reset();
        standardDesign();
    }
    void noseHalfWidth_data();
    void noseHalfWidth();
    void bodyEdges();
    void fins_data();
    void fins();
    void emptyShapeDrawsBodyAndFinsOnly();
    void nameFitsHalfTheBody_data();
    void nameFitsHalfTheBody();
    void draftIsGreyOutlineOnly();
};

void TestOutline::noseHalfWidth_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("t");           // canvas units behind the tip
    QTest::addColumn<double>("expected"); // half-width in canvas units

    // L = 200, D = 80 on the canvas.
    QTest::newRow("cone, t 100") << "cone" << 100 << 20.0;
    QTest::newRow("cone, t 199") << "cone" << 199 << 39.8;
    QTest::newRow("cone, Russian name") << QStringLiteral("конический") << 100 << 20.0;
    QTest::newRow("parabolic: 40·(1 − 0.25)") << "parabolic" << 100 << 30.0;
    QTest::newRow("parabolic, t 50: 40·(0.5 − 0.0625)") << "parabolic" << 50 << 17.5;
    // rho = (40000 + 1600) / 80 = 520, rho − D/2 = 480.
    QTest::newRow("ogive: sqrt(270400 − 10000) − 480") << "ogive" << 100 << 30.3;
    QTest::newRow("ogive, t 40: sqrt(270400 − 25600) − 480") << "ogive" << 40 << 14.8;
    QTest::newRow("ellipsoid: 40·sqrt(0.75)") << "ellipsoid" << 100 << 34.6;
    QTest::newRow("ellipsoid, Russian, t 20: 40·sqrt(0.19)") << QStringLiteral("эллиптический") << 20 << 17.4;
}

void TestOutline::noseHalfWidth()
{
    QFETCH(QString, shape);
    QFETCH(int, t);
    QFETCH(double, expected);
    settings::rocket.noseShape = shape;
    const QImage image = render();

    // Slices one unit high and a pen wide may put an edge a pixel off.
    const QRect nose = extent(image, row(100 + t), kNose);
    QVERIFY(!nose.isNull());
    QNEAR(axisColumn(image) - nose.left(), expected, 1.5);
    QNEAR(nose.right() - axisColumn(image), expected, 1.5);
}

void TestOutline::bodyEdges()
{
    const QImage image = render();
    const double axis = axisColumn(image);
    const QRect across = extent(image, row(500), kBody);
    QNEAR(across.left(), axis - 40, 1);
    QNEAR(across.right(), axis + 40, 1);
    // Down beside the axis: from the end of the nose to the tail.
    const int x = qRound(axis - 20);
    const QRect down = extent(image, QRect(x, 0, 1, image.height()), kBody);
    QNEAR(down.top(), 300, 1);
    QNEAR(down.bottom(), 1100, 1);
    QCOMPARE(image.pixel(x, down.top() - 3), kNose.rgb());
}

void TestOutline::fins_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("rightRoot"); // from the axis, canvas units
    QTest::addColumn<double>("rightTip");
    QTest::addColumn<bool>("edgeOn"); // the strip along the axis

    // D = 80, S = 60: the right side from k·D/2 to k·D/2 + k·S, the left
    // side always from 40 to 100.
    QTest::newRow("two fins") << 2.0 << 40.0 << 100.0 << false;
    QTest::newRow("three fins: right side halved (k = 0.5)") << 3.0 << 20.0 << 50.0 << false;
    QTest::newRow("four fins: edge-on strip") << 4.0 << 40.0 << 100.0 << true;
    QTest::newRow("five fins") << 5.0 << 40.0 << 100.0 << false;
}

void TestOutline::fins()
{
    QFETCH(double, count);
    QFETCH(double, rightRoot);
    QFETCH(double, rightTip);
    QFETCH(bool, edgeOn);
    settings::rocket.finCount = count;
    const QImage image = render();
    const double axis = axisColumn(image);
    const int y = 1040; // half-way down the root chord

    // Strips one unit wide run while i <= span − 1: the last ends a unit short of the tip.
    const QRect right = extent(image, row(y, qRound(axis) + 4), kFins);
    QNEAR(right.left(), axis + rightRoot, 1.5);
    QNEAR(right.right(), axis + rightTip - 1, 1.5);
    const QRect left = extent(image, row(y, 0, qRound(axis) - 4), kFins);
    QNEAR(left.left(), axis - 99, 1.5);
    QNEAR(left.right(), axis - 40, 1.5);

    // Between the root's leading and trailing points.
    const QRect down = extent(image, QRect(qRound(axis - 70), 0, 1, image.height()), kFins);
    QNEAR(down.top(), 980, 1);
    QNEAR(down.bottom(), 1100, 1);

    QCOMPARE(image.pixel(qRound(axis), y) == kFins.rgb(), edgeOn);
    QCOMPARE(image.pixel(qRound(axis), y) == kBody.rgb(), !edgeOn);
}

void TestOutline::emptyShapeDrawsBodyAndFinsOnly()
{
    settings::rocket.noseShape.clear();
    const QImage image = render();
    QVERIFY(extent(image, image.rect(), kNose).isNull());
    QVERIFY(!extent(image, row(500), kBody).isNull());
    QVERIFY(!extent(image, row(1040), kFins).isNull());
}

void TestOutline::nameFitsHalfTheBody_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<bool>("heightBound"); // else the width of "W" sets the size

    // Nose 600 and body 400 give scale 1: the body is drawn 400 units long
    // from row 700, so the name has 200 units and starts below row 740.
    QTest::newRow("ten letters shrink to half the body") << "ABCDEFGHIJ" << 40.0 << true;
    QTest::newRow("W two thirds of 30") << "WWW" << 30.0 << false;
    QTest::newRow("W two thirds of 45") << "WWW" << 45.0 << false;
}

void TestOutline::nameFitsHalfTheBody()
{
    QFETCH(QString, name);
    QFETCH(double, diameter);
    QFETCH(bool, heightBound);
    RocketParams &r = settings::rocket;
    r.noseLength = 600;
    r.bodyLength = 400;
    r.bodyDiameter = diameter;
    r.finSpan = 0;
    const QImage plain = render();
    r.rocketName = name;
    const QImage named = render();

    // Whatever differs between the two pictures is the name's ink.
    QRect ink;
    for (int y = 0; y < named.height(); ++y)
        for (int x = 0; x < named.width(); ++x)
            if (named.pixel(x, y) != plain.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isNull());
    const double axis = axisColumn(named);
    QVERIFY(ink.left() >= axis - diameter / 2 && ink.right() <= axis + diameter / 2);
    QVERIFY(ink.top() >= 740);
    QVERIFY(ink.height() <= 200);
    if (heightBound)
        QVERIFY(ink.height() >= 150); // shrunk only as far as needed
    else
        QNEAR(ink.width(), diameter * 2 / 3, 2.5); // grown in half points until at least 2/3 D
}

void TestOutline::draftIsGreyOutlineOnly()
{
    settings::viewMode = ViewMode::Draft;
    settings::rocket.rocketName = QStringLiteral("DRAFT");
    const QImage image = render();
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    for (const QColor &colour : {kNose, kBody, kFins, kName})
        QVERIFY(extent(image, image.rect(), colour).isNull());

    const double axis = axisColumn(image);
    const QRect body = extent(image, row(500), kDraftGrey);
    QNEAR(body.left(), axis - 40, 1);
    QNEAR(body.right(), axis + 40, 1);
    QCOMPARE(image.pixelColor(qRound(axis - 20), 500), QColor(Qt::white)); // no fill
    // Three fins: the left tip edge 100 out, the right one 20 + 30.
    const QRect fins = extent(image, row(1040), kDraftGrey);
    QNEAR(fins.left(), axis - 100, 1);
    QNEAR(fins.right(), axis + 50, 1);
}

QTEST_MAIN(TestOutline)
#include "tst_outline.moc"
