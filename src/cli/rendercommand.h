#pragma once

#include <QStringList>
#include <QTextStream>

// quentarolith-cli render FILE -o OUT [--view picture|draft] [--lang ru|en]
//                                     [--lines 1|2|3] [--accuracy 0|1] [--height PX]
// Exit status: 0 written, 1 FILE unreadable or OUT not written, 2 bad usage.
int runRender(const QStringList &args, QTextStream &err);
