#pragma once

#include <QString>

// Both centres of pressure of a single-body rocket, in millimetres from the
// nose tip, rounded to `accuracy` decimals (halves to even). 0 means that
// there is no result: too little geometry, or input so absurd that the
// arithmetic stops being finite.
//
// Arguments: nose shape name, nose length Ln, body diameter d, body length Lb,
// fin count N, fin position Xb (tip to the root's leading point), span S from
// the body surface, root chord Cr, tip chord Ct, tip offset Xr (the tip's
// leading point behind the root's).
namespace SR_CP {

// Barrowman's method for small angles of attack. The fin term uses the mean
// of the leading and trailing edge lengths in place of the mid-chord line;
// the body contributes nothing and Lb is not used.
double computeBarrowmanCp(const QString &shape, double Ln, double d, double Lb, double N, double Xb, double S,
                          double Cr, double Ct, double Xr, int accuracy);

// Weighted side projection for large angles of attack: nose, body sections
// and fins each count with their area times an aerodynamic coefficient.
double computeProjectionCp(const QString &shape, double Ln, double d, double Lb, double N, double Xb,
                           double S, double Cr, double Ct, double Xr, int accuracy);

} // namespace SR_CP
