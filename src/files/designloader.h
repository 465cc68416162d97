#pragma once

#include <QString>

// Loads a parameter file into a fresh program state the way start-up does:
// the field table and colours from the file, then the field texts into the
// design record at `accuracy` decimals, used as read. False when the file
// cannot be opened; the state is then fresh and empty.
bool loadDesign(const QString &path, int accuracy);
