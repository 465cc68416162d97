#pragma once

#include "core/rocketparams.h"

#include <QString>

#include <array>

// One field as last opened or saved: its caption, fitted to the fixed width
// that parameter files use, and its text exactly as the field showed it.
struct FieldEntry {
    QString label;
    QString value;
};

using FieldTable = std::array<FieldEntry, kFieldCount>;

constexpr int kLabelWidth = 30;

// Cuts or pads with blanks to exactly kLabelWidth characters. Counts whole
// characters, so a character outside the basic plane is never split.
QString fitLabel(const QString &caption);

// The values of the table as field texts.
FieldTexts tableValues(const FieldTable &table);

// The text with every carriage return and line feed turned into a blank. A
// field holds one line: a line break inside a value would end its line in
// a parameter file and shift every later item by one.
QString singleLine(QString text);
