#include "core/fieldedits.h"

#include "core/numbers.h"

QString withDecimalPoint(QString typed)
{
    return typed.replace(u',', u'.');
}

FieldTexts scaledFields(FieldTexts texts, double k, int digits)
{
    const double finCount = readLeadingNumber(texts[fieldFinCount]);
    // The Barrowman result scales too: a design that cannot be drawn keeps it,
    // one that can gets it anew from the next redraw.
    for (int i = fieldNoseLength; i <= fieldBcpPosition; ++i)
        texts[i] = formatShown(roundHalfEven(readLeadingNumber(texts[i]) * k, digits));
    texts[fieldFinCount] = formatShown(finCount);
    return texts;
}

FieldTexts wholeMillimetreFields(FieldTexts texts)
{
    for (int i = fieldNoseLength; i <= fieldCgPosition; ++i)
        texts[i] = formatShown(parseLength(texts[i], 0));
    return texts;
}
