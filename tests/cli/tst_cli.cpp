// Faults a user with scripts would notice, and the test that catches each:
// - calc reporting other numbers than the design's evaluation (a rounded margin, the accuracy
//   ignored, a key missing), or its warning line for the wrong designs                 calc
// - a later, shorter file showing what an earlier file held                            shorterFile
// - render writing the wrong format or size, another picture than the window's own, or
//   needing a display                                                                  render
// - success reported on failure, a missing file stopping the rest, bad usage taken, a
//   refused or failed render leaving a file behind                                     errors

#include "drawing/drawstyle.h"
#include "drawing/evaluation.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"
#include "files/parameterfile.h"
#include "testkit.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Status, output and errors of a run, with no display and no runtime folder in reach, as on a
    // build server; split at blanks, as the test
    // folder's paths hold none.
    std::tuple<int, QString, QString> cli(const QString &args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name :
             {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_RUNTIME_DIR"_s})
            env.remove(name);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(CLI_PATH), args.split(u' ', Qt::SkipEmptyParts));
        const bool ended =
            process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    // A design: cone 100, body 40 x 400, three fins at 420 (span 50, root 80, tip 40 set back
    // 40), the centre of gravity `cg`; only its first `lines` lines when given.
    QString design(const QString &cg, const QString &name = u"design.dat"_s, int lines = 29)
    {
        FieldTable table;
        const QStringList values = (u"Test,cone,100,40,400,3,420,50,80,40,40,"_s + cg).split(u',');
        for (int i = 0; i < values.size(); ++i)
            table[i].value = values[i];
        const QByteArray bytes = filer::encodeParameterFile(table, DesignColours());
        qsizetype end = 0;
        for (int i = 0; i < lines; ++i)
            end = bytes.indexOf("\r\n", end) + 2;
        QFile file(m_dir.filePath(name));
        const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes.left(end)) == end;
        return written ? file.fileName() : QString();
    }

  private slots:
    void calc_data()
    {
        // A margin against the Barrowman centre of (390 − cg) / 40 diameters.
        columns<int, QString, QString>("accuracy", "cg", "margin");
        row("stable, 1 mm", 0, "330", "margin 1.5 diameters");
        row("stable, 0.1 mm", 1, "330", "margin 1.49 diameters");
        row("short margin", 0, "380", "margin 0.25 diameters");
        row("no centre of gravity", 1, "", "margin not computable");
    }
    void calc()
    {
        QFETCH(int, accuracy);
        QFETCH(QString, cg);
        QFETCH(QString, margin);
        const QString path = design(cg), args = u"calc --accuracy %1 %2"_s.arg(accuracy).arg(path);
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
        QCOMPARE(lines.value(0), path);
        QVERIFY2(lines.value(1).endsWith(margin), qPrintable(lines.value(1)));
        QCOMPARE(lines.size(), e.warning.isEmpty() ? 4 : 5);
        QCOMPARE(lines.last().endsWith(e.warning), true);
    }

    void shorterFile()
    {
        const QString full = design(u"330"_s), cut = design(u"330"_s, u"cut.dat"_s, 4);
        const auto [status, out, err] = cli(u"calc --json %1 %2"_s.arg(full, cut));
        QCOMPARE(out.section(u'\n', 1, 1), std::get<1>(cli(u"calc --json "_s + cut)).trimmed());
    }

    void render_data()
    {
        columns<QString, QByteArray, QSize>("args", "magic", "size");
        row("png, default height", "a.png", QByteArray("\x89PNG"), QSize(848, 1200));
        row("jpg, draft", "a.jpg --view draft --height 297", QByteArray("\xFF\xD8\xFF"),
            QSize(210, 297));
        row("bmp, English", "a.BMP --lang en --height 100", QByteArray("BM"), QSize(71, 100));
        row("svg, draft, heavy lines", "a.svg --view draft --lines 3", QByteArray("<?xml"),
            QSize());
        row("pdf, 0.1 mm", "a.pdf --accuracy 1", QByteArray("%PDF"), QSize());
        row("png, as the window shows it",
            "b.png --view draft --lang en --lines 3 --accuracy 1 --height 600",
            QByteArray("\x89PNG"), QSize(424, 600));
    }
    void render()
    {
        QFETCH(QString, args);
        QFETCH(QByteArray, magic);
        QFETCH(QSize, size);
        const QString path = design(u"330"_s);
        QCOMPARE(std::get<0>(cli(u"render %1 -o %2/%3"_s.arg(path, m_dir.path(), args))), 0);
        QFile file(m_dir.filePath(args.section(u' ', 0, 0)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(magic.size()), magic);
        if (size.isValid())
            QCOMPARE(QImage(file.fileName()).size(), size);
        if (!args.startsWith(u'b'))
            return;
        // The very picture the window's drawing surface holds with these settings.
        const LoadedDesign loaded = loadDesign(path, 1).value();
        PictureSurface surface(size);
        surface.rebuild(loaded.design,
                        {loaded.colours, {ViewMode::Draft, 3, 1, Language::English}});
        QCOMPARE(QImage(file.fileName()).convertToFormat(QImage::Format_RGB32), surface.image());
    }

    void errors_data()
    {
        // %d: the test folder, holding design.dat and a picture; what the run must say first;
        // whether the good design's result still follows; no output file may be left behind.
        columns<QString, int, QString>("args", "status", "says");
        row("a missing file and a folder, the good file still computed",
            "calc %d/none.dat %d %d/design.dat", 1,
            "calc: cannot read %d/none.dat\ncalc: cannot read %d\n");
        row("unknown command", "fly", 2, "quentarolith-cli: unknown command fly\nusage:");
        row("accuracy 2", "calc --accuracy 2 x.dat", 2, "calc: --accuracy takes 0 or 1\nusage:");
        row("missing design", "render %d/nothing.dat -o %d/x.png", 1, "render: cannot read");
        row("a picture to compute", "calc %d/picture.png %d/design.dat", 1,
            "calc: %d/picture.png holds no parameter line: not a design file\n");
        row("a picture to draw", "render %d/picture.png -o %d/x.png", 1,
            "render: %d/picture.png holds no parameter line");
        row("unknown format", "render %d/design.dat -o %d/x.gif", 2,
            "render: cannot tell the format");
        row("folder missing", "render %d/design.dat -o %d/no/x.png", 1, "render: cannot write");
        row("bad view", "render %d/design.dat -o %d/x.png --view side", 2, "render: --view");
        row("bad height", "render %d/design.dat -o %d/x.png --height 12px", 2, "render: --height");
        row("height past its cap", "render %d/design.dat -o %d/x.png --height 10001", 2,
            "render: --height");
    }
    void errors()
    {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        const QString good = design(u"331"_s);
        QFile picture(m_dir.filePath(u"picture.png"_s));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        QVERIFY(picture.write("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01,\"x\"") > 0);
        picture.close();
        const auto [exit, out, err] = cli(args.replace(u"%d"_s, m_dir.path()));
        QCOMPARE(exit, status);
        says.replace(u"%d"_s, m_dir.path());
        QVERIFY2(err.startsWith(says), qPrintable(err)); // nothing of Qt's before it
        QCOMPARE(out.section(u'\n', 0, 0),
                 status == 1 && args.startsWith(u"calc") ? good : QString());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"x.png"_s)));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
