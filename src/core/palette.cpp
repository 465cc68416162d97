#include "core/palette.h"

#include <algorithm>

Palette buildPalette()
{
    Palette palette{};
    const auto v = [](int x) { return std::uint8_t(51 * x); };
    int n = 0;
    // Each pass gives the loop indices i ≥ j ≥ l other roles among red, green
    // and blue; the even passes leave out what their odd neighbour already has.
    for (int pass = 1; pass <= 6; ++pass) {
        for (int i = 5; i >= 0; --i) {
            for (int j = i; j >= 0; --j) {
                for (int l = j; l >= 0; --l) {
                    if (i == j && j == l)
                        continue; // greys have a row of their own
                    if (pass % 2 == 0 && j == l)
                        continue;
                    const std::uint8_t I = v(i), J = v(j), L = v(l);
                    switch (pass) {
                    case 1:
                        palette[n++] = {I, J, L};
                        break;
                    case 2:
                        palette[n++] = {I, L, J};
                        break;
                    case 3:
                        palette[n++] = {L, I, J};
                        break;
                    case 4:
                        palette[n++] = {J, I, L};
                        break;
                    case 5:
                        palette[n++] = {J, L, I};
                        break;
                    default:
                        palette[n++] = {L, J, I};
                        break;
                    }
                }
            }
        }
    }
    // The grey row: black to white in 14 steps, each level rounded down.
    const int steps = kPaletteSize - 1 - n;
    for (int m = 0; m <= steps; ++m) {
        const auto grey = std::uint8_t(255.0 / steps * m);
        palette[n + m] = {grey, grey, grey};
    }
    return palette;
}

std::int16_t GetPalettePos(const Palette &palette, std::int16_t NC, std::uint8_t RR, std::uint8_t GG,
                           std::uint8_t BB)
{
    const int last = std::min<int>(NC, kPaletteSize - 1);
    for (int i = 0; i <= last; ++i)
        if (palette.at(i) == RgbColour{RR, GG, BB})
            return std::int16_t(i);
    return -1;
}

QString paletteTitle(int part, Language language)
{
    static const char16_t *const titles[4][2] = {
        {u"Выбор цвета ГО", u"Nose cone color"},
        {u"Выбор цвета корпуса", u"Body color"},
        {u"Выбор цвета текста", u"Name text color"},
        {u"Выбор цвета стабилизатора", u"Fins color"},
    };
    return QString::fromUtf16(titles[std::clamp(part, 0, 3)][language == Language::English ? 1 : 0]);
}

RgbColour &designColour(DesignColours &colours, int part)
{
    RgbColour *const parts[] = {&colours.noseColour, &colours.bodyColour, &colours.nameTextColour,
                                &colours.finsColour};
    return *parts[std::clamp(part, 0, 3)];
}
