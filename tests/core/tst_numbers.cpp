#include "core/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumbers : public QObject
{
    Q_OBJECT

  private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void parseLength_data();
    void parseLength();
    void parseNeverYieldsNonFinite_data();
    void parseNeverYieldsNonFinite();
    void formatShown_data();
    void formatShown();
    void formatShownReadsBack_data();
    void formatShownReadsBack();
    void formatMargin();
};

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("expected");

    // Halves judged on the typed digits, not on the binary value.
    QTest::newRow("1.15 one place") << 1.15 << 1 << 1.2;
    QTest::newRow("1.25 one place") << 1.25 << 1 << 1.2;
    QTest::newRow("0.15 one place") << 0.15 << 1 << 0.2;
    QTest::newRow("0.25 one place") << 0.25 << 1 << 0.2;
    QTest::newRow("2.675 two places") << 2.675 << 2 << 2.68;
    QTest::newRow("2.5 none") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5 none") << 3.5 << 0 << 4.0;
    QTest::newRow("0.5 none") << 0.5 << 0 << 0.0;
    QTest::newRow("1.5 none") << 1.5 << 0 << 2.0;
    QTest::newRow("-2.5 none") << -2.5 << 0 << -2.0;
    QTest::newRow("-3.5 none") << -3.5 << 0 << -4.0;
    QTest::newRow("above half") << 2.5000001 << 0 << 3.0;
    QTest::newRow("below half") << 2.4999999 << 0 << 2.0;
    QTest::newRow("carry through nines") << 9.96 << 1 << 10.0;
    QTest::newRow("carry 99.95") << 99.95 << 1 << 100.0;
    QTest::newRow("carry 0.95 at none") << 0.95 << 0 << 1.0;
    QTest::newRow("0.6 at none") << 0.6 << 0 << 1.0;
    QTest::newRow("0.04 at one") << 0.04 << 1 << 0.0;
    QTest::newRow("0.05 at one") << 0.05 << 1 << 0.0;
    QTest::newRow("0.051 at one") << 0.051 << 1 << 0.1;
    QTest::newRow("tiny") << 1e-300 << 1 << 0.0;
    QTest::newRow("already whole") << 420.0 << 0 << 420.0;
    QTest::newRow("worked example") << 389.57504 << 1 << 389.6;
    QTest::newRow("huge is whole") << 1.5e300 << 0 << 1.5e300;
    QTest::newRow("max double") << std::numeric_limits<double>::max() << 1
                                << std::numeric_limits<double>::max();
    QTest::newRow("margin 0.996") << 0.996 << 2 << 1.0;
    QTest::newRow("margin 1.005") << 1.005 << 2 << 1.0;
    QTest::newRow("margin 1.015") << 1.015 << 2 << 1.02;
    QTest::newRow("nan") << std::nan("") << 0 << 0.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 1 << 0.0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(double, expected);
    const double got = ::roundHalfEven(value, digits);
    QCOMPARE(got, expected);
    QVERIFY(!std::signbit(got) || got != 0); // never a negative zero
}

void TestNumbers::parseLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << QStringLiteral("420") << 0 << 420.0;
    QTest::newRow("comma ends the number") << QStringLiteral("12,5") << 1 << 12.0;
    QTest::newRow("unit after the number") << QStringLiteral("   7.25mm") << 2 << 7.25;
    QTest::newRow("unit, rounded") << QStringLiteral("   7.25mm") << 1 << 7.2;
    QTest::newRow("letters only") << QStringLiteral("abc") << 1 << 0.0;
    QTest::newRow("empty") << QString() << 0 << 0.0;
    QTest::newRow("blanks inside") << QStringLiteral("1 2") << 0 << 12.0;
    QTest::newRow("tab and line feed inside") << QStringLiteral("1\t2\n3") << 0 << 123.0;
    QTest::newRow("negative") << QStringLiteral("-25") << 0 << -25.0;
    QTest::newRow("plus sign") << QStringLiteral("+25") << 0 << 25.0;
    QTest::newRow("sign apart from digits") << QStringLiteral(" - 2 5") << 0 << -25.0;
    QTest::newRow("two signs") << QStringLiteral("--5") << 0 << 0.0;
    QTest::newRow("leading point") << QStringLiteral(".5") << 1 << 0.5;
    QTest::newRow("trailing point") << QStringLiteral("5.") << 1 << 5.0;
    QTest::newRow("lone point") << QStringLiteral(".") << 1 << 0.0;
    QTest::newRow("second point ends") << QStringLiteral("1.2.3") << 1 << 1.2;
    QTest::newRow("exponent E") << QStringLiteral("1.5E2") << 0 << 150.0;
    QTest::newRow("exponent e negative") << QStringLiteral("25e-1") << 1 << 2.5;
    QTest::newRow("exponent D") << QStringLiteral("2D3") << 0 << 2000.0;
    QTest::newRow("exponent d plus") << QStringLiteral("2d+1") << 0 << 20.0;
    QTest::newRow("exponent without digits") << QStringLiteral("3e") << 0 << 3.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("3e-x") << 0 << 3.0;
    QTest::newRow("blanks in exponent") << QStringLiteral("1 e 3") << 0 << 1000.0;
    QTest::newRow("hex") << QStringLiteral("&HFF") << 0 << 255.0;
    QTest::newRow("hex lower case") << QStringLiteral("&h1a") << 0 << 26.0;
    QTest::newRow("hex stops at non-digit") << QStringLiteral("&H1G") << 0 << 1.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 0 << 15.0;
    QTest::newRow("octal stops at 8") << QStringLiteral("&O78") << 0 << 7.0;
    QTest::newRow("ampersand alone") << QStringLiteral("&") << 0 << 0.0;
    QTest::newRow("ampersand other") << QStringLiteral("&X1") << 0 << 0.0;
    QTest::newRow("half to even 0.5") << QStringLiteral("0.5") << 0 << 0.0;
    QTest::newRow("half to even 1.5") << QStringLiteral("1.5") << 0 << 2.0;
    QTest::newRow("half to even 0.25") << QStringLiteral("0.25") << 1 << 0.2;
    QTest::newRow("cyrillic ends number") << QStringLiteral("12мм") << 0 << 12.0;
    QTest::newRow("beyond double range") << QStringLiteral("1e400") << 0 << 0.0;
    QTest::newRow("beyond range, negative") << QStringLiteral("-9e999") << 0 << 0.0;
    QTest::newRow("below double range") << QStringLiteral("1e-400") << 1 << 0.0;
    QTest::newRow("largest double") << QStringLiteral("1.7976931348623157e308") << 0
                                    << std::numeric_limits<double>::max();
}

void TestNumbers::parseLength()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(double, expected);
    QCOMPARE(::parseLength(text, digits), expected);
}

void TestNumbers::parseNeverYieldsNonFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("inf word") << QStringLiteral("inf");
    QTest::newRow("nan word") << QStringLiteral("nan");
    QTest::newRow("huge exponent") << QString(400, u'9');
    QTest::newRow("huge hex") << QStringLiteral("&H") + QString(300, u'F');
    QTest::newRow("exponent overflow") << QStringLiteral("1e99999999999999999999");
}

void TestNumbers::parseNeverYieldsNonFinite()
{
    QFETCH(QString, text);
    for (int digits : {0, 1})
        QVERIFY(std::isfinite(::parseLength(text, digits)));
}

void TestNumbers::formatShown_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 12.0 << QStringLiteral("12");
    QTest::newRow("one decimal") << 12.3 << QStringLiteral("12.3");
    QTest::newRow("negative") << -25.0 << QStringLiteral("-25");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("small") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("shortest of a sum") << 0.1 + 0.2 << QStringLiteral("0.30000000000000004");
    QTest::newRow("just below 1e15") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("1e15 takes exponent") << 1e15 << QStringLiteral("1E+15");
}

void TestNumbers::formatShown()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(::formatShown(value), expected);
}

void TestNumbers::formatShownReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("third") << 1.0 / 3.0;
    QTest::newRow("tiny") << 1.2345e-12;
    QTest::newRow("huge") << 6.02e300;
    QTest::newRow("negative fraction") << -389.5750412;
}

void TestNumbers::formatShownReadsBack()
{
    QFETCH(double, value);
    const QString text = ::formatShown(value);
    QVERIFY2(!text.contains(u','), qPrintable(text));
    QCOMPARE(readLeadingNumber(text), value);
}

void TestNumbers::formatMargin()
{
    QCOMPARE(::formatMargin(std::nullopt), QString());
    QCOMPARE(::formatMargin(1.25), QStringLiteral("1.25"));
    QCOMPARE(::formatMargin(0.996), QStringLiteral("1"));
    QCOMPARE(::formatMargin(-0.004), QStringLiteral("0"));
    QCOMPARE(::formatMargin(2.0 / 3.0), QStringLiteral("0.67"));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
