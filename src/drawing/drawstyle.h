#pragma once

#include "core/designcolours.h"
#include "core/viewsettings.h"

#include <QColor>
#include <QString>

// How a design is drawn: its colours and the view settings. Every drawing
// routine is given it; none reads the program's own state.
struct DrawStyle {
    DesignColours colours;
    ViewSettings view;

    bool picture() const { return view.viewMode == ViewMode::Picture; }
};

QColor toColour(const RgbColour &colour);

// A number as marker labels and dimensions print it: at most 15 significant
// digits, a full stop, and a blank in place of the sign of a positive number
// when `signBlank` is set.
QString labelNumber(double value, bool signBlank = false);
