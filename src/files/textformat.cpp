#include "files/textformat.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace filer::text {

namespace {

const char kCodePage[] = "windows-1251";
const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// The program's files are a few hundred bytes. Anything beyond this is
// treated as if the file ended there, so a runaway file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

} // namespace

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    QStringEncoder utf8(QStringConverter::Utf8);
    return kUtf8Mark + QByteArray(utf8.encode(text));
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Mark)) {
        QStringDecoder utf8(QStringConverter::Utf8);
        return utf8.decode(QByteArrayView(bytes).sliced(kUtf8Mark.size()));
    }
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QByteArray readHead(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxFileBytes) : QByteArray();
}

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

std::optional<int> wholeNumber(const QString &item)
{
    QStringView digits(item);
    if (digits.startsWith(u'+'))
        digits = digits.sliced(1);
    const qsizetype point = digits.indexOf(u'.');
    if (point >= 0) {
        if (!std::all_of(digits.begin() + point + 1, digits.end(), [](QChar c) { return c == u'0'; }))
            return std::nullopt;
        digits = digits.first(point);
    }
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        // Capped rather than overflowing: every caller's range ends far below.
        value = std::min(value * 10 + (c.unicode() - u'0'), 1000000);
    }
    return value;
}

std::optional<QString> ItemReader::next()
{
    while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
        ++m_pos;
    m_itemLine = m_line;
    if (m_pos >= m_text.size())
        return std::nullopt;
    QString item;
    if (m_text[m_pos] == u'"') {
        ++m_pos;
        bool closed = false;
        // Older writers left a value's own quote unescaped ("5""): the line end
        // closes such an item, so that it cannot swallow the lines after it.
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos])) {
            const QChar c = m_text[m_pos++];
            if (c != u'"') {
                item += c;
            } else if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                item += u'"';
                ++m_pos;
            } else {
                closed = true;
                break;
            }
        }
        if (!closed && m_pos >= m_text.size())
            return std::nullopt; // the file ends inside the quotes
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < m_text.size() && !isDelimiter(m_text[m_pos]))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isDelimiter(m_text[m_pos]))
            ++m_pos;
        item = m_text.mid(start, m_pos - start).trimmed();
    }
    if (m_pos < m_text.size()) {
        const QChar delimiter = m_text[m_pos++];
        if (isLineEnd(delimiter))
            ++m_line;
        if (delimiter == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }
    return item;
}

} // namespace filer::text
