// Faults a rocketeer would notice: a field or colour byte on the wrong line; a caption
// not fitted to 30 characters; quotes, commas or an older writer's stray quote or
// colour form (" 7", "+7", "7.0") breaking the file; Cyrillic turned into '?'; a
// partial file not stopping where it should; a save that fails but reports success,
// destroys the old file, leaves a temporary one or is refused where writing in place
// works; last.srd values in the wrong setting or out of range, a deleted design named.
#include "core/captions.h"
#include "files/atomicwrite.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "testkit.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

static FieldTable sampleTable(int language = 0, const QString &inscription = QString())
{
    const QStringList values =
        QStringLiteral("Стрела|конический|100|40|400|3|420|50|80|40|-40|330|390|1.5|340||").split(u'|');
    FieldTable table;
    for (int i = 0; i < kFieldCount; ++i)
        table[i] = {fitLabel(caption(i, language)), i == fieldInscription ? inscription : values[i]};
    table[fieldCpcStability].label += u'!'; // 31 characters: the writer cuts the last one
    return table;
}

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

static const DesignColours kColours{{1, 2, 3}, {40, 50, 60}, {255, 255, 0}, {200, 0, 9}};
static const QString kSaved = QStringLiteral("design.dat");

class TestFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

  private slots:
    void init() { settings::reset(); }

    void roundTrip_data()
    {
        // The first layout is written by hand: 17 quoted pairs with 30-character captions,
        // the twelve colour components, CR LF. The others give how the file begins.
        columns<int, QString, QByteArray>("language", "inscription", "layout");
        row("exact layout: English captions, comma", 1, QStringLiteral("club, 2026"),
            QByteArray("\"ROCKET                        \",\"\xD1\xF2\xF0\xE5\xEB\xE0\"\r\n"
                       "\"nose shape                    \",\"\xEA\xEE\xED\xE8\xF7\xE5\xF1\xEA\xE8\xE9\"\r\n"
                       "\"nose cone lenth, mm           \",\"100\"\r\n"
                       "\"body diameter, mm             \",\"40\"\r\n"
                       "\"body lenth, mm                \",\"400\"\r\n"
                       "\"fins number *                 \",\"3\"\r\n"
                       "\"position from nose, mm        \",\"420\"\r\n"
                       "\"span, mm                      \",\"50\"\r\n"
                       "\"root chord, mm                \",\"80\"\r\n"
                       "\"tip chord, mm                 \",\"40\"\r\n"
                       "\"tip position *                \",\"-40\"\r\n"
                       "\"center of gravity position, mm\",\"330\"\r\n"
                       "\"BCP position, mm              \",\"390\"\r\n"
                       "\"stability in diameters        \",\"1.5\"\r\n"
                       "\"CPC position, mm              \",\"340\"\r\n"
                       "\"stability in diameters        \",\"\"\r\n"
                       "\"inscription:                  \",\"club, 2026\"\r\n"
                       "1\r\n2\r\n3\r\n40\r\n50\r\n60\r\n255\r\n255\r\n0\r\n200\r\n0\r\n9\r\n"));
        row("Russian, quotes and a comma", 0, QStringLiteral("клуб \"Орбита\", 5\""), QByteArray("\""));
        row("quotes around a comma", 0, QStringLiteral("\"\"a\",\"b"), QByteArray("\""));
        row("UTF-8", 0, QStringLiteral("Ø12 «Восток» \U0001F680"), QByteArray("\xEF\xBB\xBF"));
    }
    void roundTrip()
    {
        QFETCH(int, language);
        QFETCH(QString, inscription);
        QFETCH(QByteArray, layout);
        const FieldTable table = sampleTable(language, inscription);
        const QString path = m_dir.filePath(kSaved);
        QVERIFY(filer::writeParameterFile(path, table, kColours));
        const QByteArray bytes = readAll(path);
        QCOMPARE(layout.size() > 4 ? bytes : bytes.left(layout.size()), layout);
        QVERIFY(bytes.count("\r\n") == 29 && !bytes.contains('?'));
        FieldTable back;
        DesignColours colours;
        filer::readParameterFile(path, back, colours);
        for (int i = 0; i < kFieldCount; ++i)
            QVERIFY(back[i].label == fitLabel(table[i].label) && back[i].value == table[i].value);
        QVERIFY(colours == kColours);
    }

    void reads_data()
    {
        // Colours read come out as 10, 20, 30, ...; the rest stay 9. Null: no file.
        columns<QByteArray, QString, int>("file", "name", "coloursRead");
        QByteArray loose = "  \"name\" , Shuttle 1  \r\n";
        for (int i = 1; i < 17; ++i)
            loose += "x,\"\"\r\n";
        const QByteArray sample = filer::encodeParameterFile(sampleTable(), DesignColours());
        const QByteArray fields = sample.left(sample.indexOf("\"\r\n0\r\n") + 3);
        const QByteArray tens = "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n90\r\n100\r\n110\r\n120\r\n";
        const QString arrow = QStringLiteral("Стрела");
        row("nothing to read: no file", QByteArray(), QString(), 0);
        row("any bytes: 40 MB name ends at 16 MB, inside the quotes",
            "\"\",\"" + QByteArray(40 << 20, 'x') + "\"\r\n", QString(), 0);
        row("other writer: line feeds only", QByteArray(fields + tens).replace("\r\n", "\n"), arrow, 12);
        row("other writer: unquoted, commas for line ends", loose + QByteArray(tens).replace("\r\n", ","),
            QStringLiteral("Shuttle 1"), 12);
        row("other writer: the quote of 5\" unescaped",
            "\"size\",\"5\"\"\r\n" + loose.mid(loose.indexOf('\n') + 1) + tens, QStringLiteral("5\""), 12);
        row("partial: ends after line 17", fields, arrow, 0);
        row("other writer: older colours",
            fields + " 10\r\n020\r\n+30\r\n40.0\r\n 50.00\r\n060\r\n+70\r\n" + tens.mid(7 * 4), arrow, 12);
        row("partial: 256 stops reading", fields + "10\r\n20\r\n30\r\n256\r\n5\r\n", arrow, 3);
        row("partial: negative", fields + "10\r\n20\r\n-1\r\n", arrow, 2);
        row("partial: a fraction", fields + "10\r\n20.5\r\n", arrow, 1);
        row("partial: a sign alone", fields + "10\r\n20\r\n+\r\n", arrow, 2);
        row("partial: 2^32 + 40 does not wrap", fields + "10\r\n20\r\n30\r\n4294967336\r\n", arrow, 3);
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(int, coloursRead);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(file.isNull() || writeBytes(path, file));
        FieldTable table;
        DesignColours colours{{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
        filer::readParameterFile(path, table, colours);
        QCOMPARE(table[fieldRocketName].value, name);
        static_assert(sizeof(DesignColours) == 12); // four colours of three bytes, in file order
        for (int i = 0; i < 12; ++i)
            QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&colours)[i]),
                     i < coloursRead ? (i + 1) * 10 : 9);
    }

    void saveIsWholeOrNothing_data()
    {
        // fileMode: the file's mode in a folder that refuses a temporary file. writer: 0 the
        // design; 1 gives up after 32 KB; 2 streams 64 KB, never checks a count, reports success.
        columns<QString, int, int, int, bool>("target", "sizeLimit", "fileMode", "writer", "saved");
        row("empty path", QString(), 0, 0, 0, false);
        row("folder missing", QStringLiteral("missing/design.dat"), 0, 0, 0, false);
        row("a folder in its place", QStringLiteral("taken"), 0, 0, 0, false);
        row("final flush past the file-size limit", kSaved, 300, 0, 0, false);
        row("unchecked writes past the limit", kSaved, 300, 0, 2, false);
        row("the writer gives up", kSaved, 0, 0, 1, false);
        row("replaces a longer file whole", kSaved, 0, 0, 0, true);
        row("in place: writable file in a closed folder", kSaved, 0, 0666, 0, true);
        row("in place: read-only file in a closed folder", kSaved, 0, 0444, 0, false);
    }
    void saveIsWholeOrNothing()
    {
        QFETCH(QString, target);
        QFETCH(int, sizeLimit);
        QFETCH(int, fileMode);
        QFETCH(int, writer);
        QFETCH(bool, saved);
        const QDir dir(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        const QString path = target.isEmpty() ? QString() : dir.filePath(target);
        const QString file = dir.filePath(kSaved);
        const QByteArray old(2000, 'z');
        QVERIFY(dir.mkpath(QStringLiteral("taken")) && writeBytes(file, old));
        for (const auto &[name, mode] : {std::pair{m_dir.path(), 0755}, {file, fileMode}, {dir.path(), 0555}})
            QVERIFY(!fileMode || chmod(QFile::encodeName(name), mode) == 0);
        const auto fake = [=](QIODevice &d) { return d.write(QByteArray(writer << 15, 'x')) && writer > 1; };
        // A child saves: with SIGXFSZ ignored a file-size limit fails the write instead of
        // ending it; root passes every permission check, so drops to a plain user.
        const pid_t child = fork();
        if (child == 0) {
            const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
            std::signal(SIGXFSZ, SIG_IGN);
            if ((sizeLimit && setrlimit(RLIMIT_FSIZE, &limit) != 0)
                || (fileMode && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)))
                _exit(2);
            _exit(writer ? filer::writeFileAtomically(path, fake)
                         : filer::writeParameterFile(path, sampleTable(), kColours));
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        chmod(QFile::encodeName(dir.path()), 0755);
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, int(saved));
        QCOMPARE(readAll(file), saved ? filer::encodeParameterFile(sampleTable(), kColours) : old);
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{kSaved});
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken"))).isDir());
    }

    void lastDesign_data()
    {
        // "view": draft, line width, accuracy, language as digits, from 0100. "rewritten":
        // writing what was read gives the same bytes, or none when no design is named.
        columns<QByteArray, QString, int, bool>("file", "design", "view", "rewritten");
        const QByteArray dir = m_dir.path().toLatin1();
        const QByteArray arrow = "\"" + dir + "/\xD1\xF2\xF0\xE5\xEB\xE0.dat\"\r\n";
        const QString named = QStringLiteral("Стрела.dat");
        row("no last.srd", QByteArray(), QString(), 100, true);
        row("all five lines", arrow + "#TRUE#\r\n2\r\n1\r\n1\r\n", named, 1211, true);
        row("quotes in the path", "\"" + dir + "/5\"\"x\"\".dat\"\r\n#FALSE#\r\n3\r\n0\r\n1\r\n",
            QStringLiteral("5\"x\".dat"), 301, true);
        row("UTF-8 mark", "\xEF\xBB\xBF\"" + dir + "/\xC3\x98.dat\"\r\n#TRUE#\r\n2\r\n1\r\n1\r\n",
            QStringLiteral("Ø.dat"), 1211, true);
        row("three lines", arrow + "#TRUE#\r\n2\r\n", named, 1200, false);
        row("empty first line", QByteArray("\"\"\r\n#TRUE#\r\n2\r\n1\r\n1\r\n"), QString(), 1211, true);
        row("deleted design", "\"" + dir + "/gone.dat\"\r\n#TRUE#\r\n3\r\n1\r\n1\r\n", QString(), 1311, true);
        row("view mode not a truth value", arrow + "2\r\n2\r\n1\r\n1\r\n", named, 100, false);
        row("line width 4", arrow + "#TRUE#\r\n4\r\n1\r\n1\r\n", named, 1100, false);
        row("accuracy 2", arrow + "#TRUE#\r\n2\r\n2\r\n1\r\n", named, 1200, false);
        row("language 7", arrow + "#TRUE#\r\n2\r\n1\r\n7\r\n", named, 1210, false);
        row("blanks, line feeds", " " + arrow.chopped(2) + " \n #TRUE# \n 2\n1 \n 1", named, 1211, false);
    }
    void lastDesign()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, design);
        QFETCH(int, view);
        QFETCH(bool, rewritten);
        for (const char *name : {"Стрела.dat", "5\"x\".dat", "Ø.dat"})
            QVERIFY(writeBytes(m_dir.filePath(QString::fromUtf8(name)), "x"));
        const QString last = m_dir.filePath(filer::kLastDesignFileName);
        QVERIFY(file.isNull() ? !QFile::exists(last) : writeBytes(last, file));
        settings::currentFile = filer::readLastDesignFile(m_dir.path());
        QCOMPARE(settings::currentFile, design.isEmpty() ? QString() : m_dir.filePath(design));
        using namespace settings;
        QCOMPARE(int(viewMode == ViewMode::Draft) * 1000 + lineWidth * 100 + accuracy * 10 + language, view);
        filer::writeLastDesignFile(m_dir.path());
        QVERIFY(!rewritten || readAll(last) == file);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
