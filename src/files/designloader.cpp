#include "files/designloader.h"

#include "core/settings.h"
#include "files/parameterfile.h"

#include <QFile>
#include <QFileInfo>

bool loadDesign(const QString &path, int accuracy)
{
    settings::reset();
    settings::accuracy = accuracy;
    // The reader ignores what it cannot open; a script wants to know.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        return false;
    probe.close();
    filer::readParameterFile(path);
    readFieldsIntoRecord(tableValues(settings::fieldTable), settings::rocket, accuracy);
    return true;
}
