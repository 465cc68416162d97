// Faults a rocketeer would notice, and the test that catches each:
// - a typed text read otherwise than the field shows it (a comma as a point, blanks or units breaking
//   the number, exponents, &H/&O, a huge number as infinity); halves rounded up or judged on the
//   binary value (1.15 -> 1.1), a carry lost (9.96 -> 9.1)                           parseLength
// - a number written back with a comma, trailing zeros or an exponent, not reading back;
//   a margin not at two places                                                      formatShown
// - a caption cut or padded wrongly in a saved file                                 fitLabel
// - a shape not found in the other language or found in another case; wrong list   noseShapes
// - a field converted into the wrong member, or a free text changed                 readFieldsIntoRecord

#include "core/fieldtable.h"
#include "core/noseshape.h"
#include "core/numbers.h"
#include "testkit.h"

class TestCore : public QObject
{
    Q_OBJECT

  private slots:
    void parseLength_data()
    {
        columns<QString, int, double>("text", "digits", "expected");
        row("1.15: the typed half goes to even", "1.15", 1, 1.2);
        row("2.675 at two places", "2.675", 2, 2.68);
        row("2.5", "2.5", 0, 2.0);
        row("3.5", "3.5", 0, 4.0);
        row("-2.5", "-2.5", 0, -2.0);
        row("just above a half", "2.5000001", 0, 3.0);
        row("carry through nines", "9.96", 1, 10.0);
        row("up from below the first place", "0.6", 0, 1.0);
        row("0.05 to even zero", "0.05", 1, 0.0);
        row("comma ends the number", "12,5", 1, 12.0);
        row("unit and leading blanks", "   7.25mm", 2, 7.25);
        row("letters only", "abc", 1, 0.0);
        row("blanks, tabs and line feeds inside", "1 2\t3\n4", 0, 1234.0);
        row("sign apart from the digits", " - 2 5", 0, -25.0);
        row("plus sign", "+25", 0, 25.0);
        row("two signs", "--5", 0, 0.0);
        row("leading point", ".5", 1, 0.5);
        row("second point ends", "1.2.3", 1, 1.2);
        row("exponent E with a sign", "15E-1", 1, 1.5);
        row("exponent D", "2D3", 0, 2000.0);
        row("exponent letter without digits", "3e-x", 0, 3.0);
        row("hexadecimal", "&h1a", 0, 26.0);
        row("octal stops at 8", "&O78", 0, 7.0);
        row("ampersand with another letter", "&X1", 0, 0.0);
        row("Cyrillic ends the number", "12мм", 0, 12.0);
        row("largest double", "1.7976931348623157e308", 1, 1.7976931348623157e308);
        row("beyond the double range", "1e400", 0, 0.0);
        row("huge hexadecimal", QStringLiteral("&H") + QString(300, u'F'), 0, 0.0);
    }

    void parseLength()
    {
        QCOMPARE(::parseLength(fetch<QString>("text"), fetch<int>("digits")), fetch<double>("expected"));
        // Results that cannot be computed are no result, never NaN.
        QCOMPARE(roundHalfEven(std::nan(""), 1) + roundHalfEven(HUGE_VAL, 0), 0.0);
    }

    void formatShown_data()
    {
        columns<double, QString>("value", "expected");
        row("whole numbers without a point", 12.0, "12");
        row("a full stop, no trailing zeros", 12.3, "12.3");
        row("negative", -25.0, "-25");
        row("negative zero", -0.0, "0");
        row("small without exponent", 0.0001, "0.0001");
        row("shortest form that reads back", 0.1 + 0.2, "0.30000000000000004");
        row("just below 1e15", 999999999999999.0, "999999999999999");
        row("1e15 takes an exponent", 1e15, "1E+15");
        row("tiny", 1.2345e-12, "0.0000000000012345");
    }

    void formatShown()
    {
        const double value = fetch<double>("value");
        const QString &expected = fetch<QString>("expected");
        QCOMPARE(::formatShown(value), expected);
        QCOMPARE(readLeadingNumber(expected), value == 0 ? 0.0 : value);
        QCOMPARE(formatMargin(std::nullopt) + u'|' + formatMargin(0.996) + u'|' + formatMargin(2.0 / 3.0),
                 QStringLiteral("|1|0.67"));
    }

    void fitLabel_data()
    {
        columns<QString, QString>("caption", "expected");
        row("28 characters padded", "положение ЦТ от носа, мм 123", "положение ЦТ от носа, мм 123  ");
        row("31 characters cut", "center of gravity position, mmX", "center of gravity position, mm");
        // A character outside the basic plane is one character, never half of one.
        const QString a29(29, u'a');
        row("astral character at the cut", a29 + QStringLiteral("\U0001F680\U0001F680"),
            a29 + QStringLiteral("\U0001F680"));
    }

    void fitLabel() { QCOMPARE(::fitLabel(fetch<QString>("caption")), fetch<QString>("expected")); }

    void noseShapes_data()
    {
        columns<QString, int, QString>("name", "shape", "other");
        row("cone", "cone", 1, "конический");
        row("параболический", "параболический", 2, "parabolic");
        row("чечевичный", "чечевичный", 3, "ogive");
        row("ellipsoid", "ellipsoid", 4, "эллиптический");
        row("a capital letter is no shape", "Cone", 0, "Cone");
        row("a trailing blank is no shape", "cone ", 0, "cone ");
        row("empty", "", 0, "");
    }

    void noseShapes()
    {
        const QString &name = fetch<QString>("name"), &other = fetch<QString>("other");
        const int shape = fetch<int>("shape");
        QCOMPARE(int(lookupNoseShape(name)), shape);
        QCOMPARE(translateNoseShape(name), other);
        QCOMPARE(translateNoseShape(other), name);
        QCOMPARE(noseShapeNameIn(name, 7), name);
        if (shape == 0)
            return;
        QCOMPARE(noseShapeNameIn(other, 0) + noseShapeNameIn(other, 1),
                 noseShapeEntries(0)[shape] + noseShapeEntries(1)[shape]);
        QVERIFY(noseShapeNameIn(name, 1).at(0).unicode() < 128);
        QCOMPARE(noseShapeEntries(0).size() + noseShapeEntries(1).size(), 10);
        QVERIFY(noseShapeEntries(0).first().isEmpty() && noseShapeEntries(2).isEmpty());
    }

    void readFieldsIntoRecord()
    {
        // Every numeric field gets its own value: index + 0.25, so a field read
        // into the wrong member shows, and so does the rounding to the accuracy.
        FieldTexts texts;
        for (int i = 0; i < kFieldCount; ++i)
            texts[i] = QString::number(i) + QStringLiteral(".25");
        texts[fieldRocketName] = QStringLiteral(" Искра, 1 ");
        texts[fieldNoseShape] = QStringLiteral("Cone");
        texts[fieldCpcStability] = QStringLiteral(" ");
        texts[fieldInscription] = QStringLiteral("  12 ");
        RocketParams r;
        ::readFieldsIntoRecord(texts, r, 1);
        const double numbers[] = {r.noseLength,  r.bodyDiameter,  r.bodyLength, r.finCount,  r.finPosition,
                                  r.finSpan,     r.rootChord,     r.tipChord,   r.tipOffset, r.cgPosition,
                                  r.bcpPosition, *r.bcpStability, r.cpcPosition};
        for (int i = fieldNoseLength; i <= fieldCpcPosition; ++i)
            QCOMPARE(numbers[i - fieldNoseLength], i + 0.2);
        QVERIFY(!r.cpcStability.has_value()); // a blank margin is "not computable", not 0
        QCOMPARE(r.rocketName + r.noseShape + r.inscription, texts[0] + texts[1] + texts[16]);
        ::readFieldsIntoRecord(texts, r, 0);
        QCOMPARE(r.finCount + r.tipOffset, 5.0 + 10.0);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
