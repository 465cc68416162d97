#include "core/captions.h"
#include "core/fieldtable.h"
#include "core/noseshape.h"

#include <QTest>

class TestDesignRecord : public QObject
{
    Q_OBJECT

  private slots:
    void fitLabel_data();
    void fitLabel();
    void fieldCaptionsFitTheTable();
    void shapeLookup_data();
    void shapeLookup();
    void shapeTranslation_data();
    void shapeTranslation();
    void readFieldsIntoRecord_data();
    void readFieldsIntoRecord();
};

void TestDesignRecord::fitLabel_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    QTest::newRow("27 characters padded")
        << QStringLiteral("положение ЦТ от носа, мм 123") << QStringLiteral("положение ЦТ от носа, мм 123  ");
    QTest::newRow("31 characters cut") << QStringLiteral("center of gravity position, mmX")
                                       << QStringLiteral("center of gravity position, mm");
    QTest::newRow("empty") << QString() << QStringLiteral(" ").repeated(30);
    // A character outside the basic plane is one character, never half of one.
    QTest::newRow("astral character at the cut")
        << QStringLiteral("a").repeated(29) + QStringLiteral("\U0001F680\U0001F680")
        << QStringLiteral("a").repeated(29) + QStringLiteral("\U0001F680");
}

void TestDesignRecord::fitLabel()
{
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    const QString fitted = ::fitLabel(caption);
    QCOMPARE(fitted, expected);
    QCOMPARE(fitted.toUcs4().size(), kLabelWidth);
}

void TestDesignRecord::fieldCaptionsFitTheTable()
{
    // Field names go into every saved file: none may be cut, and the longest
    // fills the width exactly.
    int longest = 0;
    for (int language : {0, 1}) {
        for (int i = 0; i < kFieldCount; ++i) {
            const QString text = caption(i, language);
            QVERIFY2(!text.isEmpty() && text.size() <= kLabelWidth, qPrintable(text));
            longest = std::max<int>(longest, text.size());
        }
    }
    QCOMPARE(longest, kLabelWidth);
    QCOMPARE(caption(fieldBcpStability, 0), caption(fieldCpcStability, 0));
    QCOMPARE(caption(fieldBcpStability, 1), caption(fieldCpcStability, 1));
    QCOMPARE(caption(kCaptionCount, 0), QString());
    QCOMPARE(caption(0, 2), QString());
}

void TestDesignRecord::shapeLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("shape");
    QTest::newRow("cone") << QStringLiteral("cone") << 1;
    QTest::newRow("конический") << QStringLiteral("конический") << 1;
    QTest::newRow("чечевичный") << QStringLiteral("чечевичный") << 3;
    QTest::newRow("ellipsoid") << QStringLiteral("ellipsoid") << 4;
    QTest::newRow("capital letter") << QStringLiteral("Cone") << 0;
    QTest::newRow("trailing blank") << QStringLiteral("cone ") << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestDesignRecord::shapeLookup()
{
    QFETCH(QString, name);
    QFETCH(int, shape);
    QCOMPARE(static_cast<int>(lookupNoseShape(name)), shape);
    QCOMPARE(findNoseShape(name) != nullptr, shape != 0);
}

void TestDesignRecord::shapeTranslation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("english");
    QTest::newRow("russian") << QStringLiteral("параболический") << QStringLiteral("parabolic")
                             << QStringLiteral("parabolic");
    QTest::newRow("english") << QStringLiteral("ogive") << QStringLiteral("чечевичный")
                             << QStringLiteral("ogive");
    QTest::newRow("typed text") << QStringLiteral("Ogive") << QStringLiteral("Ogive")
                                << QStringLiteral("Ogive");
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestDesignRecord::shapeTranslation()
{
    QFETCH(QString, name);
    QFETCH(QString, other);
    QFETCH(QString, english);
    QCOMPARE(translateNoseShape(name), other);
    QCOMPARE(translateNoseShape(translateNoseShape(name)), name);
    QCOMPARE(noseShapeNameIn(name, 1), english);
    QCOMPARE(noseShapeNameIn(name, 7), name);
}

void TestDesignRecord::readFieldsIntoRecord_data()
{
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<double>("noseLength");
    QTest::addColumn<double>("finCount");
    QTest::addColumn<double>("tipOffset");
    QTest::newRow("1 mm") << 0 << 101.0 << 4.0 << -12.0;
    QTest::newRow("0.1 mm") << 1 << 100.6 << 3.6 << -12.4;
}

void TestDesignRecord::readFieldsIntoRecord()
{
    QFETCH(int, accuracy);
    QFETCH(double, noseLength);
    QFETCH(double, finCount);
    QFETCH(double, tipOffset);

    FieldTexts texts;
    texts[fieldRocketName] = QStringLiteral(" Искра, 1 ");
    texts[fieldNoseShape] = QStringLiteral("Cone");
    texts[fieldNoseLength] = QStringLiteral("100.55");
    texts[fieldFinCount] = QStringLiteral("3.6");
    texts[fieldTipOffset] = QStringLiteral("-12.35");
    texts[fieldBcpStability] = QStringLiteral("1.25");
    texts[fieldCpcStability] = QString();
    texts[fieldInscription] = QStringLiteral("  12 ");

    RocketParams record;
    record.bodyLength = 99; // every numeric field is refreshed, empty ones to 0
    ::readFieldsIntoRecord(texts, record, accuracy);
    QCOMPARE(record.rocketName, texts[fieldRocketName]);
    QCOMPARE(record.noseShape, QStringLiteral("Cone"));
    QCOMPARE(record.inscription, texts[fieldInscription]);
    QCOMPARE(record.noseLength, noseLength);
    QCOMPARE(record.finCount, finCount);
    QCOMPARE(record.tipOffset, tipOffset);
    QCOMPARE(record.bodyLength, 0.0);
    QVERIFY(record.bcpStability.has_value());
    QVERIFY(!record.cpcStability.has_value());
}

QTEST_APPLESS_MAIN(TestDesignRecord)
#include "tst_designrecord.moc"
