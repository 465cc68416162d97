#pragma once

#include <QString>

#include <array>
#include <optional>

// The seventeen fields of a design, in the order of the window's text fields
// and of the lines of a parameter file.
enum FieldIndex {
    fieldRocketName = 0,
    fieldNoseShape,
    fieldNoseLength,
    fieldBodyDiameter,
    fieldBodyLength,
    fieldFinCount,
    fieldFinPosition,
    fieldFinSpan,
    fieldRootChord,
    fieldTipChord,
    fieldTipOffset,
    fieldCgPosition,
    fieldBcpPosition,
    fieldBcpStability,
    fieldCpcPosition,
    fieldCpcStability,
    fieldInscription,
    kFieldCount
};

using FieldTexts = std::array<QString, kFieldCount>;

// The current design as numbers, plus what the last rebuild computed.
// Lengths in millimetres from the nose tip or across the axis.
struct RocketParams {
    QString rocketName;
    QString noseShape; // a shape name in either language, or any other text
    double noseLength = 0;
    double bodyDiameter = 0;
    double bodyLength = 0;
    double finCount = 0; // whole when typed, may carry a fraction from a file
    double finPosition = 0;
    double finSpan = 0;
    double rootChord = 0;
    double tipChord = 0;
    double tipOffset = 0; // sweep of the tip's leading point; negative sweeps forward
    double cgPosition = 0;
    double bcpPosition = 0;             // 0: no result
    std::optional<double> bcpStability; // in body diameters; empty: not computable
    double cpcPosition = 0;             // 0: no result
    std::optional<double> cpcStability;
    QString inscription;
};

// Refreshes the record from all seventeen field texts: the three free texts
// as they stand, every other field read with parseLength at `digits` places.
void readFieldsIntoRecord(const FieldTexts &texts, RocketParams &record, int digits);
