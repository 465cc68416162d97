#include "files/lastdesign.h"

#include "files/atomicwrite.h"
#include "files/textformat.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <tuple>

namespace filer {

namespace {

const QString kDraft = QStringLiteral("#TRUE#");
const QString kPicture = QStringLiteral("#FALSE#");

// The next item as a whole number from `low` to `high`.
std::optional<int> nextInRange(text::ItemReader &reader, int low, int high)
{
    const std::optional<QString> item = reader.next();
    const std::optional<int> value = item ? text::wholeNumber(*item) : std::nullopt;
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

// Lines 2 to 5 into `view`. Each value is taken as soon as it is read, so a
// file cut short or spoilt part-way still restores what stands before the
// damage.
void readViewSettings(text::ItemReader &reader, ViewSettings &view)
{
    const QString mode = reader.next().value_or(QString());
    const bool draft = mode == kDraft;
    if (!draft && mode != kPicture)
        return;
    view.viewMode = draft ? ViewMode::Draft : ViewMode::Picture;
    int language = 0;
    for (auto [setting, low, high] :
         {std::tuple{&view.lineWidth, 1, 3}, std::tuple{&view.accuracy, 0, 1}, std::tuple{&language, 0, 1}}) {
        const std::optional<int> value = nextInRange(reader, low, high);
        if (!value)
            return;
        *setting = *value;
    }
    view.language = *languageFromNumber(language);
}

} // namespace

QString readLastDesignFile(const QString &programFolder, ViewSettings &view)
{
    const QByteArray bytes = text::readHead(QDir(programFolder).filePath(kLastDesignFileName));
    text::ItemReader reader(text::decode(bytes));
    const QString path = reader.next().value_or(QString());
    readViewSettings(reader, view);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

void writeLastDesignFile(const QString &programFolder, const QString &currentFile, const ViewSettings &view)
{
    if (currentFile.isEmpty())
        return;
    const QString lines = text::quoted(currentFile) + QStringLiteral("\r\n")
                          + (view.viewMode == ViewMode::Draft ? kDraft : kPicture) + QStringLiteral("\r\n")
                          + QString::number(view.lineWidth) + QStringLiteral("\r\n")
                          + QString::number(view.accuracy) + QStringLiteral("\r\n")
                          + QString::number(languageNumber(view.language)) + QStringLiteral("\r\n");
    writeFileAtomically(QDir(programFolder).filePath(kLastDesignFileName), text::encode(lines));
}

} // namespace filer
