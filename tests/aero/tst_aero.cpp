// Faults a rocketeer would notice: a wrong coefficient or term in either method (a nose factor of
// any shape; fin interference, count, sweep, mid-chord, centre; a projection piece in each
// root-chord case), the accuracy ignored, a missing part not dropped, NaN or infinity instead of
// "no result"; the margin not at two places, its carry lost or shown where it cannot be computed; a
// wrong warning.

#include "aero/sr_cp.h"
#include "aero/stability.h"
#include "core/numbers.h"
#include "testkit.h"

#include <tuple>

// The worked example: nose shape and Ln, body d x Lb, N fins at Xb, span S, chords Cr, Ct, sweep Xr
struct Design {
    QString shape = QStringLiteral("cone");
    double Ln = 100, d = 40, Lb = 400, N = 3, Xb = 420, S = 50, Cr = 80, Ct = 40, Xr = 40;
};
Q_DECLARE_METATYPE(Design)

class TestAero : public QObject
{
    Q_OBJECT

  private slots:
    void centres_data()
    {
        // The worked example with a length or the shape changed; centres by hand; 0 is "no result".
        const auto with = [](double Design::*member, double value, const char *shape = "cone") {
            Design d{QString::fromUtf8(shape)};
            d.*member = value;
            return d;
        };
        columns<Design, int, double, double>("g", "digits", "barrowman", "projection");
        // Barrowman 389.5750; projection 5909040 / 17364 = 340.3041.
        row("worked example at 1 mm", Design(), 0, 390.0, 340.0);
        row("four fins", with(&Design::N, 4.0), 1, 403.5, 350.5);
        // le 53.85, te 78.10: the tip's sign reaches both edges and the fin centre.
        row("tip swept forward", with(&Design::Xr, -20.0), 1, 365.1, 333.4);
        // Without fins: Barrowman is k x Ln; projection nose 1920 af at kc Ln, body 10880 at 300.
        row("cone without fins", with(&Design::S, 0.0), 1, 66.6, 281.1);
        row("parabolic without fins", with(&Design::S, 0.0, "parabolic"), 1, 50.0, 275.0);
        row("ogive without fins", with(&Design::S, 0.0, "чечевичный"), 1, 46.6, 274.9);
        row("ellipsoid without fins", with(&Design::S, 0.0, "ellipsoid"), 1, 33.3, 270.5);
        row("root overhangs the body end", with(&Design::Xb, 460.0), 1, 423.0, 348.0);
        row("fins wholly behind the body", with(&Design::Xb, 600.0), 1, 539.9, 382.4);
        row("fins on the nose: negative front piece", with(&Design::Xb, 60.0), 1, 88.9, 225.8);
        row("diameter 0: only the fin piece", with(&Design::d, 0.0), 1, 0.0, 468.9);
        row("negative diameter", with(&Design::d, -40.0), 1, 0.0, 0.0);
        row("negative nose: fins alone for Barrowman", with(&Design::Ln, -1.0), 1, 453.3, 0.0);
        row("negative body: Barrowman has no body term", with(&Design::Lb, -1.0), 1, 389.6, 0.0);
        row("tip chord cancels the root", with(&Design::Ct, -80.0), 1, 0.0, 0.0);
        row("moments overflow", with(&Design::Xb, 1e308), 1, 0.0, 0.0);
    }
    void centres()
    {
        const auto [g, digits, barrowman, projection] =
            fetch<Design, int, double, double>("g", "digits", "barrowman", "projection");
        auto in = std::tuple(g.shape, g.Ln, g.d, g.Lb, g.N, g.Xb, g.S, g.Cr, g.Ct, g.Xr, digits);
        QCOMPARE(std::apply(SR_CP::computeBarrowmanCp, in), barrowman);
        QCOMPARE(std::apply(SR_CP::computeProjectionCp, in), projection);
    }

    void margin_data()
    {
        // "shown": the margin as its field shows it, at two places; empty when not computable.
        columns<double, double, double, QString, QString>("cp", "cg", "d", "shown", "warning");
        const QString unstable = QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
        const QString tooShort = QStringLiteral("Запас устойчивости недостаточен!");
        row("exactly one diameter", 340.0, 300.0, 40.0, "1", QString());
        row("107 / 40 = 2.675 goes to the even 2.68", 407.0, 300.0, 40.0, "2.68", QString());
        row("0.996 shows as 1 and still warns", 549.0, 300.0, 250.0, "1", tooShort);
        row("neutral", 350.0, 350.0, 40.0, "0", unstable);
        row("unstable", 300.0, 350.0, 40.0, "-1.25", unstable);
        row("no centre of pressure", 0.0, 300.0, 40.0, "", QString());
        row("overflowing quotient", 1.7e308, 1e-300, 1e-300, "", QString());
    }
    void margin()
    {
        const auto [cp, cg, d, shown, warning] =
            fetch<double, double, double, QString, QString>("cp", "cg", "d", "shown", "warning");
        const std::optional<double> margin = stabilityMargin(cp, cg, d);
        QCOMPARE(formatMargin(margin), shown);
        QCOMPARE(stabilityWarning(margin), warning);
    }
};

QTEST_APPLESS_MAIN(TestAero)
#include "tst_aero.moc"
