#include "drawing/evaluation.h"

#include "aero/sr_cp.h"
#include "aero/stability.h"
#include "core/numbers.h"
#include "drawing/drawscale.h"

Evaluation evaluateDesign(const RocketParams &r, int accuracy)
{
    Evaluation e;
    e.drawScale = computeDrawScale(r.noseLength, r.bodyDiameter, r.bodyLength, r.finPosition, r.finSpan,
                                   r.rootChord, r.tipChord, r.tipOffset, sheet::referenceLength);
    e.bcpPosition =
        SR_CP::computeBarrowmanCp(r.noseShape, r.noseLength, r.bodyDiameter, r.bodyLength, r.finCount,
                                  r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset, accuracy);
    e.bcpStability = stabilityMargin(e.bcpPosition, r.cgPosition, r.bodyDiameter);
    e.warning = stabilityWarning(e.bcpStability);
    e.cpcPosition =
        SR_CP::computeProjectionCp(r.noseShape, r.noseLength, r.bodyDiameter, r.bodyLength, r.finCount,
                                   r.finPosition, r.finSpan, r.rootChord, r.tipChord, r.tipOffset, accuracy);
    e.cpcStability = stabilityMargin(e.cpcPosition, r.cgPosition, r.bodyDiameter);
    return e;
}

std::array<QString, 4> outputFieldTexts(const Evaluation &e, int accuracy)
{
    return {formatShown(roundHalfEven(e.bcpPosition, accuracy)), formatMargin(e.bcpStability),
            formatShown(roundHalfEven(e.cpcPosition, accuracy)), formatMargin(e.cpcStability)};
}
