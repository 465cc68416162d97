#include "core/captions.h"
#include "files/parameterfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

FieldTable sampleTable(int language)
{
    FieldTable table;
    const QStringList values = {QStringLiteral("Стрела"),
                                QStringLiteral("конический"),
                                QStringLiteral("100"),
                                QStringLiteral("40"),
                                QStringLiteral("400"),
                                QStringLiteral("3"),
                                QStringLiteral("420"),
                                QStringLiteral("50"),
                                QStringLiteral("80"),
                                QStringLiteral("40"),
                                QStringLiteral("-40"),
                                QStringLiteral("330"),
                                QStringLiteral("390"),
                                QStringLiteral("1.5"),
                                QStringLiteral("340"),
                                QString(),
                                QStringLiteral("клуб \"Орбита\", 2026")};
    for (int i = 0; i < kFieldCount; ++i)
        table[i] = {fitLabel(caption(i, language)), values[i]};
    return table;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const DesignColours kColours{{1, 2, 3}, {40, 50, 60}, {255, 255, 0}, {200, 0, 9}};

} // namespace

class TestParameterFile : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void exactLayout();
    void roundTrip_data();
    void roundTrip();
    void readsFilesOfOtherWriters_data();
    void readsFilesOfOtherWriters();
    void partialReads_data();
    void partialReads();
    void nothingToRead_data();
    void nothingToRead();
    void anyBytesAreSafe_data();
    void anyBytesAreSafe();
    void failedWriteKeepsTheOldFile();
    void globalTableAndColours();

  private:
    QTemporaryDir m_dir;
};

void TestParameterFile::init()
{
    QVERIFY(m_dir.isValid());
    settings::reset();
}

void TestParameterFile::exactLayout()
{
    FieldTable table = sampleTable(1);
    table[fieldInscription].value = QStringLiteral("club, 2026");
    const QByteArray bytes = filer::encodeParameterFile(table, kColours);

    // Written by hand: 17 quoted pairs with 30-character captions, then the
    // twelve colour components, every line ended by CR LF.
    QByteArray expected;
    expected += "\"ROCKET                        \",\"\xD1\xF2\xF0\xE5\xEB\xE0\"\r\n";
    expected += "\"nose shape                    \",\"\xEA\xEE\xED\xE8\xF7\xE5\xF1\xEA\xE8\xE9\"\r\n";
    expected += "\"nose cone lenth, mm           \",\"100\"\r\n";
    expected += "\"body diameter, mm             \",\"40\"\r\n";
    expected += "\"body lenth, mm                \",\"400\"\r\n";
    expected += "\"fins number *                 \",\"3\"\r\n";
    expected += "\"position from nose, mm        \",\"420\"\r\n";
    expected += "\"span, mm                      \",\"50\"\r\n";
    expected += "\"root chord, mm                \",\"80\"\r\n";
    expected += "\"tip chord, mm                 \",\"40\"\r\n";
    expected += "\"tip position *                \",\"-40\"\r\n";
    expected += "\"center of gravity position, mm\",\"330\"\r\n";
    expected += "\"BCP position, mm              \",\"390\"\r\n";
    expected += "\"stability in diameters        \",\"1.5\"\r\n";
    expected += "\"CPC position, mm              \",\"340\"\r\n";
    expected += "\"stability in diameters        \",\"\"\r\n";
    expected += "\"inscription:                  \",\"club, 2026\"\r\n";
    expected += "1\r\n2\r\n3\r\n40\r\n50\r\n60\r\n255\r\n255\r\n0\r\n200\r\n0\r\n9\r\n";
    QCOMPARE(bytes, expected);
}

void TestParameterFile::roundTrip_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("inscription");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("English captions, comma") << 1 << QStringLiteral("club, 2026") << false;
    QTest::newRow("Russian, quote and comma") << 0 << QStringLiteral("клуб \"Орбита\", 2026") << false;
    QTest::newRow("quotes only") << 0 << QStringLiteral("\"\"\"") << false;
    QTest::newRow("quote before comma") << 0 << QStringLiteral("a\",\"b") << false;
    QTest::newRow("outside Windows-1251") << 0 << QStringLiteral("Ø12 «Восток» \U0001F680") << true;
    QTest::newRow("Greek") << 1 << QStringLiteral("λ = 0.5") << true;
}

void TestParameterFile::roundTrip()
{
    QFETCH(int, language);
    QFETCH(QString, inscription);
    QFETCH(bool, utf8);

    FieldTable table = sampleTable(language);
    table[fieldInscription].value = inscription;
    const QString folder = m_dir.filePath(QStringLiteral("roundtrip"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/design.dat");
    QVERIFY(filer::writeParameterFile(path, table, kColours));

    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), utf8);
    QCOMPARE(bytes.count("\r\n"), 29);
    QVERIFY(!bytes.contains('?'));

    FieldTable back;
    DesignColours colours;
    filer::readParameterFile(path, back, colours);
    for (int i = 0; i < kFieldCount; ++i) {
        QCOMPARE(back[i].label, table[i].label);
        QCOMPARE(back[i].value, table[i].value);
    }
    QVERIFY(colours == kColours);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("design.dat")});
}

void TestParameterFile::readsFilesOfOtherWriters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");

    QByteArray lf;
    for (int i = 0; i < 17; ++i)
        lf += "\"L" + QByteArray::number(i) + "\",\"" + QByteArray::number(i * 10) + "\"\n";
    lf += "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n";
    QTest::newRow("line feeds only") << lf << QStringLiteral("0") << QStringLiteral("L0");

    QByteArray loose = "  \"name\" , Shuttle 1  \r\n";
    for (int i = 1; i < 17; ++i)
        loose += "x,\"\"\r\n";
    loose += "1,2,3,4,5,6,7,8,9,10,11,12\r\n";
    QTest::newRow("unquoted items, commas for line ends")
        << loose << QStringLiteral("Shuttle 1") << QStringLiteral("name");
}

void TestParameterFile::readsFilesOfOtherWriters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, label);
    FieldTable table;
    DesignColours colours;
    filer::decodeParameterFile(bytes, table, colours);
    QCOMPARE(table[0].value, name);
    QCOMPARE(table[0].label, fitLabel(label));
    QVERIFY((colours.finsColour == RgbColour{10, 11, 12}));
}

void TestParameterFile::partialReads_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("fieldsRead");
    QTest::addColumn<int>("coloursRead");

    QTest::newRow("ends after line 17") << QByteArray() << 17 << 0;
    QTest::newRow("colour 256 stops reading") << QByteArray("10\r\n20\r\n30\r\n256\r\n5\r\n") << 17 << 3;
    QTest::newRow("colour not a number") << QByteArray("10\r\nred\r\n") << 17 << 1;
    QTest::newRow("negative colour") << QByteArray("10\r\n20\r\n-1\r\n") << 17 << 2;
    QTest::newRow("all colours") << QByteArray(
        "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n90\r\n100\r\n110\r\n120\r\n")
                                 << 17 << 12;
}

void TestParameterFile::partialReads()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, fieldsRead);
    QFETCH(int, coloursRead);

    const QByteArray full = filer::encodeParameterFile(sampleTable(0), DesignColours());
    // 17 lines of fields from the sample, then the tail under test.
    const QByteArray bytes = full.left(full.indexOf("\"\r\n0\r\n") + 3) + tail;

    FieldTable table;
    DesignColours colours{{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    filer::decodeParameterFile(bytes, table, colours);
    const FieldTable sample = sampleTable(0);
    for (int i = 0; i < fieldsRead; ++i)
        QCOMPARE(table[i].value, sample[i].value);

    const std::uint8_t *components[] = {
        &colours.noseColour.red,     &colours.noseColour.green,     &colours.noseColour.blue,
        &colours.bodyColour.red,     &colours.bodyColour.green,     &colours.bodyColour.blue,
        &colours.nameTextColour.red, &colours.nameTextColour.green, &colours.nameTextColour.blue,
        &colours.finsColour.red,     &colours.finsColour.green,     &colours.finsColour.blue};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(int(*components[i]), i < coloursRead ? (i + 1) * 10 : 9);
}

void TestParameterFile::nothingToRead_data()
{
    QTest::addColumn<QString>("name"); // inside the test folder; null: the empty path
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << QStringLiteral("no such design.dat");
    QTest::newRow("a folder") << QStringLiteral("");
}

void TestParameterFile::nothingToRead()
{
    QFETCH(QString, name);
    FieldTable table = sampleTable(0);
    DesignColours colours = kColours;
    filer::readParameterFile(name.isNull() ? QString() : m_dir.filePath(name), table, colours);
    QCOMPARE(table[fieldInscription].value, sampleTable(0)[fieldInscription].value);
    QVERIFY(colours == kColours);
}

void TestParameterFile::anyBytesAreSafe_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(64 * 1024, Qt::Uninitialized);
    QRandomGenerator generator(2026);
    for (char &c : random)
        c = static_cast<char>(generator.bounded(256));
    QTest::newRow("random bytes") << random;
    QTest::newRow("nul bytes") << QByteArray(1000, '\0');
    QTest::newRow("open quote to the end") << QByteArray("\"never closed, not even ") + QByteArray(5000, 'x');
    QTest::newRow("enormous line") << QByteArray(40 * 1024 * 1024, 'x');
    QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("broken UTF-8 after the mark") << QByteArray("\xEF\xBB\xBF\"\xC3\",\"\xFF\xFE\"\r\n");
    QTest::newRow("only commas") << QByteArray(10000, ',');
}

void TestParameterFile::anyBytesAreSafe()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("odd.dat"));
    QVERIFY(writeBytes(path, bytes));
    FieldTable table;
    DesignColours colours = kColours;
    filer::readParameterFile(path, table, colours);
    for (const FieldEntry &entry : table)
        QCOMPARE(entry.label.toUcs4().size(), entry.label.isEmpty() ? 0 : kLabelWidth);
    QVERIFY(table[0].value.size() <= 16 * 1024 * 1024);
}

void TestParameterFile::failedWriteKeepsTheOldFile()
{
    const FieldTable table = sampleTable(0);
    QVERIFY(!filer::writeParameterFile(QString(), table, kColours));
    QVERIFY(
        !filer::writeParameterFile(m_dir.filePath(QStringLiteral("missing/design.dat")), table, kColours));

    // A folder standing where the file should go: the save fails, the folder
    // and what it holds stay as they were.
    const QString target = m_dir.filePath(QStringLiteral("taken.dat"));
    QVERIFY(QDir().mkpath(target));
    QVERIFY(writeBytes(target + QStringLiteral("/keep.txt"), "kept"));
    QVERIFY(!filer::writeParameterFile(target, table, kColours));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(readAll(target + QStringLiteral("/keep.txt")), QByteArray("kept"));

    // A successful save replaces an existing file whole, leaving nothing beside it.
    const QString folder = m_dir.filePath(QStringLiteral("replace"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/replace.dat");
    QVERIFY(writeBytes(file, QByteArray(100000, 'z')));
    QVERIFY(filer::writeParameterFile(file, table, kColours));
    QCOMPARE(readAll(file), filer::encodeParameterFile(table, kColours));
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(left == QStringList{QStringLiteral("replace.dat")}, qPrintable(left.join(u' ')));
}

void TestParameterFile::globalTableAndColours()
{
    const QString path = m_dir.filePath(QStringLiteral("global.dat"));
    settings::fieldTable = sampleTable(0);
    settings::colours = kColours;
    QVERIFY(filer::writeParameterFile(path));
    settings::reset();
    filer::readParameterFile(path);
    QCOMPARE(settings::fieldTable[fieldTipOffset].value, QStringLiteral("-40"));
    QVERIFY(settings::colours == kColours);
}

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
