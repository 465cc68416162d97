#include "core/fieldtable.h"

#include <QList>

QString fitLabel(const QString &caption)
{
    QList<uint> codePoints = caption.toUcs4();
    codePoints.resize(kLabelWidth, uint(' '));
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(codePoints.constData()), codePoints.size());
}

FieldTexts tableValues(const FieldTable &table)
{
    FieldTexts texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts[i] = table[i].value;
    return texts;
}

QString singleLine(QString text)
{
    for (QChar &c : text)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return text;
}
