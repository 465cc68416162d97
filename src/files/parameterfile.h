#pragma once

#include "core/designcolours.h"
#include "core/fieldtable.h"

#include <QString>

#include <optional>

// Parameter files (.dat): one design as 17 quoted caption/value lines and
// the twelve colour components, CR LF line ends. Files are Windows-1251 so
// that designs from older versions load unchanged; a design holding a
// character Windows-1251 cannot store is written as UTF-8 with a byte-order
// mark instead, and reading honours the mark.
namespace filer {

// Where reading stopped short: the line, counted from 1, and why, in words
// for a script's user.
struct ReadStop {
    int line = 0;
    QString reason;
};

// Fills the table and colours from the file. A missing path, or one that is
// not a regular file, changes nothing. Reading stops at the first item that
// cannot be read (premature end, a colour that is not a whole number from 0
// to 255; blanks, leading zeros, a plus sign and "5.0" are accepted): what was
// read before it keeps its new value, the rest keeps the old one.
// Gives where reading stopped, when it stopped before the last colour.
std::optional<ReadStop> readParameterFile(const QString &path, FieldTable &table, DesignColours &colours);

// Writes the whole file or nothing (writeFileAtomically), so an old file
// survives a failed save. False when the path is empty or any step failed.
// A line break in a value is written as a blank, so that every value keeps
// its own line.
bool writeParameterFile(const QString &path, const FieldTable &table, const DesignColours &colours);

// The bytes of a parameter file, and their reading; exposed for the tests
// and for tools that handle designs in memory.
QByteArray encodeParameterFile(const FieldTable &table, const DesignColours &colours);
std::optional<ReadStop> decodeParameterFile(const QByteArray &bytes, FieldTable &table,
                                            DesignColours &colours);

} // namespace filer
