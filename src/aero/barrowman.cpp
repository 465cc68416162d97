#include "aero/sr_cp.h"

#include "core/noseshape.h"
#include "core/numbers.h"

#include <cmath>

namespace SR_CP {

double computeBarrowmanCp(const QString &shape, double Ln, double d, double /*Lb*/, double N, double Xb,
                          double S, double Cr, double Ct, double Xr, int accuracy)
{
    if (!(d > 0))
        return 0;

    const NoseShapeInfo *nose = findNoseShape(shape);
    const double k = nose ? nose->barrowmanFactor : 0;
    double CNn = 0;
    double Mn = 0;
    if (k > 0 && Ln > 0) {
        CNn = 2.0;
        const double Xn = k * Ln;
        Mn = 2 * Xn;
    }

    double CNf = 0;
    double Mf = 0;
    if (Cr > 0 && S > 0) {
        const double le = std::sqrt(S * S + Xr * Xr);
        const double sweepTe = Ct + Xr - Cr;
        const double te = std::sqrt(S * S + sweepTe * sweepTe);
        const double lm = (le + te) / 2;
        const double K = d / (2 * S + d) + 1; // body interference
        const double C0 = N * 4 * S * S / d / d;
        const double ratio = 2 * lm / (Cr + Ct);
        const double D = 1 + std::sqrt(1 + ratio * ratio);
        CNf = C0 * K / D;
        const double Xf = Xr * (2 * Ct + Cr) / 3 / (Cr + Ct) + Xb + ((Cr + Ct) - Cr * Ct / (Cr + Ct)) / 6;
        Mf = CNf * Xf;
    }

    if (!(CNf + CNn > 0))
        return 0;
    // roundHalfEven turns a result that is not finite into 0, "no result".
    return roundHalfEven((Mf + Mn) / (CNf + CNn), accuracy);
}

} // namespace SR_CP
