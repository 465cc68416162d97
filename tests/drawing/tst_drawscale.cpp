#include "core/settings.h"
#include "drawing/drawscale.h"

#include <QTest>

class TestDrawScale : public QObject
{
    Q_OBJECT

  private slots:
    void init() { settings::reset(); }
    void scale_data();
    void scale();
    void negativeDiameterKeepsStoredScale();
};

void TestDrawScale::scale_data()
{
    QTest::addColumn<QList<double>>("geometry"); // nose, diameter, body, position, span, root, tip, offset
    QTest::addColumn<double>("longest");         // 0: nothing to draw

    QTest::newRow("body is longest") << QList<double>{100, 40, 500, 520, 30, 60, 30, 0} << 600.0;
    QTest::newRow("root reaches past the body") << QList<double>{100, 40, 400, 450, 30, 100, 50, 0} << 550.0;
    QTest::newRow("swept tip is longest") << QList<double>{100, 40, 400, 450, 30, 60, 40, 80} << 570.0;
    QTest::newRow("tip 40.5 counts as 40") << QList<double>{100, 40, 400, 450, 30, 60, 40.5, 80} << 570.0;
    QTest::newRow("tip 41.5 counts as 42") << QList<double>{100, 40, 400, 450, 30, 60, 41.5, 80} << 572.0;
    QTest::newRow("tip 40.6 counts as 41") << QList<double>{100, 40, 400, 450, 30, 60, 40.6, 80} << 571.0;
    QTest::newRow("nothing to draw") << QList<double>{0, 40, 0, 0, 0, 60, 0, 0} << 0.0;
    QTest::newRow("fins alone") << QList<double>{0, 0, 0, 0, 50, 60, 0, 0} << 60.0;
    QTest::newRow("equal candidates") << QList<double>{100, 40, 400, 420, 30, 80, 40, 0} << 500.0;
    QTest::newRow("all lengths negative") << QList<double>{-5, 40, -5, -100, 30, 60, 0, 0} << 0.0;
    QTest::newRow("overflowing length") << QList<double>{1.7e308, 40, 1.7e308, 0, 0, 0, 0, 0} << 0.0;
}

void TestDrawScale::scale()
{
    QFETCH(QList<double>, geometry);
    QFETCH(double, longest);
    settings::drawScale = 123;
    const double got = computeDrawScale(geometry[0], geometry[1], geometry[2], geometry[3], geometry[4],
                                        geometry[5], geometry[6], geometry[7], 1000.0);
    const double expected = longest > 0 ? 1000.0 / longest : 0.0;
    QCOMPARE(got, expected);
    QCOMPARE(settings::drawScale, expected);
    if (longest > 0)
        QCOMPARE(settings::noseTipY + longest * got, 1100.0); // the tail sits 100 units above the foot
}

void TestDrawScale::negativeDiameterKeepsStoredScale()
{
    settings::drawScale = 1.5;
    QCOMPARE(computeDrawScale(100, -1, 400, 0, 0, 0, 0, 0, 1000.0), 0.0);
    QCOMPARE(settings::drawScale, 1.5);
}

QTEST_APPLESS_MAIN(TestDrawScale)
#include "tst_drawscale.moc"
