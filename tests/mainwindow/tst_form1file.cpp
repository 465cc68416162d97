// The File menu. Faults a rocketeer would notice, and the test that catches each:
// - a save missing the value being typed, the wrong bytes, dialog, question or notice   saving
// - another file overwritten without a question, a rename after a failed write         saving
// - an open that keeps the old design or its colours, or drops a shape name of the other
//   language; unsaved edits not asked about first                                      opening

#include "mainwindow/form1fixture.h"

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
        // Typed but not yet accepted: F2 saves it as leaving the field would have made it.
        m_services.fileNames = {path(u"a.dat"_s)};
        type(fieldFinSpan, u"-25"_s, false);
        QTest::keyClick(field(fieldFinSpan), Qt::Key_F2);
        const QByteArray saved = read(u"a.dat"_s);
        // "РАКЕТА" padded to 30 characters and "Искра", in Windows-1251.
        QVERIFY(saved.startsWith(
            "\"\xD0\xC0\xCA\xC5\xD2\xC0                        \",\"\xC8\xF1\xEA\xF0\xE0\"\r\n"));
        QVERIFY(saved.contains("\",\"25\"\r\n"));
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
        m_services.fileNames = {path(u"a.dat"_s), b, b, b};
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
        // A save as that fails keeps the name of the file that holds the design.
        type(0, u"Искра-2"_s);
        m_services.fileNames = {path(u"no/such/folder/c.dat"_s)};
        m_form->mnuFileSaveAs->trigger();
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
    }
};

QTEST_MAIN(TestForm1File)
#include "tst_form1file.moc"
