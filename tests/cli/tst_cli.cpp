#include "core/settings.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"
#include "files/parameterfile.h"

#include <QImage>
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
    void renderFormats_data();
    void renderFormats();
    void renderedPictureIsTheWindowsPicture();
    void renderErrors_data();
    void renderErrors();

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

void TestCli::renderFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<QSize>("size"); // of a bitmap; empty for vector pages

    QTest::newRow("png, default height")
        << QStringLiteral("a.png") << QStringList{} << QByteArray("\x89PNG") << QSize(848, 1200);
    QTest::newRow("jpg, draft") << QStringLiteral("a.jpg")
                                << QStringList{QStringLiteral("--view"), QStringLiteral("draft"),
                                               QStringLiteral("--height"), QStringLiteral("297")}
                                << QByteArray("\xFF\xD8\xFF") << QSize(210, 297);
    QTest::newRow("bmp, English") << QStringLiteral("a.BMP")
                                  << QStringList{QStringLiteral("--lang"), QStringLiteral("en"),
                                                 QStringLiteral("--height"), QStringLiteral("100")}
                                  << QByteArray("BM") << QSize(71, 100);
    QTest::newRow("svg, draft, heavy lines") << QStringLiteral("a.svg")
                                             << QStringList{QStringLiteral("--view"), QStringLiteral("draft"),
                                                            QStringLiteral("--lines"), QStringLiteral("3")}
                                             << QByteArray("<?xml") << QSize();
    QTest::newRow("pdf, 0.1 mm") << QStringLiteral("a.pdf")
                                 << QStringList{QStringLiteral("--accuracy"), QStringLiteral("1")}
                                 << QByteArray("%PDF") << QSize();
}

void TestCli::renderFormats()
{
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, magic);
    QFETCH(QSize, size);
    const QString design = writeDesign(m_dir, QStringLiteral("render.dat"), QStringLiteral("330"));
    const QString out = m_dir.filePath(name);
    const Run run =
        runCli(QStringList{QStringLiteral("render"), design, QStringLiteral("-o"), out} + options);
    QCOMPARE(run.status, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(magic.size()) == magic);
    if (size.isValid())
        QCOMPARE(QImage(out).size(), size);
}

void TestCli::renderedPictureIsTheWindowsPicture()
{
    // The exported bitmap is the very image the window's surface holds.
    const QString design = writeDesign(m_dir, QStringLiteral("same.dat"), QStringLiteral("330"));
    const QString out = m_dir.filePath(QStringLiteral("same.png"));
    const Run run =
        runCli({QStringLiteral("render"), design, QStringLiteral("-o"), out, QStringLiteral("--view"),
                QStringLiteral("draft"), QStringLiteral("--height"), QStringLiteral("600")});
    QCOMPARE(run.status, 0);

    QVERIFY(loadDesign(design, 0));
    settings::viewMode = ViewMode::Draft;
    PictureSurface surface(PictureSurface::sizeForHeight(600));
    QVERIFY(surface.rebuild());
    const QImage rendered = QImage(out).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(rendered.size(), surface.image().size());
    QVERIFY(rendered == surface.image());
}

void TestCli::renderErrors_data()
{
    QTest::addColumn<QString>("design"); // in the test folder
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString ok = QStringLiteral("errors.dat");
    QTest::newRow("missing design") << QStringLiteral("nothing.dat") << QStringLiteral("x.png")
                                    << QStringList{} << 1 << QStringLiteral("cannot read");
    QTest::newRow("unknown format") << ok << QStringLiteral("x.gif") << QStringList{} << 2
                                    << QStringLiteral("cannot tell the format");
    QTest::newRow("no extension") << ok << QStringLiteral("picture") << QStringList{} << 2
                                  << QStringLiteral("cannot tell the format");
    QTest::newRow("folder missing") << ok << QStringLiteral("no/such/folder/x.png") << QStringList{} << 1
                                    << QStringLiteral("cannot write");
    QTest::newRow("bad view") << ok << QStringLiteral("x.png")
                              << QStringList{QStringLiteral("--view"), QStringLiteral("side")} << 2
                              << QStringLiteral("--view");
    QTest::newRow("bad lines") << ok << QStringLiteral("x.png")
                               << QStringList{QStringLiteral("--lines"), QStringLiteral("4")} << 2
                               << QStringLiteral("--lines");
    QTest::newRow("bad height") << ok << QStringLiteral("x.png")
                                << QStringList{QStringLiteral("--height"), QStringLiteral("12px")} << 2
                                << QStringLiteral("--height");
}

void TestCli::renderErrors()
{
    QFETCH(QString, design);
    QFETCH(QString, output);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, message);
    writeDesign(m_dir, QStringLiteral("errors.dat"), QStringLiteral("330"));
    const QString out = m_dir.filePath(output);
    const Run run = runCli(
        QStringList{QStringLiteral("render"), m_dir.filePath(design), QStringLiteral("-o"), out} + options);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(out));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
