// Faults a rocketeer would notice in the main window, and the test that catches each:
// - a typed value normalised wrongly, or an output field taking typed text   normalisation
// - Enter, the arrows or the drop-down not moving on or not redrawing; a
//   result, a margin or a menu state not following an accepted edit         editScenario
// - captions, menus, the shape name or the drop-down in the wrong language   languages
// - the wrong design, view, accuracy or language after a start; a start
//   that forgets them at the end                                           startUp
// - a save that asks the wrong question, writes the wrong file, forgets the
//   saved notice, or renames the design after a failed write             saving, opening
// - work lost on the way out: a cancelled or failed save still ending the
//   program, Escape dropping edits, a typed value not accepted first     shutDown, commitBeforeCommand

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
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The default design: "Стрела-2", ogive 80, body 30 x 350, three fins at
    // 350 (span 45, root 70, tip 35 swept 30), centre of gravity 255.
    void putDefault() const
    {
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path(QStringLiteral("empiric.dat"))));
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
    QStringList prompts() const
    {
        QStringList list;
        for (const auto &q : m_services.asked)
            list += q.prompt;
        return list;
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
        row("length at 0.1 mm: half to even", fieldBodyDiameter, 1, "7.25mm", "7.2", true);
        row("length: a comma ends the number", fieldFinSpan, 0, "12,5", "12", true);
        row("length: letters are 0", fieldRootChord, 0, "abc", "0", true);
        row("tip offset keeps its sign", fieldTipOffset, 0, "-25.5", "-26", true);
        row("fin count 3.6", fieldFinCount, 1, "3.6", "4", true);
        row("fin count 2.5 to even", fieldFinCount, 0, "2.5", "2", true);
        row("fin count without sign", fieldFinCount, 0, "-4", "4", true);
        row("shape of the list", fieldNoseShape, 0, "эллиптический", "эллиптический", true);
        row("shape of the other language typed", fieldNoseShape, 0, "cone", "", true);
        row("shape with a capital", fieldNoseShape, 0, "Чечевичный", "", true);
        row("name as typed", fieldRocketName, 0, " Искра, 1 ", " Искра, 1 ", true);
        row("name unchanged", fieldRocketName, 0, "Стрела-2", "Стрела-2", false);
        row("results cannot be typed", fieldBcpPosition, 0, "999", "335", false);
        row("margins cannot be typed", fieldCpcStability, 0, "", "1.13", false);
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
        if (index == fieldBodyLength)
            QCOMPARE(settings::rocket.bodyLength, 25.0); // the record follows the field
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
        QStringList entries;
        for (int i = 0; i < f.Combo1->count(); ++i)
            entries += f.Combo1->itemText(i);
        QCOMPARE(entries.join(u','), QStringLiteral(",cone,parabolic,ogive,ellipsoid"));
        QCOMPARE(f.Combo1->currentIndex(), 1);
        QCOMPARE(f.Label1[2]->text() + u'|' + f.Label1[21]->text(),
                 QStringLiteral("nose cone lenth, mm|BARROWMAN'S CENTER OF PRESSURE *"));
        QCOMPARE(f.mnuFile->title() + f.mnuInfoAbout->text() + f.mnuViewLang->title()
                     + f.mnuViewLangRus->text(),
                 QStringLiteral("Fileabout programmязыкРусский"));
        QVERIFY(f.mnuViewLangRus->isEnabled() && !f.mnuViewLangEng->isEnabled());
        QCOMPARE(f.del1->text() + f.del2->text() + f.del3->text(), QStringLiteral("|||"));
        QVERIFY(!settings::changed);

        // Saved in English, the captions of the file are English.
        m_services.fileNames = {path(QStringLiteral("en.dat"))};
        f.mnuFileSaveAs->trigger();
        QVERIFY(read(QStringLiteral("en.dat")).startsWith("\"ROCKET                        \""));
        QCOMPARE(m_services.notices, QStringList{QStringLiteral("Saved")});
        f.mnuViewLangRus->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), QStringLiteral("конический"));
        QCOMPARE(f.Label1[0]->text(), QStringLiteral("РАКЕТА"));
    }

    void startUp_data()
    {
        // The last-design file as it stands in the program folder; %1 is the folder.
        columns<QString, bool, QString, QString>("lastDesign", "defaultDesign", "current", "settings");
        row("an empty folder", "", false, "", "picture 1 0 0");
        row("the default design", "", true, "empiric.dat", "picture 1 0 0");
        row("the last design", "\"%1/own.dat\"\r\n#FALSE#\r\n3\r\n1\r\n1\r\n", true, "own.dat",
            "picture 3 1 1");
        row("a deleted design", "\"%1/gone.dat\"\r\n#TRUE#\r\n2\r\n1\r\n1\r\n", true, "empiric.dat",
            "draft 2 1 1");
        row("three lines", "\"%1/own.dat\"\r\n#TRUE#\r\n3\r\n", false, "own.dat", "draft 3 0 0");
        row("an empty first line", "\"\"\r\n#TRUE#\r\n2\r\n0\r\n1\r\n", false, "", "draft 2 0 1");
    }
    void startUp()
    {
        const QString &lastDesign = fetch<QString>("lastDesign"), &current = fetch<QString>("current");
        if (fetch<bool>("defaultDesign"))
            putDefault();
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path(QStringLiteral("own.dat"))));
        if (!lastDesign.isEmpty())
            put(QStringLiteral("last.srd"),
                QString(lastDesign).replace(QLatin1String("%1"), m_dir->path()).toUtf8());
        start();
        Form1 &f = *m_form;
        const QString file = current.isEmpty() ? QString() : path(current);
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + file);
        QCOMPARE(field(0)->text(), current.isEmpty() ? QString() : QStringLiteral("Стрела-2"));
        const bool draft = settings::viewMode == ViewMode::Draft;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(draft ? QStringLiteral("draft") : QStringLiteral("picture"))
                     .arg(settings::lineWidth)
                     .arg(settings::accuracy)
                     .arg(settings::language),
                 fetch<QString>("settings"));
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
        const QByteArray expected = QStringLiteral("\"%1\"\r\n#%2#\r\n%3\r\n%4\r\n%5\r\n")
                                        .arg(file, draft ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
                                        .arg(settings::lineWidth)
                                        .arg(settings::accuracy)
                                        .arg(settings::language)
                                        .toUtf8();
        QCOMPARE(read(QStringLiteral("last.srd")),
                 file.isEmpty() ? QString(lastDesign).replace(QLatin1String("%1"), m_dir->path()).toUtf8()
                                : expected);
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

        m_services.fileNames = {path(QStringLiteral("a.dat"))};
        QTest::keyClick(field(1), Qt::Key_F2);
        QVERIFY(read(QStringLiteral("a.dat"))
                    .startsWith(
                        "\"\xD0\xC0\xCA\xC5\xD2\xC0                        \",\"\xC8\xF1\xEA\xF0\xE0\"\r\n"));
        QCOMPARE(m_services.timers, QList<int>{300}); // the saved notice, closed by its timer
        QCOMPARE(m_services.notices, QStringList{QStringLiteral("Сохранено")});
        QVERIFY(!settings::changed && !f.mnuFileSave->isEnabled() && !f.mnuEditRestore->isEnabled());
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + path(QStringLiteral("a.dat")));
        QTRY_COMPARE(QApplication::focusWidget(),
                     field(0)); // back from the notice, the window is active again

        // Save as: its own name asks nothing; another file's name asks, No shows the dialog again.
        put(QStringLiteral("b.dat"), "old");
        m_services.fileNames = {path(QStringLiteral("a.dat")), path(QStringLiteral("b.dat")),
                                path(QStringLiteral("b.dat")), path(QStringLiteral("b.dat"))};
        m_services.answers = {Services::No, Services::Cancel};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(m_services.asked.size(), 0);
        f.mnuFileSaveAs->trigger();
        QCOMPARE(prompts(),
                 QStringList(2, QStringLiteral("Файл с таким именем уже существует.\r\nПереписать?")));
        QCOMPARE(m_services.asked.first().buttons, int(Services::YesNoCancelExclamation));
        QCOMPARE(read(QStringLiteral("b.dat")), QByteArray("old"));
        m_services.fileNames = {path(QStringLiteral("b.dat"))};
        m_services.answers = {Services::Yes};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(read(QStringLiteral("b.dat")), read(QStringLiteral("a.dat")));
        QCOMPARE(settings::currentFile, path(QStringLiteral("b.dat")));

        // A save as that fails keeps the name of the file that holds the design.
        type(0, QStringLiteral("Искра-2"));
        m_services.fileNames = {path(QStringLiteral("no/such/folder/c.dat"))};
        f.mnuFileSaveAs->trigger();
        QCOMPARE(settings::currentFile, path(QStringLiteral("b.dat")));
        QVERIFY(settings::changed && f.mnuFileSave->isEnabled());
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + path(QStringLiteral("b.dat")));
    }

    void opening()
    {
        start();
        Form1 &f = *m_form;
        type(fieldNoseLength, QStringLiteral("100"));
        f.mnuFileOpen->trigger(); // Cancel to "Save changes?"
        QCOMPARE(prompts(), QStringList{QStringLiteral("Сохранить изменения?")});
        QVERIFY(m_services.dialogs.isEmpty());
        // Yes with no current file: the save fails, and the user is asked before going on.
        m_services.answers = {Services::Yes, Services::No};
        f.mnuFileOpen->trigger();
        QCOMPARE(prompts().last(), QStringLiteral("Сохранение не удалось. Продолжить?"));
        QCOMPARE(m_services.asked.last().buttons, int(Services::YesNoExclamation));
        QVERIFY(m_services.dialogs.isEmpty());

        // A design saved in English opens with its shape name unchanged, and
        // passing through the field keeps it.
        QFile source(QStringLiteral(DATA_DIR "/empiric.dat"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray english = source.readAll()
                                       .replace("\"\xF7\xE5\xF7\xE5\xE2\xE8\xF7\xED\xFB\xE9\"", "\"cone\"")
                                       .replace("\r\n0\r\n0\r\n0\r\n", "\r\n1\r\n2\r\n3\r\n");
        put(QStringLiteral("en.dat"), english);
        m_services.answers = {Services::Yes, Services::Yes};
        m_services.fileNames = {path(QStringLiteral("en.dat"))};
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
        QCOMPARE(f.windowTitle(), QStringLiteral("Quentarolith          ") + path(QStringLiteral("en.dat")));
    }

    void shutDown_data()
    {
        // How the user leaves, whether there are edits, the answers, the file
        // chosen in the save dialog ("-": none), and what must come of it.
        columns<QString, bool, QList<int>, QString, bool, QString>("how", "edited", "answers", "chosen",
                                                                   "ended", "remembered");
        const int yes = Services::Yes, no = Services::No, cancel = Services::Cancel;
        row("close, nothing edited", "close", false, QList<int>{}, "-", true, "empiric.dat");
        row("close, Cancel", "close", true, QList<int>{cancel}, "-", false, "");
        row("close, No", "close", true, QList<int>{no}, "-", true, "empiric.dat");
        row("close, Yes, dialog cancelled", "close", true, QList<int>{yes}, "", false, "");
        row("close, Yes, saved", "close", true, QList<int>{yes}, "new.dat", true, "new.dat");
        row("close, Yes, save failed, stay", "close", true, QList<int>{yes, no}, "none/x.dat", false, "");
        row("close, Yes, save failed, go", "close", true, QList<int>{yes, yes}, "none/x.dat", true,
            "empiric.dat");
        row("exit, No", "exit", true, QList<int>{no}, "-", true, "empiric.dat");
        row("exit, Yes, dialog cancelled", "exit", true, QList<int>{yes}, "", false, "");
        row("Escape, nothing edited", "escape", false, QList<int>{}, "-", true, "");
        row("Escape, Cancel", "escape", true, QList<int>{cancel}, "-", false, "");
        row("Escape, No", "escape", true, QList<int>{no}, "-", true, "");
        row("Escape, Yes, saved", "escape", true, QList<int>{yes}, "new.dat", true, "");
    }
    void shutDown()
    {
        const QString &how = fetch<QString>("how"), &chosen = fetch<QString>("chosen");
        const QString &remembered = fetch<QString>("remembered");
        putDefault();
        start();
        if (fetch<bool>("edited"))
            type(fieldCgPosition, QStringLiteral("300"));
        m_services.answers = fetch<QList<int>>("answers");
        if (chosen != QLatin1String("-"))
            m_services.fileNames = {chosen.isEmpty() ? QString() : path(chosen)};
        if (how == QLatin1String("close"))
            m_form->close();
        else if (how == QLatin1String("exit"))
            m_form->mnuFileExit->trigger();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(m_form->ended(), fetch<bool>("ended"));
        QCOMPARE(m_form->isVisible(), !fetch<bool>("ended"));
        QCOMPARE(field(fieldCgPosition)->text(),
                 fetch<bool>("edited") ? QStringLiteral("300") : QStringLiteral("255"));
        const QByteArray last = read(QStringLiteral("last.srd"));
        QCOMPARE(last.isEmpty(), remembered.isEmpty());
        if (!remembered.isEmpty())
            QVERIFY2(last.startsWith("\"" + path(remembered).toUtf8() + "\"\r\n#FALSE#"), last.constData());
        if (chosen == QLatin1String("new.dat"))
            QVERIFY(read(chosen).contains("\",\"300\"\r\n"));
    }

    void commitBeforeCommand()
    {
        putDefault();
        start();
        // Typed but not yet accepted: Ctrl+Q still asks first.
        type(fieldBodyLength, QStringLiteral("420"), false);
        QTest::keyClick(field(fieldBodyLength), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(prompts(), QStringList{QStringLiteral("Сохранить изменения?")});
        QCOMPARE(field(fieldBodyLength)->text(), QStringLiteral("420"));
        QVERIFY(m_form->isVisible());
        // F2 saves the value as leaving the field would have made it, and the drawing follows.
        type(fieldFinSpan, QStringLiteral("-25"), false);
        QTest::keyClick(field(fieldFinSpan), Qt::Key_F2);
        QVERIFY(read(QStringLiteral("empiric.dat")).contains("\",\"25\"\r\n"));
        QCOMPARE(settings::rocket.finSpan, 25.0);
        QVERIFY(!settings::changed);
        QTRY_COMPARE(QApplication::focusWidget(), field(0));
        QVERIFY(!settings::changed); // leaving the span field after the save changes nothing
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
