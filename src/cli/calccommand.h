#pragma once

#include <QStringList>
#include <QTextStream>

// quentarolith-cli calc [--accuracy 0|1] [--json] FILE...
// Exit status: 0 all files computed, 1 a file could not be read, 2 bad usage.
int runCalc(const QStringList &args, QTextStream &out, QTextStream &err);
