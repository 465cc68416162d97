#include "files/designloader.h"

#include "files/parameterfile.h"
#include "files/textformat.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

bool holdsDesign(const QString &path, QString *whyNot)
{
    const auto fail = [whyNot](const QString &reason) {
        if (whyNot)
            *whyNot = reason;
        return false;
    };
    // The reader ignores what it cannot open or read; a user or a script wants to know.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(path));
    probe.close();
    // A caption in quotes, then the comma before its value.
    static const QRegularExpression parameterLine(QStringLiteral("^[ \\t]*\"[^\"\r\n]*\"[ \\t]*,"),
                                                  QRegularExpression::MultilineOption);
    if (!filer::text::decode(filer::text::readHead(path)).contains(parameterLine))
        return fail(QStringLiteral("%1 holds no parameter line: not a design file").arg(path));
    return true;
}

std::optional<LoadedDesign> loadDesign(const QString &path, int accuracy, QString *whyNot)
{
    if (!holdsDesign(path, whyNot))
        return std::nullopt;
    LoadedDesign loaded;
    loaded.readStop = filer::readParameterFile(path, loaded.fieldTable, loaded.colours);
    readFieldsIntoRecord(tableValues(loaded.fieldTable), loaded.design, accuracy);
    return loaded;
}

QString readStopText(const QString &path, const filer::ReadStop &stop)
{
    return QStringLiteral("%1: line %2: %3; the rest keeps its start values")
        .arg(path)
        .arg(stop.line)
        .arg(stop.reason);
}
