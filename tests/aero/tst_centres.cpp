#include "aero/sr_cp.h"
#include "aero/stability.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

// The reference design: cone 100 long, body 40 × 400, three fins at 420 with
// span 50, root 80, tip 40 swept back 40.
struct Design {
    QString shape = QStringLiteral("cone");
    double Ln = 100, d = 40, Lb = 400, N = 3, Xb = 420, S = 50, Cr = 80, Ct = 40, Xr = 40;
};

double barrowman(const Design &g, int accuracy)
{
    return SR_CP::computeBarrowmanCp(g.shape, g.Ln, g.d, g.Lb, g.N, g.Xb, g.S, g.Cr, g.Ct, g.Xr, accuracy);
}

double projection(const Design &g, int accuracy)
{
    return SR_CP::computeProjectionCp(g.shape, g.Ln, g.d, g.Lb, g.N, g.Xb, g.S, g.Cr, g.Ct, g.Xr, accuracy);
}

} // namespace

Q_DECLARE_METATYPE(Design)

class TestCentres : public QObject
{
    Q_OBJECT

  private slots:
    void barrowman_data();
    void barrowman();
    void projection_data();
    void projection();
    void absurdInputGivesNoResult_data();
    void absurdInputGivesNoResult();
    void margin_data();
    void margin();
};

void TestCentres::barrowman_data()
{
    QTest::addColumn<Design>("design");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<double>("expected");

    const Design worked;
    QTest::newRow("worked example, 1 mm") << worked << 0 << 390.0;
    QTest::newRow("worked example, 0.1 mm") << worked << 1 << 389.6;

    Design noFins = worked;
    noFins.S = 0;
    QTest::newRow("nose only, 0.1 mm") << noFins << 1 << 66.6;
    QTest::newRow("nose only, 1 mm") << noFins << 0 << 67.0;

    Design forward = worked;
    forward.Xr = -20; // tip swept forward: le 53.85, te 78.10, CNf 9.696, Xf 426.67
    QTest::newRow("forward sweep, 0.1 mm") << forward << 1 << 365.1;

    Design nothing = noFins;
    nothing.shape.clear();
    QTest::newRow("no shape, no fins") << nothing << 1 << 0.0;

    Design noDiameter = worked;
    noDiameter.d = 0;
    QTest::newRow("diameter 0") << noDiameter << 1 << 0.0;
    noDiameter.d = -40;
    QTest::newRow("negative diameter") << noDiameter << 1 << 0.0;

    Design zeroFins = worked;
    zeroFins.N = 0;
    QTest::newRow("fin count 0 leaves the nose") << zeroFins << 1 << 66.6;

    Design noNoseLength = worked;
    noNoseLength.Ln = 0;
    noNoseLength.N = 4;
    // Fins alone: the result is the fin centre Xf = 453.3333.
    QTest::newRow("fins alone") << noNoseLength << 1 << 453.3;

    Design ellipsoidNoFins = noFins;
    ellipsoidNoFins.shape = QStringLiteral("эллиптический");
    QTest::newRow("ellipsoid factor is 0.333") << ellipsoidNoFins << 1 << 33.3;
    ellipsoidNoFins.shape = QStringLiteral("Ellipsoid");
    QTest::newRow("unknown shape drops the nose") << ellipsoidNoFins << 1 << 0.0;
}

void TestCentres::barrowman()
{
    QFETCH(Design, design);
    QFETCH(int, accuracy);
    QFETCH(double, expected);
    QCOMPARE(::barrowman(design, accuracy), expected);
}

void TestCentres::projection_data()
{
    QTest::addColumn<Design>("design");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<double>("expected");

    const Design worked;
    QTest::newRow("worked example, 1 mm") << worked << 0 << 340.0;
    QTest::newRow("worked example, 0.1 mm") << worked << 1 << 340.3;

    Design overhang = worked;
    overhang.Xb = 460; // root chord runs 40 past the body end
    QTest::newRow("root overhangs the body") << overhang << 1 << 348.0;

    Design behind = worked;
    behind.Xb = 600; // fins wholly behind the body: one plain body piece
    // nose 960 at 66.67, body 10880 at 300, fins 4500 at 648.89
    QTest::newRow("fins behind the body")
        << behind << 1
        << std::round((64000 + 10880 * 300.0
                       + 4500 * (600 + 40 / 3.0 + 80 / 3.0 + 40 / 3.0 + (40 - 80) * 40 / 120.0 / 3))
                      / 16340 * 10)
               / 10;

    Design noFins = worked;
    noFins.S = 0;
    QTest::newRow("no fins") << noFins << 1 << 281.1;

    Design zero;
    zero.Ln = zero.d = zero.Lb = zero.S = zero.Cr = zero.Ct = zero.Xr = zero.Xb = 0;
    QTest::newRow("all lengths 0") << zero << 1 << 0.0;

    Design noDiameter = worked;
    noDiameter.d = 0; // only the fin piece is left: its centroid 468.9
    QTest::newRow("diameter 0 leaves the fins") << noDiameter << 1 << 468.9;

    for (auto [name, field] :
         {std::pair{"negative diameter", &Design::d}, std::pair{"negative nose", &Design::Ln},
          std::pair{"negative body", &Design::Lb}}) {
        Design negative = worked;
        negative.*field = -1;
        QTest::newRow(name) << negative << 1 << 0.0;
    }

    Design onNose = worked;
    onNose.Xb = 60; // fins begin on the nose: the front piece counts negative
    onNose.S = 0.0001;
    onNose.N = 0;
    // nose 960 at 66.67; front -1088 at 80; root 3200 at 100; rear 9792 at 320
    QTest::newRow("front piece of negative length")
        << onNose << 1 << std::round((64000 - 1088 * 80.0 + 3200 * 100.0 + 9792 * 320.0) / 12864 * 10) / 10;
}

void TestCentres::projection()
{
    QFETCH(Design, design);
    QFETCH(int, accuracy);
    QFETCH(double, expected);
    QCOMPARE(::projection(design, accuracy), expected);
}

void TestCentres::absurdInputGivesNoResult_data()
{
    QTest::addColumn<Design>("design");
    Design zeroSum;
    zeroSum.Ct = -80; // Cr + Ct = 0: the fin formulas divide by zero
    QTest::newRow("tip chord cancels the root") << zeroSum;
    Design huge;
    huge.S = 1e200;
    huge.d = 1e-200;
    huge.N = 1e300;
    QTest::newRow("coefficients overflow") << huge;
    Design everything;
    everything.Ln = everything.Lb = everything.Xb = everything.Cr = everything.Ct = 1.7e308;
    everything.d = 1.7e308;
    QTest::newRow("largest doubles") << everything;
}

void TestCentres::absurdInputGivesNoResult()
{
    QFETCH(Design, design);
    for (int accuracy : {0, 1}) {
        const double b = ::barrowman(design, accuracy);
        const double p = ::projection(design, accuracy);
        QVERIFY2(std::isfinite(b), QByteArray::number(b));
        QVERIFY2(std::isfinite(p), QByteArray::number(p));
    }
    QCOMPARE(::barrowman(design, 1) == 0 || ::projection(design, 1) == 0, true);
}

void TestCentres::margin_data()
{
    QTest::addColumn<double>("cp");
    QTest::addColumn<double>("cg");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<bool>("computable");
    QTest::addColumn<double>("margin");
    QTest::addColumn<QString>("warning");

    const QString unstable = QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
    const QString short_ = QStringLiteral("Запас устойчивости недостаточен!");
    QTest::newRow("stable") << 350.0 << 300.0 << 40.0 << true << 1.25 << QString();
    QTest::newRow("short") << 350.0 << 330.0 << 40.0 << true << 0.5 << short_;
    QTest::newRow("neutral") << 350.0 << 350.0 << 40.0 << true << 0.0 << unstable;
    QTest::newRow("unstable") << 300.0 << 350.0 << 40.0 << true << -1.25 << unstable;
    QTest::newRow("shows 1, still short") << 549.0 << 300.0 << 250.0 << true << 0.996 << short_;
    QTest::newRow("exactly one diameter") << 340.0 << 300.0 << 40.0 << true << 1.0 << QString();
    QTest::newRow("no centre of gravity") << 350.0 << 0.0 << 40.0 << false << 0.0 << QString();
    QTest::newRow("no centre of pressure") << 0.0 << 300.0 << 40.0 << false << 0.0 << QString();
    QTest::newRow("no diameter") << 350.0 << 300.0 << 0.0 << false << 0.0 << QString();
    QTest::newRow("overflowing quotient") << 1.7e308 << 1e-300 << 1e-300 << false << 0.0 << QString();
}

void TestCentres::margin()
{
    QFETCH(double, cp);
    QFETCH(double, cg);
    QFETCH(double, diameter);
    QFETCH(bool, computable);
    QFETCH(double, margin);
    QFETCH(QString, warning);
    const std::optional<double> got = stabilityMargin(cp, cg, diameter);
    QCOMPARE(got.has_value(), computable);
    if (computable)
        QCOMPARE(*got, margin);
    QCOMPARE(stabilityWarning(got), warning);
}

QTEST_APPLESS_MAIN(TestCentres)
#include "tst_centres.moc"
