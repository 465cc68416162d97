#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: a small rocket, 16 × 16, drawn here rather than shipped
// as a file. Every window of the program carries it.
QPixmap applicationPixmap();
QIcon applicationIcon();
