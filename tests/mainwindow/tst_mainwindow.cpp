// Faults a rocketeer would notice, and the test that catches each:
// - a typed value normalised wrongly, an output field taking typed text                  normalisation
// - Enter or the arrows not moving on, a result, margin or menu state not following     editScenario
// - captions, menus, shape name, drop-down or saved notice in the wrong language          languages
// - the wrong design, view, accuracy or language after a start, or forgotten at the end   startUp
// - the wrong question, file or notice on saving or opening, a rename after a failed write saving, opening
// - work lost on the way out, Escape dropping edits, a typed value not accepted first     shutDown, saving

#include "core/settings.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/scriptedservices.h"
#include "testkit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedServices m_services;
    std::unique_ptr<Form1> m_form;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString path(const char *name) const { return path(QString::fromUtf8(name)); }
    void put(const char *name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray read(const char *name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The default design: "Стрела-2", ogive 80, body 30 x 350, three fins at
    // 350 (span 45, root 70, tip 35 swept 30), centre of gravity 255.
    void putDefault() const
    {
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path("empiric.dat")));
    }
    void start()
    {
        m_form = std::make_unique<Form1>(m_services);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    QLineEdit *field(int i) const { return m_form->Text1[i]; }
    // Types into a field as a user would: in, select all, type, and Enter unless `enter` is false.
    void type(int i, const QString &text, bool enter = true)
    {
        field(i)->setFocus();
        field(i)->selectAll();
        // One key event with the whole text: keyClicks knows no Cyrillic.
        QTest::sendKeyEvent(QTest::Click, field(i), Qt::Key_unknown, text, Qt::NoModifier);
        if (enter)
            QTest::keyClick(field(i), Qt::Key_Return);
    }

  private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_services = ScriptedServices();
        m_services.folder = m_dir->path();
    }
    void cleanup()
    {
        m_form.reset();
        QCOMPARE(m_services.stuck, 0); // every saved notice closed by itself
    }

    void editScenario()
    {
        putDefault();
        start();
        Form1 &f = *m_form;
        QCOMPARE(QApplication::focusWidget(), field(0));
        QCOMPARE(field(fieldBcpPosition)->text() + u' ' + field(fieldCpcPosition)->text(),
                 QStringLiteral("335 289"));
        // Down eleven times from the name to the centre of gravity, type, Enter.
        for (int i = 0; i < 11; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), field(fieldCgPosition));
        type(fieldCgPosition, QStringLiteral("300"));
        // Margins against 335 and 289 with a diameter of 30.
        QCOMPARE(field(fieldBcpStability)->text() + u' ' + field(fieldCpcStability)->text(),
                 QStringLiteral("1.17 -0.37"));
        QVERIFY(settings::changed && f.mnuFileSave->isEnabled() && f.mnuEditRestore->isEnabled());
        QCOMPARE(QApplication::focusWidget(), field(fieldBcpPosition));
        // On through the results to the inscription, round to the first field, and Up back again.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), field(fieldInscription));
        QTest::keyClick(field(fieldInscription), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), field(0));
        QTest::keyClick(field(0), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), field(fieldInscription));
    }

    void normalisation_data()
    {
        columns<int, int, QString, QString, bool>("index", "accuracy", "typed", "shown", "accepted");
        row("length: the sign goes", fieldBodyLength, 0, "-25", "25", true);
        row("length: rounded to 1 mm", fieldNoseLength, 0, "80.5", "80", true);
        row("length at 0.1 mm: no trailing zero", fieldNoseLength, 1, "12.30", "12.3", true);
        row("tip offset keeps its sign", fieldTipOffset, 0, "-25.5", "-26", true);
        row("fin count 3.6", fieldFinCount, 1, "3.6", "4", true);
        row("fin count 2.5 to even", fieldFinCount, 0, "2.5", "2", true);
        row("fin count without sign", fieldFinCount, 0, "-4", "4", true);
        row("shape of the list", fieldNoseShape, 0, "эллиптический", "эллиптический", true);
        row("shape of the other language typed", fieldNoseShape, 0, "cone", "", true);
        row("name as typed", fieldRocketName, 0, " Искра, 1 ", " Искра, 1 ", true);
        row("name unchanged", fieldRocketName, 0, "Стрела-2", "Стрела-2", false);
        row("results cannot be typed", fieldBcpPosition, 0, "999", "335", false);
    }
    void normalisation()
    {
        putDefault();
        start();
        const int index = fetch<int>("index");
        settings::accuracy = fetch<int>("accuracy");
        type(index, fetch<QString>("typed"));
        QCOMPARE(field(index)->text(), fetch<QString>("shown"));
        QCOMPARE(settings::changed, fetch<bool>("accepted"));
        QCOMPARE(m_form->mnuFileSave->isEnabled(), fetch<bool>("accepted"));
    }

    void languages()
    {
        putDefault();
        start();
        Form1 &f = *m_form;
        // The drop-down: the entry shown changes nothing, another one the design but not the save entry.
        emit f.Combo1->activated(3);
        QVERIFY(!settings::changed);
        f.Combo1->setCurrentIndex(1);
        emit f.Combo1->activated(1);
        QCOMPARE(settings::rocket.noseShape, QStringLiteral("конический"));
        QCOMPARE(field(fieldBcpPosition)->text(), QStringLiteral("337")); // the cone's 0.666 instead of 0.466
        QVERIFY(settings::changed && !f.mnuFileSave->isEnabled() && f.mnuEditRestore->isEnabled());
        settings::changed = false;
        QCOMPARE(f.mnuViewLang->title(), QStringLiteral("language"));
        QVERIFY(!f.mnuViewLangRus->isEnabled() && f.mnuViewLangEng->isEnabled());

        f.mnuViewLangEng->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), QStringLiteral("cone"));
        QCOMPARE(f.Combo1->itemText(0) + f.Combo1->itemText(2) + f.Combo1->itemText(4),
                 QStringLiteral("parabolicellipsoid"));
        QVERIFY(f.Combo1->count() == 5 && f.Combo1->currentIndex() == 1);
        QCOMPARE(f.Label1[2]->text() + u'|' + f.Label1[21]->text(),
                 QStringLiteral("nose cone lenth, mm|BARROWMAN'S CENTER OF PRESSURE *"));
        QCOMPARE(f.mnuFile->title() + f.mnuInfoAbout->text() + f.mnuViewLang->title()
                     + f.mnuViewLangRus->text(),
                 QStringLiteral("Fileabout programmязыкРусский"));
        QVERIFY(f.mnuViewLangRus->isEnabled() && !f.mnuViewLangEng->isEnabled());
        QVERIFY(!settings::changed);

        // Saved in English, the captions of the file are English.
        m_services.fileNames = {path("en.dat")};
        f.mnuFileSaveAs->trigger();
        QVERIFY(read("en.dat").startsWith("\"ROCKET                        \""));
        QCOMPARE(m_services.notices, QStringList{QStringLiteral("Saved")});
        f.mnuViewLangRus->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), QStringLiteral("конический"));
        QCOMPARE(f.Label1[0]->text(), QStringLiteral("РАКЕТА"));
    }

    void startUp_data()
    {
        // The last-design file as it stands in the program folder (%1: the folder), and the view,
        // line width, accuracy and language that must be in force, as that file writes them.
        columns<QString, bool, QString, QString>("lastDesign", "defaultDesign", "current", "settings");
        row("an empty folder", "", false, "", "#FALSE# 1 0 0");
        row("the default design", "", true, "empiric.dat", "#FALSE# 1 0 0");
        row("the last design", "\"%1/own.dat\"\r\n#FALSE#\r\n3\r\n1\r\n1\r\n", true, "own.dat",
            "#FALSE# 3 1 1");
        row("a deleted design", "\"%1/gone.dat\"\r\n#TRUE#\r\n2\r\n1\r\n1\r\n", true, "empiric.dat",
            "#TRUE# 2 1 1");
        row("three lines", "\"%1/own.dat\"\r\n#TRUE#\r\n3\r\n", false, "own.dat", "#TRUE# 3 0 0");
        row("an empty first line", "\"\"\r\n#TRUE#\r\n2\r\n0\r\n1\r\n", false, "", "#TRUE# 2 0 1");
    }
    void startUp()
    {
        const QString &current = fetch<QString>("current"), &expected = fetch<QString>("settings");
        const QByteArray lastDesign =
            QString(fetch<QString>("lastDesign")).replace(QLatin1String("%1"), m_dir->path()).toUtf8();
        if (fetch<bool>("defaultDesign"))
            putDefault();
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path("own.dat")));
        if (!lastDesign.isEmpty())
            put("last.srd", lastDesign);
        start();
        Form1 &f = *m_form;
        const QString file = current.isEmpty() ? QString() : path(current);
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + file);
        QCOMPARE(field(0)->text(), current.isEmpty() ? QString() : QStringLiteral("Стрела-2"));
        const bool draft = settings::viewMode == ViewMode::Draft;
        QCOMPARE(QStringLiteral("#%1# %2 %3 %4")
                     .arg(draft ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
                     .arg(settings::lineWidth)
                     .arg(settings::accuracy)
                     .arg(settings::language),
                 expected);
        // Menus show the choices that are not in force.
        QVERIFY(f.mnuViewPic->isEnabled() == draft && f.mnuViewDraw->isEnabled() != draft);
        QVERIFY(f.mnuViewAcc0->isEnabled() == (settings::accuracy == 1)
                && f.mnuViewAcc1->isEnabled() != f.mnuViewAcc0->isEnabled());
        QVERIFY(f.mnuViewLangEng->isEnabled() == (settings::language == 0) && !f.mnuFileSave->isEnabled()
                && !f.mnuEditRestore->isEnabled());
        QCOMPARE(f.LabelP[1]->isVisible(), !draft);
        QCOMPARE(f.Label1[0]->text(),
                 settings::language ? QStringLiteral("ROCKET") : QStringLiteral("РАКЕТА"));
        QCOMPARE(field(fieldBcpPosition)->text(), current.isEmpty() ? QString() : QStringLiteral("335"));
        // A screen 768 high: a window 691 high and 760 wide, centred.
        QCOMPARE(QRect(f.pos(), f.size()), QRect(132, 38, 760, 691));
        QVERIFY(f.Picture1->geometry().right() < 760 && f.Picture1->x() > f.Text1[4]->geometry().right());
        // The settings in force are remembered at the end, when a design is current.
        QVERIFY(f.close());
        const QString written =
            QStringLiteral("\"%1\" %2 ").arg(file, expected).replace(u' ', QLatin1String("\r\n"));
        QCOMPARE(read("last.srd"), file.isEmpty() ? lastDesign : written.toUtf8());
    }

    void saving()
    {
        start(); // nothing loaded: no current file
        Form1 &f = *m_form;
        type(0, QStringLiteral("Искра"));
        f.mnuFileSave->trigger();
        QCOMPARE(m_services.dialogs, QStringList{QStringLiteral("save ")});
        QVERIFY(settings::changed && settings::currentFile.isEmpty());
        QCOMPARE(settings::fieldTable[0].value, QStringLiteral("Искра")); // copied before the dialog

        // Typed but not yet accepted: F2 saves it as leaving the field would have made it.
        m_services.fileNames = {path("a.dat")};
        type(fieldFinSpan, QStringLiteral("-25"), false);
        QTest::keyClick(field(fieldFinSpan), Qt::Key_F2);
        QVERIFY(read("a.dat").contains("\",\"25\"\r\n") && settings::rocket.finSpan == 25);
        QVERIFY(read("a.dat").startsWith(
            "\"\xD0\xC0\xCA\xC5\xD2\xC0                        \",\"\xC8\xF1\xEA\xF0\xE0\"\r\n"));
        QCOMPARE(m_services.timers, QList<int>{300}); // the saved notice, closed by its timer
        QCOMPARE(m_services.notices, QStringList{QStringLiteral("Сохранено")});
        QVERIFY(!settings::changed && !f.mnuFileSave->isEnabled() && !f.mnuEditRestore->isEnabled());
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + path("a.dat"));
        // Back from the notice the window is active again; leaving the span field changes nothing.
        QTRY_COMPARE(QApplication::focusWidget(), field(0));
        QVERIFY(!settings::changed);

        // Save as: its own name asks nothing; another file's name asks, No shows the dialog again.
        put("b.dat", "old");
        m_services.fileNames = {path("a.dat"), path("b.dat"), path("b.dat"), path("b.dat")};
        m_services.answers = {Services::No, Services::Cancel};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked.size(), 0);
        f.mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked,
                 QStringList(2, QStringLiteral("Контроль сохранения: Файл с таким именем уже "
                                               "существует.\r\nПереписать? [51]")));
        QCOMPARE(read("b.dat"), QByteArray("old"));
        m_services.fileNames = {path("b.dat")};
        m_services.answers = {Services::Yes};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(read("b.dat"), read("a.dat"));
        QCOMPARE(settings::currentFile, path("b.dat"));

        // A save as that fails keeps the name of the file that holds the design.
        type(0, QStringLiteral("Искра-2"));
        m_services.fileNames = {path("no/such/folder/c.dat")};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(settings::currentFile, path("b.dat"));
        QVERIFY(settings::changed && f.mnuFileSave->isEnabled());
    }

    void opening()
    {
        start();
        Form1 &f = *m_form;
        type(fieldNoseLength, QStringLiteral("100"));
        f.mnuFileOpen->trigger(); // Cancel to "Save changes?"
        QCOMPARE(m_services.asked,
                 QStringList{QStringLiteral("Данные были изменены: Сохранить изменения? [3]")});
        QVERIFY(m_services.dialogs.isEmpty());
        // Yes with no current file: the save fails, and the user is asked before going on.
        m_services.answers = {Services::Yes, Services::No};
        f.mnuFileOpen->trigger();
        QCOMPARE(m_services.asked.last(),
                 QStringLiteral("Ошибка сохранения: Сохранение не удалось. Продолжить? [52]"));
        QVERIFY(m_services.dialogs.isEmpty());

        // A design saved in English opens with its shape name unchanged, and
        // passing through the field keeps it.
        putDefault();
        put("en.dat", read("empiric.dat")
                          .replace("\"\xF7\xE5\xF7\xE5\xE2\xE8\xF7\xED\xFB\xE9\"", "\"cone\"")
                          .replace("\r\n0\r\n0\r\n0\r\n", "\r\n1\r\n2\r\n3\r\n"));
        m_services.answers = {Services::Yes, Services::Yes};
        m_services.fileNames = {path("en.dat")};
        field(fieldBcpPosition)->setFocus(); // a result shown in the field being left must be the new one
        f.mnuFileOpen->trigger();
        field(0)->setFocus();
        QCOMPARE(m_services.dialogs, QStringList{QStringLiteral("open ")});
        QCOMPARE(field(fieldNoseShape)->text(), QStringLiteral("cone"));
        QCOMPARE(field(fieldBcpPosition)->text(), QStringLiteral("337"));
        QVERIFY(!settings::changed && !f.mnuFileSave->isEnabled());
        QCOMPARE(f.LabelP[0]->palette().color(QPalette::Window), QColor(1, 2, 3));
        type(fieldInscription, QStringLiteral("x"));
        type(fieldNoseShape, QStringLiteral("cone"));
        QCOMPARE(field(fieldNoseShape)->text(), QStringLiteral("cone"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + path("en.dat"));
    }

    void shutDown_data()
    {
        // How the user leaves, the edit (1: accepted, 2: typed only), the answers, the file
        // chosen in the save dialog ("-": none), and what must come of it.
        columns<QString, int, QList<int>, QString, bool, QString>("how", "edited", "answers", "chosen",
                                                                  "ended", "remembered");
        const int yes = Services::Yes, no = Services::No, cancel = Services::Cancel;
        row("close, nothing edited", "close", 0, QList<int>{}, "-", true, "empiric.dat");
        row("close, Cancel", "close", 1, QList<int>{cancel}, "-", false, "");
        row("close, No", "close", 1, QList<int>{no}, "-", true, "empiric.dat");
        row("close, Yes, dialog cancelled", "close", 1, QList<int>{yes}, "", false, "");
        row("close, Yes, saved", "close", 1, QList<int>{yes}, "new.dat", true, "new.dat");
        row("close, Yes, save failed, stay", "close", 1, QList<int>{yes, no}, "none/x.dat", false, "");
        row("close, Yes, save failed, go", "close", 1, QList<int>{yes, yes}, "none/x.dat", true,
            "empiric.dat");
        row("exit, No", "exit", 1, QList<int>{no}, "-", true, "empiric.dat");
        row("Ctrl+Q with a value typed, not accepted: asked first", "ctrl+q", 2, QList<int>{cancel}, "-",
            false, "");
        row("exit, Yes, dialog cancelled", "exit", 1, QList<int>{yes}, "", false, "");
        row("Escape, nothing edited", "escape", 0, QList<int>{}, "-", true, "");
        row("Escape, Cancel", "escape", 1, QList<int>{cancel}, "-", false, "");
        row("Escape, No", "escape", 1, QList<int>{no}, "-", true, "");
        row("Escape, Yes, saved", "escape", 1, QList<int>{yes}, "new.dat", true, "");
    }
    void shutDown()
    {
        const QString &how = fetch<QString>("how"), &chosen = fetch<QString>("chosen");
        const QString &remembered = fetch<QString>("remembered");
        putDefault();
        start();
        const int edited = fetch<int>("edited");
        if (edited)
            type(fieldCgPosition, QStringLiteral("300"), edited == 1);
        m_services.answers = fetch<QList<int>>("answers");
        if (chosen != QLatin1String("-"))
            m_services.fileNames = {chosen.isEmpty() ? QString() : path(chosen)};
        if (how == QLatin1String("close"))
            m_form->close();
        else if (how == QLatin1String("exit"))
            m_form->mnuFileExit->trigger();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_form->ended(), fetch<bool>("ended"));
        QCOMPARE(m_form->isVisible(), !fetch<bool>("ended"));
        QCOMPARE(field(fieldCgPosition)->text(), edited ? QStringLiteral("300") : QStringLiteral("255"));
        const QByteArray last = read("last.srd");
        QCOMPARE(last.isEmpty(), remembered.isEmpty());
        if (!remembered.isEmpty())
            QVERIFY2(last.startsWith("\"" + path(remembered).toUtf8() + "\"\r\n#FALSE#"), last.constData());
        if (chosen == QLatin1String("new.dat"))
            QVERIFY(read(chosen.toUtf8()).contains("\",\"300\"\r\n"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
