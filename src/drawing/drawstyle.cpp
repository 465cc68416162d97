#include "drawing/drawstyle.h"

QColor toColour(const RgbColour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QString labelNumber(double value, bool signBlank)
{
    QString text = QString::number(value, 'g', 15).toUpper();
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (signBlank && !text.startsWith(u'-'))
        text.prepend(u' ');
    return text;
}
