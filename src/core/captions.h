#pragma once

#include <QString>

// Captions of the main window's labels: 0 to 16 name the fields of the same
// index (and are the field names written into parameter files), 17 to 22 are
// the section headings. A trailing "*" marks a caption with context help.
constexpr int kCaptionCount = 23;

// The caption of label `index` in `language` (0 Russian, 1 English); empty
// for an index or a language outside the table.
QString caption(int index, int language);
