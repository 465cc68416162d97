// The File menu. Faults a rocketeer would notice, and the test that catches each:
// - a save missing the value being typed, the wrong bytes, dialog, question or notice   saving
// - another file overwritten without a question (save as, or F2 without a current file), a
//   rename after a failed write, or a failed write not told                            saving
// - an open that keeps the old design or its colours, or drops a shape name of the other
//   language; unsaved edits not asked about first; a file that is no design opened under
//   its name over the design on screen                                                 opening
// - an export missing, of another kind or size, another file left in place, a notice after a
//   failure, a failure not told, the picture proposed in another folder, the JPEG message
//   missing                                                                            exports
// - a page printed for a design that cannot be drawn, no way out without a printer     printing
// - a broken or hostile design file crashing or stalling the start, or what could be read of
//   it lost when it is saved again                                                   hostileFiles

#include "mainwindow/form1fixture.h"

#include "files/parameterfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>

class TestForm1File : public Form1Test
{
    Q_OBJECT

  private slots:
    void saving()
    {
        start(); // nothing loaded: no current file
        type(0, u"Искра"_s);
        m_form->mnuFileSave->trigger();
        QCOMPARE(m_services.dialogs, QStringList{u"save "_s});
        // Typed but not yet accepted: the Save entry, clicked while the field keeps the focus,
        // saves it as leaving the field would have made it, over another design only after the
        // question.
        put(u"a.dat"_s, "old");
        m_services.fileNames = {path(u"a.dat"_s)};
        m_services.answers = {Answer::Yes};
        type(fieldFinSpan, u"-25"_s, false);
        m_form->mnuFileSave->trigger();
        const QByteArray saved = read(u"a.dat"_s);
        // "РАКЕТА" padded to 30 characters and "Искра", in Windows-1251.
        QVERIFY(saved.startsWith(
            "\"\xD0\xC0\xCA\xC5\xD2\xC0                        \",\"\xC8\xF1\xEA\xF0\xE0\"\r\n"));
        QVERIFY(saved.contains("\",\"25\"\r\n"));
        QCOMPARE(m_services.asked.size(), 1);
        m_services.asked.clear();
        QCOMPARE(m_services.shown, QStringList{u"O'k: Сохранено"_s});
        QCOMPARE(m_services.timers, QList<int>{300}); // the notice closes itself after 300 ms
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), QString());
        QCOMPARE(m_form->windowTitle(), u"Quentarolith          "_s + path(u"a.dat"_s));
        // Back from the notice the window is active again; leaving the span changes nothing.
        QTRY_COMPARE(QApplication::focusWidget(), field(0));
        QCOMPARE(settings::changed, false);

        // Save as: its own name asks nothing; another file's asks, No shows the dialog again.
        put(u"b.dat"_s, "old");
        const QString b = path(u"b.dat"_s);
        m_services.fileNames = {path(u"a.dat"_s), b, b};
        m_services.answers = {Answer::No, Answer::Cancel};
        m_form->mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked, QStringList());
        m_form->mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked,
                 QStringList(2, u"Контроль сохранения: Файл с таким именем уже существует.\r\n"
                                "Переписать? [51]"_s));
        QCOMPARE(read(u"b.dat"_s), QByteArray("old"));
        m_services.fileNames = {b};
        m_services.answers = {Answer::Yes};
        m_form->mnuFileSaveAs->trigger();
        QCOMPARE(read(u"b.dat"_s), read(u"a.dat"_s));
        // A save as that fails says so and keeps the name of the file that holds the design.
        type(0, u"Искра-2"_s);
        m_services.fileNames = {path(u"no/such/folder/c.dat"_s)};
        m_form->mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked.last(), u"Ошибка сохранения: Сохранение не удалось. [16]"_s);
        QCOMPARE(settings::currentFile, b);
        QCOMPARE(m_form->mnuFileSave->isEnabled(), true);
    }

    void opening()
    {
        start();
        type(fieldNoseLength, u"100"_s);
        m_form->mnuFileOpen->trigger(); // Cancel to "Save changes?"
        QCOMPARE(m_services.asked,
                 QStringList{u"Данные были изменены: Сохранить изменения? [3]"_s});
        // Yes with no current file: the save fails, and the user is asked before going on.
        m_services.answers = {Answer::Yes, Answer::No};
        m_form->mnuFileOpen->trigger();
        QCOMPARE(m_services.asked.last(),
                 u"Ошибка сохранения: Сохранение не удалось. Продолжить? [52]"_s);
        QCOMPARE(m_services.dialogs, QStringList());

        // A design saved in English, with colours of its own, opens with its shape name as it
        // stands, and passing through the field keeps it.
        putDefault();
        put(u"en.dat"_s, read(u"empiric.dat"_s)
                             .replace("\"\xF7\xE5\xF7\xE5\xE2\xE8\xF7\xED\xFB\xE9\"", "\"cone\"")
                             .replace("\r\n0\r\n0\r\n0\r\n", "\r\n1\r\n2\r\n3\r\n"));
        m_services.answers = {Answer::Yes, Answer::Yes};
        m_services.fileNames = {path(u"en.dat"_s)};
        field(fieldBcpPosition)
            ->setFocus(); // the result in the field being left must be the new one
        m_form->mnuFileOpen->trigger();
        field(0)->setFocus();
        QCOMPARE(field(fieldNoseShape)->text(), u"cone"_s);
        QCOMPARE(field(fieldBcpPosition)->text(), kConeBcp);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), QString());
        QCOMPARE(m_form->LabelP[0]->palette().color(QPalette::Window), QColor(1, 2, 3));
        QCOMPARE(shown(), expected());
        type(fieldInscription, u"x"_s);
        type(fieldNoseShape, u"cone"_s);
        QCOMPARE(field(fieldNoseShape)->text(), u"cone"_s);
        QCOMPARE(m_form->windowTitle(), u"Quentarolith          "_s + path(u"en.dat"_s));
        // An empty file is no design: said so, and the design keeps its name for the next F2.
        put(u"empty.dat"_s, "");
        m_services.answers = {Answer::No};
        m_services.fileNames = {path(u"empty.dat"_s)};
        m_form->mnuFileOpen->trigger();
        QCOMPARE(m_services.asked.last(), u"Ошибка чтения: Файл не удалось прочитать. [16]"_s);
        QCOMPARE(m_form->windowTitle(), u"Quentarolith          "_s + path(u"en.dat"_s));
        QCOMPARE(field(fieldNoseShape)->text(), u"cone"_s);
    }

    void exports_data()
    {
        // The entry, what Qt reads the file back as, and its size: the picture on screen, or an
        // A4 page, 210 × 297 mm, which Qt's SVG reader measures at 90 pixels an inch.
        columns<QString, QByteArray, QSize>("entry", "kind", "size");
        const QSize picture(-1, -1); // the drawing surface's own
        // clang-format off
        row("bmp", "mnuFileSaveImgBmp", QByteArray("bmp"), picture);
        row("jpg", "mnuFileSaveImgJpg", QByteArray("jpeg"), picture);
        row("png", "mnuFileSaveImgPng", QByteArray("png"), picture);
        row("svg", "mnuFileSaveImgSvg", QByteArray("svg"), QSize(744, 1052));
        row("pdf", "mnuFileSaveImgPdf", QByteArray("pdf"), QSize());
        // clang-format on
    }
    void exports()
    {
        const auto [entry, kind, size] = fetch<QString, QByteArray, QSize>("entry", "kind", "size");
        putDefault();
        start();
        QAction *action = m_form->findChild<QAction *>(entry);
        // A name typed without extension, an older file of that name replaced without a question.
        const QString file = u"empiric."_s + entry.right(3).toLower();
        put(file, "old");
        m_services.fileNames = {path(u"empiric"_s)};
        action->trigger();
        QCOMPARE(m_services.dialogs, QStringList{u"save "_s + path(u"empiric"_s)});
        QCOMPARE(m_services.shown, QStringList{u"O'k: Сохранено"_s});
        QCOMPARE(m_services.asked, QStringList());
        if (kind == "pdf") {
            QVERIFY(read(file).contains("/MediaBox [0 0 595.000000 842.000000]")); // A4 in points
        } else {
            QImageReader reader(path(file));
            QCOMPARE(reader.format(), kind);
            QCOMPARE(reader.size(), size.isValid() ? size : m_form->Picture1->size());
        }
        // Cancelled, then a folder that is not there: no notice, and the failure told once; the
        // JPEG's one message for every failure is told for the cancel as well.
        const QString told =
            kind == "jpeg" ? u"Ошибка сохранения JPEG: Сохранение в формате JPEG не удалось.\r\n"
                             "Проверьте наличие библиотечного файла SAVTOJPG.DLL\r\nв "
                             "директории приложения или в папке /WIND0WS/System32 [16]"_s
                           : u"Ошибка сохранения: Сохранение не удалось. [16]"_s;
        for (const QString &name : {QString(), path(u"none/x"_s)}) {
            m_services.shown.clear();
            m_services.asked.clear();
            m_services.fileNames = {name};
            action->trigger();
            QCOMPARE(m_services.shown, QStringList());
            QCOMPARE(m_services.asked,
                     name.isEmpty() && kind != "jpeg" ? QStringList() : QStringList{told});
        }
    }

    void printing()
    {
        putDefault();
        start();
        // No printer: the page may go to a PDF instead.
        m_services.answers = {Answer::No, Answer::Yes};
        m_services.fileNames = {path(u"page"_s)};
        m_form->mnuFilePrint->trigger();
        QCOMPARE(m_services.dialogs, QStringList());
        m_form->mnuFilePrint->trigger();
        QCOMPARE(m_services.asked,
                 QStringList(2, u"Печать: Принтер не найден. Сохранить страницу в PDF? [4]"_s));
        QVERIFY(read(u"page.pdf"_s).startsWith("%PDF"));
        // A printer gets one page; the picture's outlines one dot wide on it.
        m_services.printerInstalled = true;
        m_form->mnuFilePrint->trigger();
        QCOMPARE(m_services.printed.size(), 1);
        const QImage page = m_services.printed.first();
        // The body's left edge: 15 mm off the axis at 1000/430 units a mm (the body ends at 430
        // mm), 3508/1200 dots a unit.
        const int y = page.height() / 2;
        const int edge = qRound((848.485 / 2 - 15 * 1000.0 / 430) * 3508 / 1200);
        QCOMPARE(page.pixelColor(edge - 2, y), QColor(Qt::white));
        QCOMPARE(page.pixelColor(edge + 2, y), QColor(150, 150, 150));
        // Nothing to draw, nothing printed and nothing asked.
        m_form->mnuEditCls->trigger();
        m_services.asked.clear();
        m_form->mnuFilePrint->trigger();
        QCOMPARE(m_services.printed.size(), 1);
        QCOMPARE(m_services.asked, QStringList());
    }

    void hostileFiles_data()
    {
        // The design file last.srd names (under tests/data/hostile, or made here from the default
        // design), and whether it holds a design at all.
        columns<QString, bool>("file", "design");
        for (const char *name : {"empty", "garbage"})
            row(name, name, false);
        for (const char *name :
             {"nul", "unclosed", "lf-only", "bom-invalid", "huge-numbers", "colours-beyond"})
            row(name, name, true);
        row("a 5 MB value", "5mb", true);
        for (int lines = 1; lines < 29; ++lines) // cut after every line
            row(qPrintable(u"cut after line %1"_s.arg(lines)), qPrintable(u"cut %1"_s.arg(lines)),
                true);
        // The default design, with a broken last.srd: its path line alone still names it; random
        // bytes, a 5 MB line or the folder itself name no design, and nothing is loaded.
        row("last.srd: the path line alone", "last: path only", true);
        row("last.srd: random bytes", "last: garbage", false);
        row("last.srd: a 5 MB line", "last: huge", false);
        row("last.srd: a folder", "last: folder", false);
        row("a folder where the design should be", "folder", false);
    }
    void hostileFiles()
    {
        const auto [file, design] = fetch<QString, bool>("file", "design");
        const auto contents = [](const QString &name) {
            QFile source(name);
            return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        };
        QByteArray bytes = contents(QStringLiteral(DATA_DIR "/empiric.dat"));
        if (file == u"5mb")
            bytes.replace("Quentarolith, 2026", QByteArray(5 << 20, 'x'));
        else if (file.startsWith(u"cut ")) // the first lines, each with its line break
            bytes = bytes.split('\n').mid(0, file.mid(4).toInt()).join('\n') + '\n';
        else if (!file.startsWith(u"last") && file != u"folder")
            bytes = contents(QStringLiteral(TEST_DATA_DIR "/hostile/") + file + u".dat"_s);
        if (file == u"folder")
            QVERIFY(QDir(m_dir->path()).mkdir(u"design.dat"_s));
        else
            put(u"design.dat"_s, bytes);
        const QByteArray named = "\"" + path(u"design.dat"_s).toUtf8() + "\"\r\n";
        put(u"last.srd"_s, file == u"last: path only" ? named
                           : file == u"last: garbage"
                               ? contents(QStringLiteral(TEST_DATA_DIR "/hostile/garbage.dat"))
                           : file == u"last: huge"   ? "\"" + QByteArray(5 << 20, 'x') + "\"\r\n"
                           : file == u"last: folder" ? "\"" + m_dir->path().toUtf8() + "\"\r\n"
                                                     : named + "#FALSE#\r\n1\r\n0\r\n0\r\n");
        QElapsedTimer clock;
        clock.start();
        start();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(settings::currentFile.isEmpty(), !design);
        QCOMPARE(settings::changed, false); // nothing asked on the way out
        QCOMPARE(shown(), expected());
        // Saved again, everything that could be read comes back.
        m_services.fileNames = {path(u"again.dat"_s)};
        m_form->mnuFileSaveAs->trigger();
        FieldTable original, again;
        DesignColours originalColours, againColours;
        if (design) // else the typed fields come back empty: nothing loaded from elsewhere
            filer::readParameterFile(path(u"design.dat"_s), original, originalColours);
        filer::readParameterFile(path(u"again.dat"_s), again, againColours);
        for (int i = 0; i < kFieldCount; ++i) // the results are the redraw's own
            if (i < fieldBcpPosition || i > fieldCpcStability)
                QCOMPARE(again[i].value, singleLine(original[i].value));
        QCOMPARE(againColours, originalColours);
    }
};

QTEST_MAIN(TestForm1File)
#include "tst_form1file.moc"
