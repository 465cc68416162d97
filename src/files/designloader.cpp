#include "files/designloader.h"

#include "files/parameterfile.h"
#include "files/textformat.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

std::optional<LoadedDesign> loadDesign(const QString &path, int accuracy, QString *whyNot)
{
    const auto fail = [whyNot](const QString &reason) {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    };
    // The reader ignores what it cannot open or read; a script wants to know.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(path));
    probe.close();
    const QByteArray bytes = filer::text::readHead(path);
    // A caption in quotes, then the comma before its value.
    static const QRegularExpression parameterLine(QStringLiteral("^[ \\t]*\"[^\"\r\n]*\"[ \\t]*,"),
                                                  QRegularExpression::MultilineOption);
    if (!filer::text::decode(bytes).contains(parameterLine))
        return fail(QStringLiteral("%1 holds no parameter line: not a design file").arg(path));
    LoadedDesign loaded;
    filer::decodeParameterFile(bytes, loaded.fieldTable, loaded.colours);
    readFieldsIntoRecord(tableValues(loaded.fieldTable), loaded.design, accuracy);
    return loaded;
}
