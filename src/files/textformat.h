#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text conventions the program's files share: Windows-1251 so that files
// of older versions load unchanged, comma- or line-separated items, quoted
// texts with doubled inner quotes, CR LF line ends.
namespace filer::text {

// Windows-1251, or UTF-8 behind a byte-order mark when the text holds a
// character Windows-1251 cannot store, so nothing is ever turned into '?'.
QByteArray encode(const QString &text);
// Honours the mark; anything else is read as Windows-1251.
QString decode(const QByteArray &bytes);

// The file's first bytes, as many as any of the program's files may hold;
// empty when the path is not a readable regular file.
QByteArray readHead(const QString &path);

// The text in double quotes, inner quotes doubled.
QString quoted(const QString &text);

// A whole number as older writers left it: leading zeros, a plus sign, a point
// followed only by zeros ("5.0"). Nothing else; the item reader has already
// taken the blanks around it.
std::optional<int> wholeNumber(const QString &item);

// Reads comma- or line-separated items: a quoted item may hold commas and
// doubled quotes and ends at its closing quote or, at the latest, at the end
// of its line; an unquoted item ends at a comma or line end and loses the
// blanks around it. Empty when the text is used up.
class ItemReader
{
  public:
    explicit ItemReader(const QString &text)
        : m_text(text)
    {
    }
    std::optional<QString> next();
    // The line, counted from 1, on which the item last asked for began (or
    // would have begun, when the text was used up).
    int itemLine() const { return m_itemLine; }

  private:
    static bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
    static bool isDelimiter(QChar c) { return c == u',' || isLineEnd(c); }

    const QString m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_itemLine = 1;
};

} // namespace filer::text
