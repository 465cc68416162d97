#pragma once

#include "core/designcolours.h"
#include "core/fieldtable.h"
#include "core/rocketparams.h"
#include "core/viewsettings.h"

#include <QString>

// The state of a running program: one design, its field table and colours,
// the view settings and the editing state. The window and the command-line
// tool keep theirs here and pass what a routine needs down as arguments;
// nothing below them reads these values. reset() puts every one back to its
// start value, so each run and each test starts clean.
namespace settings {

extern RocketParams rocket;
extern FieldTable fieldTable;
extern DesignColours colours;
extern ViewSettings view;

extern bool changed; // an accepted edit not yet saved
extern int focusIndex;
extern QString focusText;
extern QString currentFile;

void reset();

} // namespace settings
