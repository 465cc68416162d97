// Faults a user with scripts would notice, and the test that catches each:
// - calc printing a wrong centre, margin, warning or scale, a rounded margin, a key missing   calc
// - an exit status that reports success on failure, or a missing file stopping the rest       calc, usage,
// renderErrors
// - render writing the wrong format or size, or a picture other than the window's own      render
// - a failed render leaving a file behind or reporting success                            renderErrors

#include "core/settings.h"
#include "drawing/picturesurface.h"
#include "files/designloader.h"
#include "files/parameterfile.h"
#include "testkit.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Exit status, output and errors of a run; split at blanks, as the test folder's paths hold none.
    std::tuple<int, QString, QString> cli(const QString &args)
    {
        QProcess process;
        process.start(QStringLiteral(CLI_PATH), args.split(u' ', Qt::SkipEmptyParts));
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    // The worked example (cone 100, body 40 x 400, fins at 420: span 50, root 80, tip 40 back 40).
    QString design(const QString &cg)
    {
        FieldTable table;
        const QStringList values =
            (QStringLiteral("Test,cone,100,40,400,3,420,50,80,40,40,") + cg).split(u',');
        for (int i = 0; i < values.size(); ++i)
            table[i].value = values[i];
        const QString path = m_dir.filePath(QStringLiteral("design.dat"));
        return filer::writeParameterFile(path, table, DesignColours()) ? path : QString();
    }

  private slots:
    void calc_data()
    {
        columns<QString, QString, double, double, QString>("accuracy", "cg", "bcp", "cpc", "warning");
        row("worked example, 1 mm", "0", "330", 390.0, 340.0, QString());
        row("worked example, 0.1 mm", "1", "330", 389.6, 340.3, QString());
        row("short margin", "0", "380", 390.0, 340.0, "Запас устойчивости недостаточен!");
        row("unstable", "0", "400", 390.0, 340.0, "ВНИМАНИЕ! Ракета неустойчива!");
        row("no centre of gravity: no margins", "1", "", 389.6, 340.3, QString());
    }
    void calc()
    {
        const QString &accuracy = fetch<QString>("accuracy"), &cg = fetch<QString>("cg");
        const QString &warning = fetch<QString>("warning");
        const double bcp = fetch<double>("bcp"), cpc = fetch<double>("cpc");
        const QString path = design(cg);
        const auto [status, out, err] =
            cli(QStringLiteral("calc --json --accuracy %1 %2").arg(accuracy, path));
        QCOMPARE(status, 0);
        QCOMPARE(out.count(u'\n'), 1);
        // Margins unrounded: read back they are the very same doubles.
        const auto margin = [&](double cp) {
            return cg.isEmpty() ? QJsonValue() : (cp - cg.toDouble()) / 40;
        };
        const QJsonObject expected{{QLatin1String("file"), path},
                                   {QLatin1String("bcpPosition"), bcp},
                                   {QLatin1String("bcpStability"), margin(bcp)},
                                   {QLatin1String("cpcPosition"), cpc},
                                   {QLatin1String("cpcStability"), margin(cpc)},
                                   {QLatin1String("drawScale"), 1000.0 / 500},
                                   {QLatin1String("warning"), warning.isEmpty() ? QJsonValue() : warning}};
        QCOMPARE(QJsonDocument::fromJson(out.toUtf8()).object(), expected);
    }

    void missingFileIsReportedOthersGoOn()
    {
        const QString good = design(QStringLiteral("331")),
                      missing = m_dir.filePath(QStringLiteral("none.dat"));
        const auto [status, out, err] =
            cli(QStringList{QStringLiteral("calc"), missing, m_dir.path(), good}.join(u' '));
        QCOMPARE(status, 1);
        QVERIFY(err.contains(missing) && err.contains(m_dir.path() + u'\n'));
        QVERIFY2(out.startsWith(good + QStringLiteral("\n  Barrowman CP:    390 mm, margin 1.48 diameters")),
                 qPrintable(out));
    }

    void usage_data()
    {
        columns<QString, int>("args", "status");
        row("nothing", "", 2);
        row("unknown command", "fly", 2);
        row("calc without files", "calc --json", 2);
        row("accuracy 2", "calc --accuracy 2 x.dat", 2);
        row("unknown option", "calc --fast x.dat", 2);
        row("help", "--help", 0);
    }
    void usage()
    {
        const auto [status, out, err] = cli(fetch<QString>("args"));
        QCOMPARE(status, fetch<int>("status"));
        QVERIFY((status == 0 ? out : err).contains(QStringLiteral("usage: quentarolith-cli calc")));
    }

    void render_data()
    {
        columns<QString, QByteArray, QSize>("args", "magic", "size");
        row("png, default height", "a.png", QByteArray("\x89PNG"), QSize(848, 1200));
        row("jpg, draft", "a.jpg --view draft --height 297", QByteArray("\xFF\xD8\xFF"), QSize(210, 297));
        row("bmp, English", "a.BMP --lang en --height 100", QByteArray("BM"), QSize(71, 100));
        row("svg, draft, heavy lines", "a.svg --view draft --lines 3", QByteArray("<?xml"), QSize());
        row("pdf, 0.1 mm", "a.pdf --accuracy 1", QByteArray("%PDF"), QSize());
        row("png, as the window shows it", "b.png --view draft --lang en --lines 3 --height 600",
            QByteArray("\x89PNG"), QSize(424, 600));
    }
    void render()
    {
        const QString path = design(QStringLiteral("330")), args = fetch<QString>("args");
        const QByteArray &magic = fetch<QByteArray>("magic");
        QCOMPARE(std::get<0>(cli(QStringLiteral("render %1 -o %2/%3").arg(path, m_dir.path(), args))), 0);
        QFile file(m_dir.filePath(args.section(u' ', 0, 0)));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic);
        if (!fetch<QSize>("size").isValid())
            return;
        const QImage image(file.fileName());
        QCOMPARE(image.size(), fetch<QSize>("size"));
        if (!args.startsWith(u'b'))
            return;
        // The very picture the window's drawing surface holds.
        QVERIFY(loadDesign(path, 0));
        std::tie(settings::viewMode, settings::language, settings::lineWidth) =
            std::tuple(ViewMode::Draft, 1, 3);
        PictureSurface surface(image.size());
        QVERIFY(surface.rebuild() && image.convertToFormat(QImage::Format_RGB32) == surface.image());
    }

    void renderErrors_data()
    {
        columns<QString, QString, int, QString>("design", "output", "status", "message");
        row("missing design", "nothing.dat", "x.png", 1, "cannot read");
        row("unknown format", "design.dat", "x.gif", 2, "cannot tell the format");
        row("folder missing", "design.dat", "no/such/folder/x.png", 1, "cannot write");
        row("bad view", "design.dat", "x.png --view side", 2, "--view");
        row("bad height", "design.dat", "x.png --height 12px", 2, "--height");
    }
    void renderErrors()
    {
        design(QStringLiteral("330"));
        const QString &output = fetch<QString>("output");
        const auto [status, out, err] =
            cli(QStringLiteral("render %1/%2 -o %1/%3").arg(m_dir.path(), fetch<QString>("design"), output));
        QCOMPARE(status, fetch<int>("status"));
        QVERIFY2(err.contains(fetch<QString>("message")), qPrintable(err));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(output.section(u' ', 0, 0))));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
