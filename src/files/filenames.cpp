#include "files/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace filer {

namespace {

// The full stop that starts the file name's extension, or -1. A name that
// only begins with one (".hidden") has none.
qsizetype extensionStart(const QString &path)
{
    const qsizetype nameStart = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > nameStart ? dot : -1;
}

} // namespace

QString stripExtension(const QString &currentFile, const QString &programFolder)
{
    const qsizetype dot = extensionStart(currentFile);
    if (dot < 0)
        return QDir::toNativeSeparators(QDir(programFolder).filePath(QStringLiteral("MyRocket")));
    return currentFile.left(dot);
}

QString withFilterExtension(const QString &path, const QString &filter)
{
    if (path.isEmpty() || extensionStart(path) >= 0)
        return path;
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? path + match.captured(1) : path;
}

} // namespace filer
