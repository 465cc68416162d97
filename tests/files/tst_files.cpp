// Faults a rocketeer would notice: a field, colour or 30-character caption written wrong; quotes, commas,
// an older writer's stray quote or colour form (" 7", "+7", "7.0") or a partial file spoiling a design;
// Cyrillic turned into '?'; a failed save reported as done or losing the old file; last.srd misread.
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

static FieldTable sampleTable(const QString &inscription = QStringLiteral("club, 2026"))
{
    const QStringList values =
        QStringLiteral("Стрела|конический|100|40|400|3|420|50|80|40|-40|330|390|1.5|340||").split(u'|');
    FieldTable table;
    for (int i = 0; i < kFieldCount; ++i)
        table[i] = {fitLabel(caption(i, 1)), i == fieldInscription ? inscription : values[i]};
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

// sampleTable() written out by hand: 17 quoted caption/value pairs, captions padded to 30
// characters, then the twelve colour components of kColours, CR LF.
static const QByteArray kFields =
    "\"ROCKET                        \",\"\xD1\xF2\xF0\xE5\xEB\xE0\"\r\n"
    "\"nose shape                    \",\"\xEA\xEE\xED\xE8\xF7\xE5\xF1\xEA\xE8\xE9\"\r\n"
    "\"nose cone lenth, mm           \",\"100\"\r\n\"body diameter, mm             \",\"40\"\r\n"
    "\"body lenth, mm                \",\"400\"\r\n\"fins number *                 \",\"3\"\r\n"
    "\"position from nose, mm        \",\"420\"\r\n\"span, mm                      \",\"50\"\r\n"
    "\"root chord, mm                \",\"80\"\r\n\"tip chord, mm                 \",\"40\"\r\n"
    "\"tip position *                \",\"-40\"\r\n\"center of gravity position, mm\",\"330\"\r\n"
    "\"BCP position, mm              \",\"390\"\r\n\"stability in diameters        \",\"1.5\"\r\n"
    "\"CPC position, mm              \",\"340\"\r\n\"stability in diameters        \",\"\"\r\n"
    "\"inscription:                  \",\"club, 2026\"\r\n";
static const QByteArray kLayout =
    kFields + "1\r\n2\r\n3\r\n40\r\n50\r\n60\r\n255\r\n255\r\n0\r\n200\r\n0\r\n9\r\n";
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
        // "layout": the whole file, or how it begins.
        columns<QString, QByteArray>("inscription", "layout");
        row("exact layout, a comma", QStringLiteral("club, 2026"), kLayout);
        row("UTF-8, quotes", QStringLiteral("\"\"Восток\",\"\U0001F680\""), QByteArray("\xEF\xBB\xBF"));
    }
    void roundTrip()
    {
        const QByteArray layout = fetch<QByteArray>("layout");
        const FieldTable table = sampleTable(fetch<QString>("inscription"));
        const QString path = m_dir.filePath(kSaved);
        QVERIFY(filer::writeParameterFile(path, table, kColours));
        QCOMPARE(layout.size() > 3 ? readAll(path) : readAll(path).left(layout.size()), layout);
        FieldTable back;
        DesignColours colours;
        filer::readParameterFile(path, back, colours);
        for (int i = 0; i < kFieldCount; ++i)
            QVERIFY(back[i].label == fitLabel(table[i].label) && back[i].value == table[i].value);
        QVERIFY(colours == kColours);
    }

    void reads_data()
    {
        // Colours read come out as 10, 20, 30, ...; the rest stay 9.
        columns<QByteArray, QString, int>("file", "name", "coloursRead");
        const QByteArray rest = kFields.mid(kFields.indexOf('\n') + 1); // lines 2 to 17
        const QByteArray tens = "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n90\r\n100\r\n110\r\n120\r\n";
        const QString arrow = QStringLiteral("Стрела");
        row("16 MB cap: a 40 MB name", "\"\",\"" + QByteArray(40 << 20, 'x') + "\"\r\n", QString(), 0);
        row("other writer: line feeds only", QByteArray(kFields + tens).replace("\r\n", "\n"), arrow, 12);
        row("unquoted", "  \"name\" , Shuttle 1  \r\n" + rest + tens, QStringLiteral("Shuttle 1"), 12);
        row("stray quote: 5\" unescaped", "\"size\",\"5\"\"\r\n" + rest + tens, QStringLiteral("5\""), 12);
        row("older colours", kFields + " 10\r\n020\r\n+30\r\n40.0\r\n 50.00\r\n" + tens.mid(20), arrow, 12);
        row("partial: 256 stops reading", kFields + "10\r\n20\r\n30\r\n256\r\n5\r\n", arrow, 3);
        row("partial: negative", kFields + "10\r\n20\r\n-1\r\n", arrow, 2);
        row("partial: a fraction", kFields + "10\r\n20.5\r\n", arrow, 1);
        row("partial: a sign alone", kFields + "10\r\n20\r\n+\r\n", arrow, 2);
        row("partial: 2^32 + 40 does not wrap", kFields + "10\r\n20\r\n30\r\n4294967336\r\n", arrow, 3);
    }
    void reads()
    {
        const QString path = m_dir.filePath(QStringLiteral("read.dat"));
        QVERIFY(writeBytes(path, fetch<QByteArray>("file")));
        FieldTable table;
        DesignColours colours{{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
        filer::readParameterFile(path, table, colours);
        QCOMPARE(table[fieldRocketName].value, fetch<QString>("name"));
        static_assert(sizeof(DesignColours) == 12); // four colours of three bytes, in file order
        for (int i = 0; i < 12; ++i)
            QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&colours)[i]),
                     i < fetch<int>("coloursRead") ? (i + 1) * 10 : 9);
    }

    void saveIsWholeOrNothing_data()
    {
        // fileMode: the file's mode in a folder that refuses a temporary file. writer: 0 the
        // design; 1 gives up after 32 KB; 2 streams 64 KB, never checks a count, reports success.
        columns<int, int, int, bool>("sizeLimit", "fileMode", "writer", "saved");
        row("final flush past the file-size limit", 300, 0, 0, false);
        row("unchecked writes past the limit", 300, 0, 2, false);
        row("the writer gives up", 0, 0, 1, false);
        row("replaces a longer file whole", 0, 0, 0, true);
        row("in place: writable file in a closed folder", 0, 0666, 0, true);
        row("in place: read-only file in a closed folder", 0, 0444, 0, false);
    }
    void saveIsWholeOrNothing()
    {
        QFETCH(int, sizeLimit);
        QFETCH(int, fileMode);
        QFETCH(int, writer);
        const QDir dir(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        const QString file = dir.filePath(kSaved);
        QVERIFY(dir.mkpath(QStringLiteral(".")) && writeBytes(file, QByteArray(2000, 'z')));
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
            _exit(writer ? filer::writeFileAtomically(file, fake)
                         : filer::writeParameterFile(file, sampleTable(), kColours));
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        chmod(QFile::encodeName(dir.path()), 0755);
        const bool saved = fetch<bool>("saved");
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, int(saved));
        QCOMPARE(readAll(file), saved ? kLayout : QByteArray(2000, 'z'));
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{kSaved});
    }

    void lastDesign_data()
    {
        // "view": draft, line width, accuracy, language as digits, from 0100. "rewritten":
        // writing what was read gives the same bytes, or none when no design is named.
        columns<QByteArray, QString, int, bool>("file", "design", "view", "rewritten");
        const QByteArray dir = m_dir.path().toLatin1();
        const QByteArray arrow = "\"" + dir + "/\xD1\xF2\xF0\xE5\xEB\xE0.dat\"\r\n";
        const QString named = m_dir.filePath(QStringLiteral("Стрела.dat"));
        row("all five lines", arrow + "#TRUE#\r\n2\r\n1\r\n1\r\n", named, 1211, true);
        row("UTF-8, quotes", "\xEF\xBB\xBF\"" + dir + "/\"\"\xC3\x98.dat\"\r\n#FALSE#\r\n3\r\n0\r\n1\r\n",
            m_dir.filePath(QStringLiteral("\"Ø.dat")), 301, true);
        row("deleted design", "\"" + dir + "/gone.dat\"\r\n#TRUE#\r\n3\r\n1\r\n1\r\n", QString(), 1311, true);
        row("view mode not a truth value", arrow + "2\r\n2\r\n1\r\n1\r\n", named, 100, false);
        row("line width 4", arrow + "#TRUE#\r\n4\r\n1\r\n1\r\n", named, 1100, false);
        row("accuracy 2", arrow + "#TRUE#\r\n2\r\n2\r\n1\r\n", named, 1200, false);
        row("language 7", arrow + "#TRUE#\r\n2\r\n1\r\n7\r\n", named, 1210, false);
    }
    void lastDesign()
    {
        const QByteArray file = fetch<QByteArray>("file");
        for (const char *name : {"Стрела.dat", "\"Ø.dat"})
            QVERIFY(writeBytes(m_dir.filePath(QString::fromUtf8(name)), "x"));
        const QString last = m_dir.filePath(filer::kLastDesignFileName);
        QVERIFY(writeBytes(last, file));
        settings::currentFile = filer::readLastDesignFile(m_dir.path());
        QCOMPARE(settings::currentFile, fetch<QString>("design"));
        QCOMPARE(int(settings::viewMode == ViewMode::Draft) * 1000 + settings::lineWidth * 100
                     + settings::accuracy * 10 + settings::language,
                 fetch<int>("view"));
        filer::writeLastDesignFile(m_dir.path());
        QVERIFY(!fetch<bool>("rewritten") || readAll(last) == file);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
