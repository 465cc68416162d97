#pragma once

#include "core/designcolours.h"
#include "core/language.h"

#include <QString>

#include <array>
#include <cstdint>

// The colour palette's grid: 255 colours of the six-level cube in six passes
// (some colours come twice, so that every row is full), then a row of 15
// greys from black to white.
constexpr int kPaletteSize = 270;
constexpr int kPaletteColumns = 15;

using Palette = std::array<RgbColour, kPaletteSize>;

Palette buildPalette();

// The first entry from 0 to `NC`, in ascending order, of the colour (`RR`,
// `GG`, `BB`); -1 when there is none or `NC` is negative. The search ends at
// the last entry whatever `NC` says.
std::int16_t GetPalettePos(const Palette &palette, std::int16_t NC, std::uint8_t RR, std::uint8_t GG,
                           std::uint8_t BB);

// The palette window's title for the colour of swatch `part` (0 nose, 1 body,
// 2 name, 3 fins).
QString paletteTitle(int part, Language language);

// The design colour behind swatch `part`.
RgbColour &designColour(DesignColours &colours, int part);
