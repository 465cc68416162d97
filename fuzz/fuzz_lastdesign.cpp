// Any bytes as the last-design file: the settings read stay inside their ranges.
#include "files/lastdesign.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    QFile file(folder.filePath(filer::kLastDesignFileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    ViewSettings view;
    filer::readLastDesignFile(folder.path(), view);
    if (view.lineWidth < 1 || view.lineWidth > 3 || view.accuracy < 0 || view.accuracy > 1)
        std::abort();
    return 0;
}
