// Faults a user with scripts would notice: calc reporting other numbers than the design's
// evaluation (a rounded margin, the accuracy ignored, a key missing) or its warning line for the
// wrong designs; a later, shorter file showing what an earlier file held; render writing the wrong
// format or size, another picture than the window's own, or needing a display; success reported on
// failure (results that never reached their reader included), a bad file stopping the rest, bad
// usage taken, a refused render leaving a file behind.

#include "drawing/drawstyle.h"
#include "drawing/evaluation.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"
#include "testkit.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

// stable.dat, short-margin.dat and no-cg.dat: cone 100, body 40 x 400, three fins at 420 (span 50,
// root 80, tip 40 set back 40), the centre of gravity at 330, at 380 and none; broken-cut.dat:
// the first four lines of stable.dat; picture.png: the start of a picture, no design.
static const QString kData = QStringLiteral(TEST_DATA_DIR);
static const QString kStable = kData + u"/stable.dat"_s;

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Status, output and errors of a run, with no display and no runtime folder in reach, as on a
    // build server; split at blanks, as the test folders' paths hold none.
    std::tuple<int, QString, QString> cli(const QString &args,
                                          const QString &outputFile = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name :
             {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_RUNTIME_DIR"_s})
            env.remove(name);
        QProcess process;
        process.setProcessEnvironment(env);
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(QStringLiteral(CLI_PATH), args.split(u' ', Qt::SkipEmptyParts));
        const bool ended =
            process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

  private slots:
    void resultsNotWritten()
    {
        // Standard output on a full device: a private node with the numbers of the full device.
        const QByteArray full = QFile::encodeName(m_dir.filePath(u"full"_s));
        if (mknod(full.constData(), S_IFCHR | 0644, makedev(1, 7)) != 0)
            QSKIP("making a device node needs root");
        const auto [status, out, err] = cli(u"calc "_s + kStable, QFile::decodeName(full));
        QCOMPARE(status, 1);
        QCOMPARE(err, u"calc: cannot write the results\n"_s);
        QFile::remove(QFile::decodeName(full));
    }

    void calc_data()
    {
        // A margin against the Barrowman centre of (390 − cg) / 40 diameters, 389.6 at 0.1 mm.
        columns<int, QString, QString>("accuracy", "design", "margin");
        row("stable, 0.1 mm", 1, "stable.dat", "margin 1.49 diameters");
        row("short margin, 1 mm", 0, "short-margin.dat", "margin 0.25 diameters");
        row("no centre of gravity", 1, "no-cg.dat", "margin not computable");
    }
    void calc()
    {
        const auto [accuracy, design, margin] =
            fetch<int, QString, QString>("accuracy", "design", "margin");
        const QString path = kData + u'/' + design;
        const QString args = u"calc --accuracy %1 %2"_s.arg(accuracy).arg(path);
        const Evaluation e = evaluateDesign(loadDesign(path, accuracy)->design, accuracy);
        const auto [status, out, err] = cli(args + u" --json"_s);
        QCOMPARE(status, 0);
        // Margins unrounded: read back they are the very same doubles.
        const auto orNull = [](std::optional<double> v) {
            return v ? QJsonValue(*v) : QJsonValue();
        };
        const QJsonObject expected{{u"file"_s, path},
                                   {u"bcpPosition"_s, e.bcpPosition},
                                   {u"bcpStability"_s, orNull(e.bcpStability)},
                                   {u"cpcPosition"_s, e.cpcPosition},
                                   {u"cpcStability"_s, orNull(e.cpcStability)},
                                   {u"drawScale"_s, e.drawScale},
                                   {u"warning"_s, e.warning.isEmpty() ? QJsonValue() : e.warning}};
        QCOMPARE(QJsonDocument::fromJson(out.toUtf8()).object(), expected);
        // Read by a person: the margin at two places, and a warning line only when it warns.
        const QStringList lines = std::get<1>(cli(args)).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.value(1).endsWith(margin), qPrintable(lines.value(1)));
        QCOMPARE(lines.size(), e.warning.isEmpty() ? 4 : 5);
        QCOMPARE(lines.last().endsWith(e.warning), true);
    }

    void shorterFile()
    {
        const QString cut = kData + u"/broken-cut.dat"_s;
        const auto [status, out, err] = cli(u"calc --json %1 %2"_s.arg(kStable, cut));
        QCOMPARE(out.section(u'\n', 1, 1), std::get<1>(cli(u"calc --json "_s + cut)).trimmed());
        QCOMPARE(status, 0);
        QCOMPARE(
            err,
            u"calc: %1: line 5: the file ends early; the rest keeps its start values\n"_s.arg(cut));
    }

    void render_data()
    {
        columns<QString, QByteArray, QSize>("args", "magic", "size");
        row("jpg, draft", "a.jpg --view draft --height 297", QByteArray("\xFF\xD8\xFF"),
            QSize(210, 297));
        row("bmp, English", "a.BMP --lang en --height 100", QByteArray("BM"), QSize(71, 100));
        row("svg, draft, heavy lines", "a.svg --view draft --lines 3", QByteArray("<?xml"),
            QSize());
        row("pdf, 0.1 mm", "a.pdf --accuracy 1", QByteArray("%PDF"), QSize());
        row("png at the default height, as the window shows it",
            "b.png --view draft --lang en --lines 3 --accuracy 1", QByteArray("\x89PNG"),
            QSize(848, 1200));
    }
    void render()
    {
        const auto [args, magic, size] = fetch<QString, QByteArray, QSize>("args", "magic", "size");
        QCOMPARE(std::get<0>(cli(u"render %1 -o %2/%3"_s.arg(kStable, m_dir.path(), args))), 0);
        QFile file(m_dir.filePath(args.section(u' ', 0, 0)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
        if (size.isValid())
            QCOMPARE(QImage(file.fileName()).size(), size);
        if (!args.startsWith(u'b'))
            return;
        // The very picture the window's drawing surface holds with these settings.
        const LoadedDesign loaded = loadDesign(kStable, 1).value();
        PictureSurface surface(size);
        surface.rebuild(loaded.design,
                        {loaded.colours, {ViewMode::Draft, 3, 1, Language::English}});
        QCOMPARE(QImage(file.fileName()).convertToFormat(QImage::Format_RGB32), surface.image());
    }

    void errors_data()
    {
        // %d: the data folder, %o: the test's own folder; what the run must say first; after a
        // calc failure stable.dat's result still follows; no output file may be left behind.
        columns<QString, int, QString>("args", "status", "says");
        row("a missing file, a folder and a picture, the good file still computed",
            "calc %d/none.dat %d %d/picture.png %d/stable.dat", 1,
            "calc: cannot read %d/none.dat\ncalc: cannot read %d\n"
            "calc: %d/picture.png holds no parameter line: not a design file\n");
        row("unknown command", "fly", 2, "quentarolith-cli: unknown command fly\nusage:");
        row("accuracy 2", "calc --accuracy 2 x.dat", 2, "calc: --accuracy takes 0 or 1\nusage:");
        row("a picture to draw", "render %d/picture.png -o %o/x.png", 1,
            "render: %d/picture.png holds no parameter line");
        row("unknown format", "render %d/stable.dat -o %o/x.gif", 2,
            "render: cannot tell the format");
        row("folder missing", "render %d/stable.dat -o %o/no/x.png", 1, "render: cannot write");
        row("bad view", "render %d/stable.dat -o %o/x.png --view side", 2, "render: --view");
        row("height past its cap", "render %d/stable.dat -o %o/x.png --height 10001", 2,
            "render: --height");
    }
    void errors()
    {
        auto [args, status, says] = fetch<QString, int, QString>("args", "status", "says");
        args.replace(u"%d"_s, kData).replace(u"%o"_s, m_dir.path());
        says.replace(u"%d"_s, kData).replace(u"%o"_s, m_dir.path());
        const auto [exit, out, err] = cli(args);
        QCOMPARE(exit, status);
        QVERIFY2(err.startsWith(says), qPrintable(err)); // nothing of Qt's before it
        QCOMPARE(out.section(u'\n', 0, 0),
                 status == 1 && args.startsWith(u"calc") ? kStable : QString());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"x.png"_s)));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
