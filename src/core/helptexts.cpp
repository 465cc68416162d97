#include "core/helptexts.h"

#include <QStringList>

#include <initializer_list>

namespace {

struct HelpText {
    int caption;
    std::initializer_list<const char16_t *> russian;
    std::initializer_list<const char16_t *> english;
};

// Line for line as the texts have always read, spelling included: the line
// ends and the blanks inside are part of them.
const HelpText kHelp[] = {
    {5,
     {u"   Оба метода определения центра давления расчитаны ", u"на 3 или 4 стабилизатора. ",
      u"   Вычисления для другого количества стабилизаторов ",
      u"дает приблизительный немного завышенный результат."},
     {u"   Both methods are accept for 3 or 4 fins. ",
      u"   Other number of fins gives not much larger value. "}},
    {10,
     {u"   Положение передней точки концевой хорды ", u"относительно передней точки корневой хорды. ",
      u"Определяет стреловидность стабилизатора."},
     {u"   Position of leading point of tip chord", u"relatively to leading point of root chord.",
      u"Appoint the sweep of fin."}},
    {21,
     {u"   Метод Барроумана позволяет достаточно точно рассчитать положение ",
      u"ЦД ракеты на малых углах атаки. Для нормальной любительской ракеты это ",
      u"основной режим полета, поэтому ориентироваться надо именно на него. ",
      u"   По сути метод близок к аналитическому методу, изложенному в ",
      u"справочной литературе по ракетному моделизму."},
     {u"   Barrowman's method gives a good accuracy of ",
      u"Center of Pressure position at small angles of attack. ",
      u"For normal rocket it is a main regime of flight. ",
      u"So it's a main point for rocket stability definition.",
      u"   This method is similar to the analytical method given ", u"in model rocketry handbooks."}},
    {22,
     {u"   Для  некоторых  особых  условий,  когда  возможен  выход  ракеты  на  большие   углы  атаки, ",
      u"есть смысл  учитывать  центр давления,  расчитанный  по авторскому  Методу Аэродинамической ",
      u"Проекции (МАП). Это модифицированный \"метод площадей\" с учетом аэродинамических коэффициентов. ",
      u"По МАП определяется  Центр Аэродинамической Проекции (ЦАП),  который на практике соответствует ",
      u"центру давления при падении ракеты боком.",
      u"   Начинающим ракетчикам рекомендуется иметь запас устойчивости относительно обоих центров. "},
     {u"   For some unusual regimes at big angles of attack is available to use ",
      u"Crossflow Presure Center (CPC). It's calculates by authors ",
      u"Method of Aerodinamics Surfaces. This metod is similar to ",
      u"Surfaces Method but with aerodinamic coefficients taking into account. ",
      u"CPC is agree with rocket falling sidelong. ",
      u"   For inexperienced rocketers it is advisable to have a little", u"supply of stability from CPC."}},
};

// The help window; the quotation marks inside name the menu entries.
const char16_t *const kHelpWindow[int(HelpPart::Count)][2] = {
    {u"Меню", u"Menue"},
    {u"Файл", u"File"},
    {u"Правка", u"Edit"},
    {u"Вид", u"View"},
    {u"Дополнительные возможности", u"Potentialities"},
    {u"Подсказки", u"prompt"},
    {u"Клавиши", u"keys"},
    {u"Есть возможность распечатать рисунок на принтере - \"печать\" и сохранить картинку в файле Bitmap "
     u"\"bmp\" или Jpeg \"jpg\".",
     u"You can \"print\" and save picture as Bitmap \"bmp\" or Jpeg \"jpg\"."},
    {u"Можно \"восстановить\" последний сохраненный вариант значений параметров. Очень полезная возможность "
     u"пропорционально \"пересчитать\" все размеры по заданному коэффициенту.",
     u"You can \"restore\" last saved parameters. Very effective possibility \"recalculate\" all sizes by "
     u"coefficient."},
    {u"Вариант изображения ракеты в виде обычного рисунка - \"рисунок\" или в виде \"чертежа\". "
     u"Дополнительно "
     u"можно задать толщину \"линии\" рисования ракеты от \"1px\"до \"3px\" . Пункт \"точность\" позволяет "
     u"выбрать степень округления размеров ракеты.",
     u"You can choose rocket view as \"picture\" or as \"draft\". \"Lines\" give posibility to change lines "
     u"width from \"1px\" to \"3px\" . With \"Accuracy\" you can choose range of sizes accuracy."},
    {u"Двойной клик на тексте, помеченном знаком *,  выдает контекстную подсказку.",
     u"Duble-click on text marked by  *,  gives a context prompt."},
    {u"Кроме дублирования большинства пунктов меню быстрыми клавишами, есть и быстрый выход по клавише "
     u"Escape, но "
     u"без сохранения изменений.",
     u"Programm has panic exit with \"esc\" button, but without saving changes."},
};

// The description's pieces run on as one paragraph; the blanks inside are the text's own.
const char16_t *const kDescription[2][4] = {
    {u"   Программа предназначена для проектирования внешней формы простой ",
     u"ракеты.   Позволяет  получить  визуальное  представление  создаваемого ",
     u"аппарата,   подобрать   основную  палитру,   сделать  чертеж,   рассчитать ",
     u"положение центра давления  и выбрать необходимый  запас устойчивости."},
    {u"   The programm intends for simple rocket shape design. ",
     u"It allows to receive rocket view visualisation, ", u"to select colors, to make draft, to calculate ",
     u"pressure center position and to determine needing stability. "},
};
const char16_t *const kNotice[2][3] = {
    {u"Внимание! ", u"", u"Последнюю версию можно найти на: "},
    {u"Attention! ", u" ", u"Last version you can find at: "},
};

} // namespace

QString aboutText(AboutPart part, Language language)
{
    const int l = language == Language::English ? 1 : 0;
    const QString crlf = QStringLiteral("\r\n");
    switch (part) {
    case AboutPart::Title:
        return l ? QStringLiteral("About programm ") : QStringLiteral("О программе ");
    case AboutPart::Version:
        return l ? QStringLiteral("Version ") : QStringLiteral("Версия ");
    case AboutPart::Description: {
        QString text;
        for (const char16_t *piece : kDescription[l])
            text += QString::fromUtf16(piece);
        return text + crlf + crlf + QStringLiteral("   Quentarolith contributors") + crlf + crlf
               + QStringLiteral("   2026");
    }
    case AboutPart::Site:
        return l ? QStringLiteral("   Author site:") : QStringLiteral("   Сайт автора:");
    case AboutPart::Notice: {
        QStringList lines;
        for (const char16_t *line : kNotice[l])
            lines.append(QString::fromUtf16(line));
        return lines.join(crlf);
    }
    case AboutPart::Count:
        break;
    }
    return {};
}

QString helpWindowText(HelpPart part, Language language)
{
    return QString::fromUtf16(kHelpWindow[int(part)][language == Language::English ? 1 : 0]);
}

QString contextHelpText(int index, Language language)
{
    for (const HelpText &help : kHelp) {
        if (help.caption != index)
            continue;
        QStringList lines;
        for (const char16_t *line : language == Language::English ? help.english : help.russian)
            lines.append(QString::fromUtf16(line));
        return lines.join(QStringLiteral("\r\n"));
    }
    return {};
}

QString contextHelpTitle(Language language)
{
    return language == Language::English ? QStringLiteral("Context information")
                                         : QStringLiteral("контекстная справка");
}
