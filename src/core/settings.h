#pragma once

#include "core/fieldtable.h"
#include "core/rocketparams.h"

#include <QString>

#include <cstdint>

// Program-wide values: one design, its field table and colours, and the
// run-time settings. Every subsystem reads them here; reset() puts them back
// to their start values, so each test (and each file the command line
// handles) starts clean.

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColour &a, const RgbColour &b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const RgbColour &a, const RgbColour &b) { return !(a == b); }
};

// The four colours saved with a design, in file order.
struct DesignColours {
    RgbColour noseColour{0, 0, 0};
    RgbColour bodyColour{150, 150, 150};
    RgbColour nameTextColour{250, 250, 0};
    RgbColour finsColour{250, 0, 0};

    friend bool operator==(const DesignColours &a, const DesignColours &b)
    {
        return a.noseColour == b.noseColour && a.bodyColour == b.bodyColour
               && a.nameTextColour == b.nameTextColour && a.finsColour == b.finsColour;
    }
};

enum class ViewMode { Picture, Draft };

namespace settings {

extern RocketParams rocket;
extern FieldTable fieldTable;
extern DesignColours colours;

extern int accuracy; // decimals of every rounded length: 0 (1 mm) or 1 (0.1 mm)
extern bool changed; // an accepted edit not yet saved
extern int focusIndex;
extern QString focusText;
extern ViewMode viewMode;
extern int lineWidth; // outline width of the draft view, 1 to 3 pixels
extern int language;  // 0 Russian, 1 English
extern QString currentFile;

// Canvas geometry: the upright A4 sheet in user units, the rocket's axis and
// the nose tip on it, and the drawing scale of the last rebuild.
// The quotient 210/297 is formed first, as the sheet's proportion.
inline constexpr double canvasHeight = 1200.0;
inline constexpr double canvasWidth = 1200.0 * (210.0 / 297.0);
inline constexpr double noseTipY = 100.0;
inline constexpr double axisX = canvasWidth / 2;
extern double drawScale;

void reset();

} // namespace settings
