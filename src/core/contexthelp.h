#pragma once

#include "core/language.h"

#include <QString>

// The short explanations behind the starred captions of the main window: the
// fin count (5), the tip chord's offset (10) and the two centres of pressure
// (21, 22). Each is a fixed run of lines joined by CR LF; a paragraph starts
// with three blanks.

// The text for caption `index` in `language`; empty for a caption without one.
QString contextHelpText(int index, Language language);

// The title of the box that shows it.
QString contextHelpTitle(Language language);
