#include "core/contexthelp.h"

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

} // namespace

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
