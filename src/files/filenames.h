#pragma once

#include <QString>

// The names the file commands propose and the names they write under.
namespace filer {

// The name a picture of the design is proposed under: the current file's path
// without the extension of its file name. Without a current file, or when its
// name has no extension, the program folder and "MyRocket".
QString stripExtension(const QString &currentFile, const QString &programFolder);

// A name typed without an extension gets the filter's, as in "Data files
// (*.dat)"; a name with any extension of its own keeps it. Without a name,
// the empty text.
QString withFilterExtension(const QString &path, const QString &filter);

} // namespace filer
