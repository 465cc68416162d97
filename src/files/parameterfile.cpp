#include "files/parameterfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace filer {

namespace {

const char kCodePage[] = "windows-1251";
const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// A parameter file is a few hundred bytes. Anything read beyond this is
// treated as if the file ended there, so a runaway file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

// Reads comma- or line-separated items: a quoted item may hold commas, line
// ends and doubled quotes; an unquoted item ends at a comma or line end and
// loses the blanks around it.
class ItemReader
{
  public:
    explicit ItemReader(const QString &text)
        : m_text(text)
    {
    }

    std::optional<QString> next()
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            return std::nullopt;
        QString item;
        if (m_text[m_pos] == u'"') {
            ++m_pos;
            bool closed = false;
            while (m_pos < m_text.size()) {
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
            if (!closed)
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
        skipDelimiter();
        return item;
    }

  private:
    static bool isDelimiter(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
    }

    void skipDelimiter()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos++];
        if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

std::optional<std::uint8_t> colourComponent(const QString &item)
{
    if (item.isEmpty() || item.size() > 3)
        return std::nullopt;
    int value = 0;
    for (QChar c : item) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace

QByteArray encodeParameterFile(const FieldTable &table, const DesignColours &colours)
{
    QString text;
    for (const FieldEntry &entry : table)
        text += quoted(fitLabel(entry.label)) + u',' + quoted(entry.value) + QStringLiteral("\r\n");
    for (const RgbColour &colour :
         {colours.noseColour, colours.bodyColour, colours.nameTextColour, colours.finsColour}) {
        for (int component : {colour.red, colour.green, colour.blue})
            text += QString::number(component) + QStringLiteral("\r\n");
    }

    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        // Windows-1251 would turn these characters into '?': keep every one.
        QStringEncoder utf8(QStringConverter::Utf8);
        bytes = kUtf8Mark + QByteArray(utf8.encode(text));
    }
    return bytes;
}

void decodeParameterFile(const QByteArray &bytes, FieldTable &table, DesignColours &colours)
{
    QString text;
    if (bytes.startsWith(kUtf8Mark)) {
        QStringDecoder utf8(QStringConverter::Utf8);
        text = utf8.decode(QByteArrayView(bytes).sliced(kUtf8Mark.size()));
    } else {
        QStringDecoder decoder(kCodePage);
        text = decoder.decode(bytes);
    }

    ItemReader reader(text);
    for (FieldEntry &entry : table) {
        const std::optional<QString> label = reader.next();
        if (!label)
            return;
        entry.label = fitLabel(*label);
        const std::optional<QString> value = reader.next();
        if (!value)
            return;
        entry.value = *value;
    }
    for (RgbColour *colour :
         {&colours.noseColour, &colours.bodyColour, &colours.nameTextColour, &colours.finsColour}) {
        for (std::uint8_t *component : {&colour->red, &colour->green, &colour->blue}) {
            const std::optional<QString> item = reader.next();
            if (!item)
                return;
            const std::optional<std::uint8_t> value = colourComponent(*item);
            if (!value)
                return;
            *component = *value;
        }
    }
}

void readParameterFile(const QString &path, FieldTable &table, DesignColours &colours)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    decodeParameterFile(file.read(kMaxFileBytes), table, colours);
}

bool writeParameterFile(const QString &path, const FieldTable &table, const DesignColours &colours)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encodeParameterFile(table, colours);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void readParameterFile(const QString &path)
{
    readParameterFile(path, settings::fieldTable, settings::colours);
}

bool writeParameterFile(const QString &path)
{
    return writeParameterFile(path, settings::fieldTable, settings::colours);
}

} // namespace filer
