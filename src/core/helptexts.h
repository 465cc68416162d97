#pragma once

#include "core/language.h"

#include <QString>

// Help: the short explanations behind the starred captions of the main window: the
// fin count (5), the tip chord's offset (10) and the two centres of pressure
// (21, 22). Each is a fixed run of lines joined by CR LF; a paragraph starts
// with three blanks.

// The text for caption `index` in `language`; empty for a caption without one.
QString contextHelpText(int index, Language language);

// The title of the box that shows it.
QString contextHelpTitle(Language language);

// The help window's texts: the captions of its seven group boxes (the menu,
// then File, Edit, View; the extras, then prompts and keys) and the five texts
// inside them, in that order.
enum class HelpPart {
    Frame1,
    Frame2,
    Frame3,
    Frame4,
    Frame5,
    Frame6,
    Frame7,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Count
};
QString helpWindowText(HelpPart part, Language language);

// The about window's texts.
enum class AboutPart {
    Title,       // the window title, before the application title
    Version,     // before the version label
    Description, // one paragraph, then the author line and the place and year
    Site,        // the caption of the author's site
    Notice,      // three lines; the last introduces the page address below it
    Count
};
QString aboutText(AboutPart part, Language language);
