#include "files/atomicwrite.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filer {

namespace {

// Hands every write on to the file and remembers one cut short. A full disk
// or a file-size limit shows only in the count a write returns, the file's
// error state stays clear, and stream writers (text streams, the SVG
// generator) never look at that count.
class ShortWriteWatch : public QIODevice
{
  public:
    explicit ShortWriteWatch(QIODevice &file)
        : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool cutShort() const { return m_cutShort; }

  protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 written = m_file.write(data, size);
        m_cutShort = m_cutShort || written != size;
        return written;
    }

  private:
    QIODevice &m_file;
    bool m_cutShort = false;
};

// A folder that refuses a temporary file may still hold a writable target:
// then the file is written in place, the one way such a save can succeed. The
// whole content is made first and the room for it reserved on the disk before
// the old bytes are touched, so a full disk or a file-size limit refuses the
// save and leaves the old file as it was.
bool writeInPlace(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadWrite))
        return false;
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content))
        return false;
    const QByteArray &bytes = content.data();
    // A file-size limit below the new length would stop the writing half-way, old bytes gone.
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && rlim_t(bytes.size()) > limit.rlim_cur)
        return false;
    if (!bytes.isEmpty() && posix_fallocate(file.handle(), 0, bytes.size()) != 0)
        return false;
    return file.write(bytes) == bytes.size() && file.resize(bytes.size()) && file.flush();
}

// The new file replaces the old one under the old one's owner, group and
// mode, as far as the process may set them: root saving a user's design must
// not leave it root's. The mode comes last, as a change of owner clears the
// set-id bits.
void keepOwnerAndMode(const QString &path, int handle)
{
    struct stat old {
    };
    if (stat(QFile::encodeName(path).constData(), &old) != 0)
        return;
    // A plain user may still give it the old group, when a member of it.
    [[maybe_unused]] const bool ownerKept =
        fchown(handle, old.st_uid, old.st_gid) == 0 || fchown(handle, uid_t(-1), old.st_gid) == 0;
    fchmod(handle, old.st_mode & 07777);
}

} // namespace

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (path.isEmpty())
        return false;
    // Only regular files are ours to replace: a link is written through to its target and stays a
    // link, and a device, pipe, socket or folder is left alone (a save onto /dev/zero would
    // otherwise put a regular file in its place).
    // (QSaveFile writes through links itself; QFileInfo looks through them too.)
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeInPlace(path, write);
    keepOwnerAndMode(path, file.handle());
    // Qt 6.4's commit() also ignores a failed final flush and renames the
    // cut-off file over the old one, so the buffer is flushed and checked
    // while cancelling is still possible.
    ShortWriteWatch device(file);
    if (!write(device) || device.cutShort() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    return writeFileAtomically(path,
                               [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

} // namespace filer
