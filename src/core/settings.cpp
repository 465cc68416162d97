#include "core/settings.h"

namespace settings {

RocketParams rocket;
FieldTable fieldTable;
DesignColours colours;
ViewSettings view;

bool changed = false;
int focusIndex = 0;
QString focusText;
QString currentFile;

void reset()
{
    rocket = RocketParams();
    fieldTable = FieldTable();
    colours = DesignColours();
    view = ViewSettings();
    changed = false;
    focusIndex = 0;
    focusText.clear();
    currentFile.clear();
}

} // namespace settings
