#include "core/captions.h"

namespace {

struct CaptionRow {
    const char16_t *russian;
    const char16_t *english;
};

// "lenth" is how the English captions have always been spelt; saved files
// carry these texts as field names, so they stay letter for letter.
constexpr CaptionRow kCaptions[kCaptionCount] = {
    {u"РАКЕТА", u"ROCKET"},
    {u"форма ГО", u"nose shape"},
    {u"длина ГО, мм", u"nose cone lenth, mm"},
    {u"диаметр корпуса, мм", u"body diameter, mm"},
    {u"длина корпуса, мм", u"body lenth, mm"},
    {u"количество стабилизаторов *", u"fins number *"},
    {u"положение от носа, мм", u"position from nose, mm"},
    {u"размах от корпуса, мм", u"span, mm"},
    {u"корневая хорда, мм", u"root chord, mm"},
    {u"концевая хорда, мм", u"tip chord, mm"},
    {u"сдвиг концевой хорды *", u"tip position *"},
    {u"положение ЦТ от носа, мм", u"center of gravity position, mm"},
    {u"положение ЦДБ от носа, мм", u"BCP position, mm"},
    {u"устойчивость в диаметрах", u"stability in diameters"},
    {u"положение ЦАП от носа, мм", u"CPC position, mm"},
    {u"устойчивость в диаметрах", u"stability in diameters"},
    {u"подпись:", u"inscription:"},
    {u"ГОЛОВНОЙ ОБТЕКАТЕЛЬ", u"NOSE CONE"},
    {u"КОРПУС", u"BODY"},
    {u"СТАБИЛИЗАТОРЫ", u"FINS"},
    {u"ЦЕНТР ТЯЖЕСТИ", u"CENTER OF GRAVITY"},
    {u"ЦЕНТР ДАВЛЕНИЯ ПО БАРРОУМАНУ *", u"BARROWMAN'S CENTER OF PRESSURE *"},
    {u"ЦЕНТР ДАВЛЕНИЯ ПО МАП *", u"MAP CENTER OF PRESSURE *"},
};

} // namespace

QString caption(int index, int language)
{
    if (index < 0 || index >= kCaptionCount || (language != 0 && language != 1))
        return QString();
    const CaptionRow &row = kCaptions[index];
    return QString::fromUtf16(language == 0 ? row.russian : row.english);
}
