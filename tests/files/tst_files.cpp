// Faults a rocketeer would notice: a field, colour or caption written wrong; quotes, commas, a line
// break, an older writer's stray quote or colour form (" 7", "+7", "7.00") or a partial file
// spoiling a design; Cyrillic turned into '?'; a failed save reported as done or losing the old
// file, or putting a regular file in place of a device, pipe or link; a last.srd line read into
// the wrong setting, or a broken one spoiling the lines before it;
// a picture proposed in another folder, or a design saved where the open dialog never lists it.
#include "core/captions.h"
#include "files/atomicwrite.h"
#include "files/filenames.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "testkit.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

static FieldTable sampleTable(const QString &name = QStringLiteral("Стрела"))
{
    QStringList values =
        QStringLiteral("|конический|100|40|400|3|420|50|80|40|-40|330|390|1.5|340||club, 2026")
            .split(u'|');
    values[fieldRocketName] = name;
    FieldTable table;
    for (int i = 0; i < kFieldCount; ++i)
        table[i] = {fitLabel(caption(i, Language::English)), values[i]};
    table[fieldCpcStability].label += u'!'; // 31 characters: the writer cuts the last one
    return table;
}

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// arrow.dat: sampleTable() with kColours written out by hand, 17 caption/value lines with the
// captions padded to 30 characters, then one line per colour component: 10, 20, ..., 120.
static const QByteArray kSaved = readAll(QStringLiteral(TEST_DATA_DIR "/arrow.dat"));
static const QByteArray kFields = kSaved.left(kSaved.indexOf("\r\n10\r\n") + 2);
static const QByteArray kTens = kSaved.mid(kFields.size());
static const DesignColours kColours{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {100, 110, 120}};

Q_DECLARE_METATYPE(ViewSettings)

class TestFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

  private slots:
    void initTestCase() { QCOMPARE(chmod(QFile::encodeName(m_dir.path()), 0755), 0); }

    void reads_data()
    {
        // Read over empty fields and colours of 9: "name" the rocket name read, every other field
        // as in sampleTable(); the first "coloursRead" components as in kColours, 10, 20, 30, ...;
        // "stopLine" the line at which reading stopped short (0: read whole).
        columns<QByteArray, QString, int, int>("file", "name", "coloursRead", "stopLine");
        const QByteArray rest = kSaved.mid(kSaved.indexOf('\n') + 1); // lines 2 on
        const QString arrow = QStringLiteral("Стрела");
        // Beyond Windows-1251, quotes, a comma and a line break that must become blanks.
        const QString vostok = QStringLiteral("\"Восток\", \U0001F680\r\nМ-2");
        row("UTF-8, quotes, a comma, a line break",
            filer::encodeParameterFile(sampleTable(vostok), kColours),
            QStringLiteral("\"Восток\", \U0001F680  М-2"), 12, 0);
        row("16 MB cap: a 40 MB name", "\"\",\"" + QByteArray(40 << 20, 'x') + "\"\r\n", "", 0, 1);
        row("bare line feeds", QByteArray(kSaved).replace("\r\n", "\n"), arrow, 12, 0);
        row("unquoted", "  \"name\" , Shuttle 1  \r\n" + rest, QStringLiteral("Shuttle 1"), 12, 0);
        row("stray quote: 5\" unescaped", "\"size\",\"5\"\"\r\n" + rest, QStringLiteral("5\""), 12,
            0);
        row("older colours", kFields + " 10\r\n020\r\n+30\r\n40.00\r\n" + kTens.mid(16), arrow, 12,
            0);
        row("partial: 256 stops reading", kFields + "10\r\n20\r\n30\r\n256\r\n5\r\n", arrow, 3, 21);
        row("partial: negative", kFields + "10\r\n20\r\n-1\r\n", arrow, 2, 20);
        row("partial: a fraction", kFields + "10\r\n20.5\r\n", arrow, 1, 19);
        row("partial: a sign alone", kFields + "10\r\n20\r\n+\r\n", arrow, 2, 20);
        row("partial: 2^32 + 40", kFields + "10\r\n20\r\n30\r\n4294967336\r\n", arrow, 3, 21);
    }
    void reads()
    {
        const auto [file, name, coloursRead, stopLine] =
            fetch<QByteArray, QString, int, int>("file", "name", "coloursRead", "stopLine");
        const QString path = m_dir.filePath(QStringLiteral("read.dat"));
        QVERIFY(filer::writeFileAtomically(path, file));
        FieldTable table;
        DesignColours colours{{9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
        const std::optional<filer::ReadStop> stop = filer::readParameterFile(path, table, colours);
        QCOMPARE(stop ? stop->line : 0, stopLine);
        QCOMPARE(table[fieldRocketName].value, name);
        for (int i = fieldNoseShape; i < kFieldCount; ++i)
            QCOMPARE(table[i].value, coloursRead ? sampleTable()[i].value : QString());
        for (int i = 0; i < 12; ++i) // four colours of three bytes, in file order
            QCOMPARE(int(reinterpret_cast<const std::uint8_t *>(&colours)[i]),
                     i < coloursRead ? (i + 1) * 10 : 9);
    }

    void saveIsWholeOrNothing_data()
    {
        // fileMode: the file's mode in a folder that refuses a temporary file. writer: 0 the
        // design; 1 gives up after 32 KB; 2 streams 64 KB, never checks a count, reports success.
        columns<int, int, int, bool>("sizeLimit", "fileMode", "writer", "saved");
        row("final flush past the file-size limit", 300, 0, 0, false);
        row("unchecked writes past the limit", 300, 0, 2, false);
        row("the writer gives up", 0, 0, 1, false);
        row("the exact layout, in place over a longer file in a closed folder", 0, 0666, 0, true);
        row("in place past the file-size limit: refused before a byte is touched", 300, 0666, 0,
            false);
    }
    void saveIsWholeOrNothing()
    {
        const auto [sizeLimit, fileMode, writer, saved] =
            fetch<int, int, int, bool>("sizeLimit", "fileMode", "writer", "saved");
        const QDir dir(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        const QString file = dir.filePath(QStringLiteral("design.dat"));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        QVERIFY(filer::writeFileAtomically(file, QByteArray(2000, 'z')));
        for (const auto &[name, mode] : {std::pair{file, fileMode}, {dir.path(), 0555}})
            QVERIFY(!fileMode || chmod(QFile::encodeName(name), mode) == 0);
        const QByteArray bytes(writer << 15, 'x');
        const bool claimsSuccess = writer > 1;
        const auto fake = [&](QIODevice &device) { return device.write(bytes) && claimsSuccess; };
        // A child saves: with SIGXFSZ ignored a file-size limit fails the write instead of ending
        // it; root passes every permission check, so drops to a plain user (see initTestCase).
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
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, int(saved));
        QCOMPARE(readAll(file), saved ? kSaved : QByteArray(2000, 'z'));
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary file left
    }

    void onlyRegularFilesReplaced_data()
    {
        // What stands at the path; whether the save goes ahead. A device node (the null device's
        // numbers, made in the test folder) needs root, as on the build server.
        columns<QString, bool>("target", "saved");
        row("a device node", "device", false);
        row("a link to a device node", "link to device", false);
        row("a named pipe", "pipe", false);
        row("a link to another user's file: written through, still a link, owner and mode kept",
            "link to file", true);
    }
    void onlyRegularFilesReplaced()
    {
        const auto [target, saved] = fetch<QString, bool>("target", "saved");
        const QDir dir(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        // The device itself, or what the link points to.
        const QByteArray node = QFile::encodeName(dir.filePath(
            target == u"device" ? QStringLiteral("design.dat") : QStringLiteral("node")));
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("design.dat")));
        if (target.contains(u"device")
            && mknod(node.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0)
            QSKIP("making a device node needs root");
        if (target == u"pipe")
            QCOMPARE(mkfifo(path.constData(), 0644), 0);
        if (target == u"link to file") {
            QVERIFY(filer::writeFileAtomically(QString::fromLocal8Bit(node), "old"));
            QCOMPARE(chmod(node.constData(), 0604), 0);
            QVERIFY(geteuid() != 0 || chown(node.constData(), 65534, 100) == 0);
        }
        if (target.startsWith(u"link"))
            QCOMPARE(symlink("node", path.constData()), 0);
        struct stat before {
        }, after{};
        QCOMPARE(lstat(path.constData(), &before), 0);
        QCOMPARE(filer::writeFileAtomically(QString::fromLocal8Bit(path), "new"), saved);
        QCOMPARE(lstat(path.constData(), &after), 0);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT); // still what it was
        if (target.contains(u"device"))
            QCOMPARE(stat(node.constData(), &after) == 0 && S_ISCHR(after.st_mode), true);
        if (!saved)
            return;
        QCOMPARE(readAll(QString::fromLocal8Bit(node)), QByteArray("new"));
        QCOMPARE(stat(node.constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, 0604u);
        if (geteuid() == 0) // only root may give a file away
            QCOMPARE(std::pair(after.st_uid, after.st_gid), std::pair(65534u, 100u));
    }

    void lastDesign_data()
    {
        // Read over {picture, 3, 0, English}; a deleted design gives no path, nothing rewritten.
        columns<QByteArray, QString, ViewSettings>("file", "design", "view");
        const QByteArray dir = m_dir.path().toLatin1();
        const QByteArray arrow = "\"" + dir + "/\xD1\xF2\xF0\xE5\xEB\xE0.dat\"\r\n";
        const QByteArray gone = "\"" + dir + "/gone.dat\"\r\n";
        const QString named = m_dir.filePath(QStringLiteral("Стрела.dat"));
        using V = ViewSettings;
        const ViewMode draft = ViewMode::Draft, picture = ViewMode::Picture;
        const Language ru = Language::Russian, en = Language::English;
        row("all five lines", arrow + "#TRUE#\r\n2\r\n1\r\n0\r\n", named, V{draft, 2, 1, ru});
        row("UTF-8, quotes",
            "\xEF\xBB\xBF\"" + dir + "/\"\"\xC3\x98.dat\"\r\n#FALSE#\r\n1\r\n1\r\n0\r\n",
            m_dir.filePath(QStringLiteral("\"Ø.dat")), V{picture, 1, 1, ru});
        row("view mode 2", gone + "2\r\n2\r\n1\r\n0\r\n", QString(), V{picture, 3, 0, en});
        row("line width 4", gone + "#TRUE#\r\n4\r\n1\r\n0\r\n", QString(), V{draft, 3, 0, en});
        row("accuracy 2", gone + "#TRUE#\r\n2\r\n2\r\n0\r\n", QString(), V{draft, 2, 0, en});
        row("language 7", gone + "#TRUE#\r\n2\r\n1\r\n7\r\n", QString(), V{draft, 2, 1, en});
    }
    void lastDesign()
    {
        const auto [file, design, view] =
            fetch<QByteArray, QString, ViewSettings>("file", "design", "view");
        for (const char *name : {"Стрела.dat", "\"Ø.dat"})
            QVERIFY(filer::writeFileAtomically(m_dir.filePath(QString::fromUtf8(name)), "x"));
        const QString last = m_dir.filePath(filer::kLastDesignFileName);
        QVERIFY(filer::writeFileAtomically(last, file));
        ViewSettings read{ViewMode::Picture, 3, 0, Language::English};
        const QString current = filer::readLastDesignFile(m_dir.path(), read);
        QCOMPARE(current, design);
        QCOMPARE(read.viewMode, view.viewMode);
        QCOMPARE(read.lineWidth, view.lineWidth);
        QCOMPARE(read.accuracy, view.accuracy);
        QCOMPARE(read.language, view.language);
        filer::writeLastDesignFile(m_dir.path(), current, read);
        QCOMPARE(readAll(last), file);
    }

    void fileNames_data()
    {
        // The current file or a typed name; the picture name proposed for it (the program folder
        // is /prog), and the name a data file is saved under.
        columns<QString, QString, QString>("name", "picture", "saved");
        // clang-format off
        row("typed without extension", "/my.designs/alpha", "/prog/MyRocket", "/my.designs/alpha.dat");
        row("a hidden file", "/d/.alpha", "/prog/MyRocket", "/d/.alpha.dat");
        row("another extension", "/d/alpha.txt", "/d/alpha", "/d/alpha.txt");
        row("no current file", "", "/prog/MyRocket", "");
        // clang-format on
    }
    void fileNames()
    {
        const auto [name, picture, saved] =
            fetch<QString, QString, QString>("name", "picture", "saved");
        QCOMPARE(filer::stripExtension(name, QStringLiteral("/prog")), picture);
        QCOMPARE(filer::withFilterExtension(name, QStringLiteral("Data files (*.dat)")), saved);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
