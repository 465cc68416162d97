#pragma once

#include "core/designcolours.h"
#include "core/fieldtable.h"
#include "core/rocketparams.h"
#include "files/parameterfile.h"

#include <QString>

#include <optional>

// One design as a parameter file gives it: the field table and colours as
// read, and the field texts read into a design record.
struct LoadedDesign {
    FieldTable fieldTable;
    DesignColours colours;
    RocketParams design;
    // Where reading stopped short; the rest keeps its start values.
    std::optional<filer::ReadStop> readStop;
};

// Whether the path names a readable file that holds at least one parameter
// line; when not, the reason in `whyNot` when given. A picture or a binary
// file is no design, and reading it would only leave the previous one in place.
bool holdsDesign(const QString &path, QString *whyNot = nullptr);

// Loads a parameter file the way start-up does, from fresh start values,
// reading the field texts into the record at `accuracy` decimals. None when
// the file cannot be opened or holds no parameter line at all (a picture, a
// binary file), with the reason in `whyNot` when given.
std::optional<LoadedDesign> loadDesign(const QString &path, int accuracy, QString *whyNot = nullptr);

// "PATH: line N: why; the rest keeps its start values", for a design whose
// file stopped short.
QString readStopText(const QString &path, const filer::ReadStop &stop);
