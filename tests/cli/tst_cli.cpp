#include "files/parameterfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(CLI_PATH), args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The reference design (cone 100, body 40 × 400, three fins at 420) with its
// centre of gravity at `cg`.
QString writeDesign(const QTemporaryDir &dir, const QString &name, const QString &cg)
{
    const QStringList values = {QStringLiteral("Test"), QStringLiteral("cone"), QStringLiteral("100"),
                                QStringLiteral("40"),   QStringLiteral("400"),  QStringLiteral("3"),
                                QStringLiteral("420"),  QStringLiteral("50"),   QStringLiteral("80"),
                                QStringLiteral("40"),   QStringLiteral("40"),   cg};
    FieldTable table;
    for (int i = 0; i < values.size(); ++i)
        table[i].value = values[i];
    const QString path = dir.filePath(name);
    return filer::writeParameterFile(path, table, DesignColours()) ? path : QString();
}

QJsonObject parseLine(const QString &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void workedExample_data();
    void workedExample();
    void warningAndEmptyMargins_data();
    void warningAndEmptyMargins();
    void readableOutput();
    void missingFileIsReportedOthersGoOn();
    void usage_data();
    void usage();
    void defaultDesignIsStable();

  private:
    QTemporaryDir m_dir;
};

void TestCli::workedExample_data()
{
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<double>("bcp");
    QTest::addColumn<double>("cpc");
    QTest::newRow("1 mm") << QStringLiteral("0") << 390.0 << 340.0;
    QTest::newRow("0.1 mm") << QStringLiteral("1") << 389.6 << 340.3;
}

void TestCli::workedExample()
{
    QFETCH(QString, accuracy);
    QFETCH(double, bcp);
    QFETCH(double, cpc);
    const QString path = writeDesign(m_dir, QStringLiteral("worked.dat"), QStringLiteral("330"));
    QVERIFY(!path.isEmpty());

    const Run run = runCli(
        {QStringLiteral("calc"), QStringLiteral("--json"), QStringLiteral("--accuracy"), accuracy, path});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QJsonObject object = parseLine(lines.first());
    QStringList keys = object.keys();
    keys.sort();
    QCOMPARE(keys,
             (QStringList{QStringLiteral("bcpPosition"), QStringLiteral("bcpStability"),
                          QStringLiteral("cpcPosition"), QStringLiteral("cpcStability"),
                          QStringLiteral("drawScale"), QStringLiteral("file"), QStringLiteral("warning")}));
    QCOMPARE(object[QStringLiteral("file")].toString(), path);
    QCOMPARE(object[QStringLiteral("bcpPosition")].toDouble(), bcp);
    QCOMPARE(object[QStringLiteral("cpcPosition")].toDouble(), cpc);
    // Margins are unrounded: read back they must be the very same doubles.
    QCOMPARE(object[QStringLiteral("bcpStability")].toDouble(), (bcp - 330) / 40);
    QCOMPARE(object[QStringLiteral("cpcStability")].toDouble(), (cpc - 330) / 40);
    QCOMPARE(object[QStringLiteral("drawScale")].toDouble(), 1000.0 / 500.0);
    QVERIFY(object[QStringLiteral("warning")].isNull());
}

void TestCli::warningAndEmptyMargins_data()
{
    QTest::addColumn<QString>("cg");
    QTest::addColumn<bool>("hasMargin");
    QTest::addColumn<QString>("warning");
    QTest::newRow("short margin") << QStringLiteral("380") << true
                                  << QStringLiteral("Запас устойчивости недостаточен!");
    QTest::newRow("unstable") << QStringLiteral("400") << true
                              << QStringLiteral("ВНИМАНИЕ! Ракета неустойчива!");
    QTest::newRow("no centre of gravity") << QString() << false << QString();
}

void TestCli::warningAndEmptyMargins()
{
    QFETCH(QString, cg);
    QFETCH(bool, hasMargin);
    QFETCH(QString, warning);
    const QString path = writeDesign(m_dir, QStringLiteral("cg.dat"), cg);
    const Run run = runCli({QStringLiteral("calc"), QStringLiteral("--json"), path});
    QCOMPARE(run.status, 0);
    const QJsonObject object = parseLine(run.out.trimmed());
    QCOMPARE(object[QStringLiteral("bcpStability")].isNull(), !hasMargin);
    QCOMPARE(object[QStringLiteral("cpcStability")].isNull(), !hasMargin);
    QCOMPARE(object[QStringLiteral("warning")].isNull(), warning.isEmpty());
    QCOMPARE(object[QStringLiteral("warning")].toString(), warning);
    QCOMPARE(object[QStringLiteral("bcpPosition")].toDouble(), 390.0); // computed with or without a margin
}

void TestCli::readableOutput()
{
    const QString path = writeDesign(m_dir, QStringLiteral("readable.dat"), QStringLiteral("331"));
    const Run run = runCli({QStringLiteral("calc"), path});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(path), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("390 mm, margin 1.48 diameters")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("340 mm, margin 0.22 diameters")), qPrintable(run.out));
}

void TestCli::missingFileIsReportedOthersGoOn()
{
    const QString good = writeDesign(m_dir, QStringLiteral("good.dat"), QStringLiteral("330"));
    const QString missing = m_dir.filePath(QStringLiteral("missing.dat"));
    const Run run = runCli({QStringLiteral("calc"), QStringLiteral("--json"), missing, m_dir.path(), good});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(missing), qPrintable(run.err));
    QVERIFY2(run.err.contains(m_dir.path()), qPrintable(run.err));
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(parseLine(lines.first())[QStringLiteral("file")].toString(), good);
}

void TestCli::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::newRow("nothing") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("fly")} << 2;
    QTest::newRow("calc without files") << QStringList{QStringLiteral("calc"), QStringLiteral("--json")} << 2;
    QTest::newRow("accuracy 2") << QStringList{QStringLiteral("calc"), QStringLiteral("--accuracy"),
                                               QStringLiteral("2"), QStringLiteral("x.dat")}
                                << 2;
    QTest::newRow("accuracy without value")
        << QStringList{QStringLiteral("calc"), QStringLiteral("--accuracy")} << 2;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("calc"), QStringLiteral("--fast"),
                                                   QStringLiteral("x.dat")}
                                    << 2;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("calc help") << QStringList{QStringLiteral("calc"), QStringLiteral("--help")} << 0;
}

void TestCli::usage()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const Run run = runCli(args);
    QCOMPARE(run.status, status);
    const QString &where = status == 0 ? run.out : run.err;
    QVERIFY2(where.contains(QStringLiteral("usage: quentarolith-cli calc")), qPrintable(where));
    if (status == 0)
        QVERIFY(run.err.isEmpty());
}

void TestCli::defaultDesignIsStable()
{
    // The design a new user starts from must fly: a full diameter of margin
    // against both centres of pressure.
    const Run run =
        runCli({QStringLiteral("calc"), QStringLiteral("--json"), QStringLiteral(DATA_DIR "/empiric.dat")});
    QCOMPARE(run.status, 0);
    const QJsonObject object = parseLine(run.out.trimmed());
    QVERIFY(object[QStringLiteral("bcpStability")].toDouble() >= 1);
    QVERIFY(object[QStringLiteral("cpcStability")].toDouble() >= 1);
    QVERIFY(object[QStringLiteral("drawScale")].toDouble() > 0);
    QVERIFY(object[QStringLiteral("warning")].isNull());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
