#include "aero/sr_cp.h"

#include "core/noseshape.h"
#include "core/numbers.h"

namespace SR_CP {

namespace {

constexpr double kNoseCoefficient = 0.48;
constexpr double kBodyCoefficient = 0.68;   // body sections without fins
constexpr double kFinRootCoefficient = 1.0; // body section alongside the root chord

struct Moments {
    double area = 0;
    double moment = 0;
    void add(double pieceArea, double centroid)
    {
        area += pieceArea;
        moment += pieceArea * centroid;
    }
};

} // namespace

double computeProjectionCp(const QString &shape, double Ln, double d, double Lb, double N, double Xb,
                           double S, double Cr, double Ct, double Xr, int accuracy)
{
    if (d < 0 || Ln < 0 || Lb < 0)
        return 0;

    const NoseShapeInfo *nose = findNoseShape(shape);
    const double kc = nose ? nose->centroidFactor : 0;
    const double af = nose ? nose->areaFactor : 0;
    const bool hasFins = Cr > 0 && S > 0;

    Moments sum;
    // The nose area counts even when it has no centroid to put it at.
    const double An = Ln * kNoseCoefficient * d * af;
    sum.area += An;
    if (kc > 0 && Ln > 0)
        sum.moment += kc * Ln * An;

    if (Lb > 0) {
        if (!hasFins) {
            sum.add(Lb * kBodyCoefficient * d, Lb / 2 + Ln);
        } else {
            const double f = Xb - Ln;     // fin position from the nose base
            const double t = f + Cr - Lb; // how far the root chord reaches past the body end
            if (t <= 0) {
                sum.add(f * kBodyCoefficient * d, f / 2 + Ln);
                sum.add(d * Cr * kFinRootCoefficient, Cr / 2 + Xb);
                const double rear = Lb - f - Cr;
                sum.add(rear * kBodyCoefficient * d, Xb + Cr + rear / 2);
            } else if (t < Cr) {
                sum.add(f * kBodyCoefficient * d, f / 2 + Ln);
                sum.add((Lb - f) * d * kFinRootCoefficient, (Lb - f) / 2 + Xb);
            } else {
                sum.add(Lb * kBodyCoefficient * d, Lb / 2 + Ln);
            }
        }
    }

    if (hasFins) {
        // Planform of one fin times half the fin count, at the trapezoid's centroid.
        const double Af = (Cr + Ct) * S / 2 * N / 2;
        const double xf = Xb + Xr / 3 + Cr / 3 + Ct / 3 + ((Xr - Cr) * Ct / (Cr + Ct)) / 3;
        sum.add(Af, xf);
    }

    if (!(sum.area > 0))
        return 0;
    return roundHalfEven(sum.moment / sum.area, accuracy);
}

} // namespace SR_CP
