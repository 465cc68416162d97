#pragma once

#include "core/language.h"

enum class ViewMode { Picture, Draft };

// How a design is shown and read: the settings the last-design file keeps
// between runs and every drawing is made with.
struct ViewSettings {
    ViewMode viewMode = ViewMode::Picture;
    int lineWidth = 1; // outline width of the draft view, 1 to 3 pixels
    int accuracy = 0;  // decimals of every rounded length: 0 (1 mm) or 1 (0.1 mm)
    Language language = Language::Russian;
};
