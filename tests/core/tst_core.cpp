// Faults a rocketeer would notice: a typed text read otherwise than its field shows it; a half not
// to even or judged on its binary value (1.15 -> 1.1), digits lost or trailing zeros
// shown; a shape found in another case or missing from a language or the drop-down; a field read
// into a wrong member or at the wrong accuracy, a free text changed, a blank margin read as 0; a
// palette swatch of another colour, or the colour of a design marked at the wrong swatch; a
// context help behind another caption, in the other language or with its lines run together.

#include "core/fieldtable.h"
#include "core/helptexts.h"
#include "core/noseshape.h"
#include "core/numbers.h"
#include "core/palette.h"
#include "testkit.h"

class TestCore : public QObject
{
    Q_OBJECT

  private slots:
    void typedShown_data()
    {
        columns<QString, int, QString>("typed", "digits", "shown");
        row("1.15: the typed half goes to even", "1.15", 1, "1.2");
        row("-2.5 down to the even -2", "-2.5", 0, "-2");
        row("up from below the first place", "0.6", 0, "1");
        row("comma ends the number", "12,5", 1, "12");
        row("blanks, tabs and line feeds inside", "1 2\t3\n4", 0, "1234");
        row("plus sign", "+25", 0, "25");
        row("leading point", ".5", 1, "0.5");
        row("exponent E with a sign", "15E-1", 1, "1.5");
        row("exponent D", "2D3", 0, "2000");
        row("hexadecimal", "&h1a", 0, "26");
        row("octal stops at 8", "&O78", 0, "7");
        row("ampersand with another letter", "&X1", 0, "0");
        row("Cyrillic ends the number (U+0434 cut to a byte is 4)", "12дм", 0, "12");
        row("beyond the double range", "1e400", 0, "0");
        row("huge hexadecimal", QStringLiteral("&H") + QString(300, u'F'), 0, "0");
        row("just below 1e15", "999999999999999", 0, "999999999999999");
        row("1e15 takes an exponent", "1e15", 0, "1E+15");
        row("tiny, without an exponent", "1.2345e-12", 16, "0.0000000000012345");
    }
    void typedShown()
    {
        const auto [typed, digits, shown] =
            fetch<QString, int, QString>("typed", "digits", "shown");
        QCOMPARE(formatShown(parseLength(typed, digits)), shown);
    }

    void noseShapes_data()
    {
        columns<QString, int, QString, QString>("name", "shape", "russian", "english");
        row("cone", "cone", NoseShape::Cone, "конический", "cone");
        row("ogive", "чечевичный", NoseShape::Ogive, "чечевичный", "ogive");
        row("ellipsoid", "ellipsoid", NoseShape::Ellipsoid, "эллиптический", "ellipsoid");
        row("a capital letter is no shape", "Cone", NoseShape::None, "Cone", "Cone");
        row("a trailing blank is no shape", "cone ", NoseShape::None, "cone ", "cone ");
    }
    void noseShapes()
    {
        const auto [name, shape, russian, english] =
            fetch<QString, int, QString, QString>("name", "shape", "russian", "english");
        QCOMPARE(int(lookupNoseShape(name)), shape);
        QCOMPARE(noseShapeNameIn(name, Language::Russian), russian);
        QCOMPARE(noseShapeNameIn(name, Language::English), english);
        // The drop-down: an empty entry, then each shape at its number.
        QCOMPARE(noseShapeEntries(Language::Russian).value(shape), shape ? russian : QString());
        QCOMPARE(noseShapeEntries(Language::English).value(shape), shape ? english : QString());
    }

    void readFieldsIntoRecord()
    {
        // Every numeric field holds its index + .25, so a field read into the wrong member
        // shows: 6.25 is 6 at 1 mm and 6.2 at 0.1 mm (the half goes to the even 2).
        FieldTexts texts{QStringLiteral(" Искра, 1 ")};
        for (int i = fieldNoseLength; i < kFieldCount; ++i)
            texts[i] = QString::number(i) + QStringLiteral(".25");
        texts[fieldCpcStability] = QStringLiteral(" ");
        texts[fieldInscription] = QStringLiteral("  12 ");
        RocketParams r;
        for (const int digits : {0, 1}) {
            ::readFieldsIntoRecord(texts, r, digits);
            const double numbers[] = {r.noseLength, r.bodyDiameter, r.bodyLength,
                                      r.finCount,   r.finPosition,  r.finSpan,
                                      r.rootChord,  r.tipChord,     r.tipOffset,
                                      r.cgPosition, r.bcpPosition,  r.bcpStability.value_or(-1),
                                      r.cpcPosition};
            for (int i = fieldNoseLength; i <= fieldCpcPosition; ++i)
                QCOMPARE(numbers[i - fieldNoseLength], digits ? i + 0.2 : i);
        }
        QVERIFY(!r.cpcStability.has_value()); // a blank margin is "not computable", not 0
        QCOMPARE(r.rocketName, QStringLiteral(" Искра, 1 "));
        QCOMPARE(r.inscription, QStringLiteral("  12 "));
    }

    void palette_data()
    {
        // Entries from the six passes over the levels 0, 51, ..., 255 and the grey row (255/14 · m,
        // rounded down); the entry a search finds for that colour, the first of a repeated one.
        columns<int, int, int, int, int>("entry", "red", "green", "blue", "found");
        // clang-format off
        row("first of pass 1", 0, 255, 255, 204, 0);
        row("last of the first row", 4, 255, 255, 0, 4);
        row("first of pass 2", 50, 255, 204, 255, 50);
        row("first of pass 3", 85, 204, 255, 255, 85);
        row("pass 4 begins with the first row again", 135, 255, 255, 204, 0);
        row("last of the passes, first met in pass 3 (i = j = 1, l = 0)", 254, 0, 51, 51, 133);
        const int greys[] = {0, 18, 36, 54, 72, 91, 109, 127, 145, 163, 182, 200, 218, 236, 255};
        for (int m = 0; m < 15; ++m)
            row(qPrintable(QStringLiteral("grey %1").arg(m)), 255 + m, greys[m], greys[m], greys[m], 255 + m);
        // clang-format on
    }
    void palette()
    {
        const auto [entry, red, green, blue, found] =
            fetch<int, int, int, int, int>("entry", "red", "green", "blue", "found");
        const Palette palette = buildPalette();
        QCOMPARE(palette[entry].red, red);
        QCOMPARE(palette[entry].green, green);
        QCOMPARE(palette[entry].blue, blue);
        QCOMPARE(GetPalettePos(palette, 269, red, green, blue), found);
        // Searched no further than asked, and never past the last entry, where the body's start
        // colour is not found.
        QCOMPARE(GetPalettePos(palette, std::int16_t(found - 1), red, green, blue), -1);
        QCOMPARE(GetPalettePos(palette, 32767, red, green, blue), found);
        QCOMPARE(GetPalettePos(palette, 32767, 150, 150, 150), -1);
    }

    void contextHelp_data()
    {
        // The caption double-clicked and the language; the help's title, number of lines (CR LF
        // apart, none after the last) and its first and last line.
        columns<int, int, QString, int, QString, QString>("caption", "language", "title", "lines",
                                                          "first", "last");
        const Language ru = Language::Russian, en = Language::English;
        const QString ruTitle = QStringLiteral("контекстная справка"),
                      enTitle = QStringLiteral("Context information");
        // clang-format off
        row("fins, Russian", 5, ru, ruTitle, 4, "   Оба метода определения центра давления расчитаны ", "дает приблизительный немного завышенный результат.");
        row("fins, English: two paragraphs", 5, en, enTitle, 2, "   Both methods are accept for 3 or 4 fins. ", "   Other number of fins gives not much larger value. ");
        row("tip position, English", 10, en, enTitle, 3, "   Position of leading point of tip chord", "Appoint the sweep of fin.");
        row("Barrowman, English", 21, en, enTitle, 6, "   Barrowman's method gives a good accuracy of ", "in model rocketry handbooks.");
        row("projection, Russian", 22, ru, ruTitle, 6, "   Для  некоторых  особых  условий,  когда  возможен  выход  ракеты  на  большие   углы  атаки, ", "   Начинающим ракетчикам рекомендуется иметь запас устойчивости относительно обоих центров. ");
        row("the rocket's caption: none", 0, ru, ruTitle, 0, "", "");
        row("a heading without a star: none", 17, en, enTitle, 0, "", "");
        // clang-format on
    }
    void contextHelp()
    {
        const auto [caption, language, title, lines, first, last] =
            fetch<int, int, QString, int, QString, QString>("caption", "language", "title", "lines",
                                                            "first", "last");
        const QString text = contextHelpText(caption, Language(language));
        const QStringList split =
            text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
        QCOMPARE(contextHelpTitle(Language(language)), title);
        QCOMPARE(split.size(), lines);
        QCOMPARE(split.value(0), first);
        QCOMPARE(split.value(lines - 1), last);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
