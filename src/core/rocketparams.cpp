#include "core/rocketparams.h"

#include "core/numbers.h"

void readFieldsIntoRecord(const FieldTexts &texts, RocketParams &record, int digits)
{
    auto number = [&](FieldIndex i) { return parseLength(texts[i], digits); };
    auto margin = [&](FieldIndex i) -> std::optional<double> {
        if (texts[i].trimmed().isEmpty())
            return std::nullopt;
        return number(i);
    };
    record.rocketName = texts[fieldRocketName];
    record.noseShape = texts[fieldNoseShape];
    record.noseLength = number(fieldNoseLength);
    record.bodyDiameter = number(fieldBodyDiameter);
    record.bodyLength = number(fieldBodyLength);
    record.finCount = number(fieldFinCount);
    record.finPosition = number(fieldFinPosition);
    record.finSpan = number(fieldFinSpan);
    record.rootChord = number(fieldRootChord);
    record.tipChord = number(fieldTipChord);
    record.tipOffset = number(fieldTipOffset);
    record.cgPosition = number(fieldCgPosition);
    record.bcpPosition = number(fieldBcpPosition);
    record.bcpStability = margin(fieldBcpStability);
    record.cpcPosition = number(fieldCpcPosition);
    record.cpcStability = margin(fieldCpcStability);
    record.inscription = texts[fieldInscription];
}
