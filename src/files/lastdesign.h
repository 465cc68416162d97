#pragma once

#include "core/viewsettings.h"

#include <QLatin1String>
#include <QString>

// The last-design file lets a new run continue where the last one ended: five
// lines, CR LF, in the program folder (the folder of the executable, passed in
// by the caller):
//   "C:\rockets\arrow.dat"   the current design, quotes inside doubled
//   #TRUE#                   draft view (#FALSE#: picture)
//   2                        line width, 1 to 3
//   1                        accuracy, 0 or 1
//   1                        language, 0 or 1
// Encoded like parameter files: Windows-1251, or UTF-8 behind a byte-order
// mark for a path Windows-1251 cannot hold. Neither routine ever reports a
// failure: a missing or broken file only means the defaults stay in force.
namespace filer {

inline constexpr QLatin1String kLastDesignFileName("last.srd");
// The design loaded when the last-design file names none that still exists.
inline constexpr QLatin1String kDefaultDesignFileName("empiric.dat");

// Restores the view mode, line width, accuracy and language of `view` from
// the file and returns the design path of line 1 if a file of that name exists, else
// an empty path. Reading stops at the first value that cannot be read
// (premature end, a line that does not fit its type, a value outside its
// range); values read before it stay in force, the rest keep what they had.
// No file: an empty path and nothing changed.
QString readLastDesignFile(const QString &programFolder, ViewSettings &view);

// Creates or replaces the file from the current design's path and the view
// settings, all or nothing; when no design is current (an empty path),
// writes nothing and leaves an existing file as it is.
void writeLastDesignFile(const QString &programFolder, const QString &currentFile, const ViewSettings &view);

} // namespace filer
