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

constexpr CaptionRow kMessages[int(Message::Count)] = {
    {u"Сохранить изменения?", u"Save changes?"},
    {u"Данные были изменены", u"Changed parameters"},
    {u"Сохранение не удалось. Продолжить?", u"Saving falled. Continue?"},
    {u"Ошибка сохранения", u"Saving error"},
    {u"Сохранение не удалось.", u"Saving falled."},
    {u"Файл с таким именем уже существует.\r\nПереписать?", u"File exist. Rewrite?"},
    {u"Контроль сохранения", u"Saving control"},
    {u"Сохранено", u"Saved"},
    {u"Изменения будут утеряны! \r\nВостановить?", u"Changes will be lost?\r\nRestore?"},
    {u"Восстановление последнего сохранения", u"Last saved data restoring"},
    {u"Введите коэффициент пересчета", u"Input recalculating coefficient"},
    {u"Пропорциональный пересчет", u"Changed parameters"},
    {u"Уменьшение точности приведет к потере десятичных знаков. Продолжить?",
     u"Decreasing accuracy will give decimal digits losses. Continue?"},
    {u"Изменеие данных", u"Parameters change"},
    // Word for word as users of earlier versions know it, the library's name included.
    {u"Сохранение в формате JPEG не удалось.\r\nПроверьте наличие библиотечного файла SAVTOJPG.DLL\r\n"
     u"в директории приложения или в папке /WIND0WS/System32",
     u"Saving in JPEG falled.\r\nControl SAVTOJPG.DLL file existing\r\nin application directory or in "
     u"/WIND0WS/System32"},
    {u"Ошибка сохранения JPEG", u"JPEG error"},
    {u"Принтер не найден. Сохранить страницу в PDF?", u"No printer found. Save the page as PDF?"},
    {u"Печать", u"Print"},
    {u"Файл не удалось прочитать.", u"File could not be read."},
    {u"Ошибка чтения", u"Reading error"},
};

QString pick(const CaptionRow &row, Language language)
{
    return QString::fromUtf16(language == Language::English ? row.english : row.russian);
}

} // namespace

QString message(Message id, Language language)
{
    return pick(kMessages[int(id)], language);
}

QString windowCaption(const QString &currentFile)
{
    return QStringLiteral("Quentarolith          ") + currentFile;
}

QString caption(int index, Language language)
{
    return index >= 0 && index < kCaptionCount ? pick(kCaptions[index], language) : QString();
}
