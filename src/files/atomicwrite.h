#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace filer {

// Writes the file whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only when every byte reached the disk.
// `write` fills the device and returns false to give up; a write cut short
// (full disk, file-size limit) fails the save even when `write` ignores the
// count. A link is written through to its target and stays a link; a
// replaced file keeps its mode, and its owner and group where the process may
// set them. False when the path is empty, the target exists but is no regular
// file (a device, pipe, socket or folder, left untouched), the folder is
// missing or refuses the file, or any write failed; the old file is then left as it was and no
// temporary file stays behind. A folder that refuses a temporary file but
// holds a writable target is written in place, as the one way such a save can
// succeed, with the room for the new content reserved before the old bytes are
// touched.
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace filer
