// Faults a rocketeer would notice, and the test that catches each:
// - a wrong coefficient or term in either method: a nose factor of any shape, fin interference, fin
//   count, sweep, mid-chord, fin centre; a projection piece, its coefficient or centroid in each of
//   the three root-chord cases; a missing part not dropped; NaN instead of "no result"      centres
// - the margin against the wrong centre or diameter, shown where it cannot be computed, or the
//   warning at the wrong margin                                                             margin

#include "aero/sr_cp.h"
#include "aero/stability.h"
#include "testkit.h"

namespace {

// Shape, Ln, d, Lb, N, Xb, S, Cr, Ct, Xr.
struct Design {
    QString shape = QStringLiteral("cone");
    double Ln = 100, d = 40, Lb = 400, N = 3, Xb = 420, S = 50, Cr = 80, Ct = 40, Xr = 40;
};

// The worked example (cone 100, body 40 x 400, fins at 420: span 50, root 80, tip 40 back 40), changed.
template <typename T> Design with(T Design::*member, T value)
{
    Design d;
    d.*member = value;
    return d;
}

} // namespace

Q_DECLARE_METATYPE(Design)

class TestAero : public QObject
{
    Q_OBJECT

  private slots:
    void centres_data()
    {
        // Expected values by hand from the formulas (an independent script
        // checked every row); 0 is "no result".
        columns<Design, int, double, double>("design", "accuracy", "barrowman", "projection");
        row("worked example at 1 mm", Design(), 0, 390.0, 340.0);
        // Barrowman 389.5750; projection 5909040 / 17364 = 340.3041.
        row("worked example at 0.1 mm", Design(), 1, 389.6, 340.3);
        row("four fins", with(&Design::N, 4.0), 1, 403.5, 350.5);
        row("fin count 0 leaves the nose", with(&Design::N, 0.0), 1, 66.6, 295.3);
        // le 53.85, te 78.10: the tip's sign reaches both edges and the fin centre.
        row("tip swept forward", with(&Design::Xr, -20.0), 1, 365.1, 333.4);
        // Without fins: Barrowman is k x Ln; projection nose 1920 af at kc Ln, body 10880 at 300.
        Design noFins = with(&Design::S, 0.0);
        row("cone without fins", noFins, 1, 66.6, 281.1);
        row("cone without fins at 1 mm", noFins, 0, 67.0, 281.0);
        noFins.shape = QStringLiteral("parabolic");
        row("parabolic without fins", noFins, 1, 50.0, 275.0);
        noFins.shape = QStringLiteral("чечевичный");
        row("ogive without fins", noFins, 1, 46.6, 274.9);
        noFins.shape = QStringLiteral("ellipsoid");
        row("ellipsoid without fins", noFins, 1, 33.3, 270.5);
        noFins.shape = QStringLiteral("Ellipsoid");
        row("unknown shape and no fins", noFins, 1, 0.0, 300.0);
        row("fins alone", with(&Design::Ln, 0.0), 1, 453.3, 278.7);
        row("root overhangs the body end", with(&Design::Xb, 460.0), 1, 423.0, 348.0);
        row("fins wholly behind the body", with(&Design::Xb, 600.0), 1, 539.9, 382.4);
        // Fins begin on the nose: the front body piece counts negative.
        row("fins begin on the nose", with(&Design::Xb, 60.0), 1, 88.9, 225.8);
        row("diameter 0: only the fin piece", with(&Design::d, 0.0), 1, 0.0, 468.9);
        row("negative diameter", with(&Design::d, -40.0), 1, 0.0, 0.0);
        row("negative nose: fins alone for Barrowman", with(&Design::Ln, -1.0), 1, 453.3, 0.0);
        row("negative body: Barrowman has no body term", with(&Design::Lb, -1.0), 1, 389.6, 0.0);
        row("tip chord cancels the root", with(&Design::Ct, -80.0), 1, 0.0, 0.0);
        Design huge;
        huge.S = 1e200;
        huge.d = 1e-200;
        huge.N = 1e300;
        row("coefficients overflow", huge, 1, 0.0, 0.0);
    }

    void centres()
    {
        const Design &g = fetch<Design>("design");
        const int a = fetch<int>("accuracy");
        QCOMPARE(SR_CP::computeBarrowmanCp(g.shape, g.Ln, g.d, g.Lb, g.N, g.Xb, g.S, g.Cr, g.Ct, g.Xr, a),
                 fetch<double>("barrowman"));
        QCOMPARE(SR_CP::computeProjectionCp(g.shape, g.Ln, g.d, g.Lb, g.N, g.Xb, g.S, g.Cr, g.Ct, g.Xr, a),
                 fetch<double>("projection"));
    }

    void margin_data()
    {
        columns<double, double, double, double, QString>("cp", "cg", "diameter", "margin", "warning");
        const QString unstable = QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
        const QString tooShort = QStringLiteral("Запас устойчивости недостаточен!");
        const double none = std::nan("");
        row("stable", 350.0, 300.0, 40.0, 1.25, QString());
        row("exactly one diameter", 340.0, 300.0, 40.0, 1.0, QString());
        row("0.996 shows as 1 and still warns", 549.0, 300.0, 250.0, 0.996, tooShort);
        row("short", 350.0, 330.0, 40.0, 0.5, tooShort);
        row("neutral", 350.0, 350.0, 40.0, 0.0, unstable);
        row("unstable", 300.0, 350.0, 40.0, -1.25, unstable);
        row("no centre of gravity", 350.0, 0.0, 40.0, none, QString());
        row("no centre of pressure", 0.0, 300.0, 40.0, none, QString());
        row("no diameter", 350.0, 300.0, 0.0, none, QString());
        row("overflowing quotient", 1.7e308, 1e-300, 1e-300, none, QString());
    }

    void margin()
    {
        const double margin = fetch<double>("margin");
        const auto got = stabilityMargin(fetch<double>("cp"), fetch<double>("cg"), fetch<double>("diameter"));
        QCOMPARE(got.has_value(), !std::isnan(margin));
        if (got)
            QCOMPARE(*got, margin);
        QCOMPARE(stabilityWarning(got), fetch<QString>("warning"));
    }
};

QTEST_APPLESS_MAIN(TestAero)
#include "tst_aero.moc"
