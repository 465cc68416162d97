#pragma once

#include <cstdint>

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
