#include "files/designloader.h"

#include "files/parameterfile.h"

#include <QFile>
#include <QFileInfo>

std::optional<LoadedDesign> loadDesign(const QString &path, int accuracy)
{
    // The reader ignores what it cannot open; a script wants to know.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        return std::nullopt;
    probe.close();
    LoadedDesign loaded;
    filer::readParameterFile(path, loaded.fieldTable, loaded.colours);
    readFieldsIntoRecord(tableValues(loaded.fieldTable), loaded.design, accuracy);
    return loaded;
}
