#include "core/settings.h"

namespace settings {

RocketParams rocket;
FieldTable fieldTable;
DesignColours colours;

int accuracy = 0;
bool changed = false;
int focusIndex = 0;
QString focusText;
ViewMode viewMode = ViewMode::Picture;
int lineWidth = 1;
int language = 0;
QString currentFile;

double drawScale = 0;

void reset()
{
    rocket = RocketParams();
    fieldTable = FieldTable();
    colours = DesignColours();
    accuracy = 0;
    changed = false;
    focusIndex = 0;
    focusText.clear();
    viewMode = ViewMode::Picture;
    lineWidth = 1;
    language = 0;
    currentFile.clear();
    drawScale = 0;
}

} // namespace settings
