// The window as a whole. Faults a rocketeer would notice, and the test that catches each:
// - the wrong design, view, accuracy or language after a start, or forgotten at the end   startUp
// - captions out of their rows, a field beside another caption, a swatch in another row   layout
// - a black, empty or stale drawing surface, at start or after the window is resized;
//   fields shrunk below a line of text in a small window                                  picture
// - two swatches showing each other's colours                                             swatches
// - work lost on the way out, a typed value not asked about, Escape dropping edits        shutDown

#include "mainwindow/form1fixture.h"
#include "mainwindow/form1layout.h"

#include <QLabel>

#include <numeric>

class TestForm1 : public Form1Test
{
    Q_OBJECT

  private slots:
    void startUp_data()
    {
        // The last-design file (%1: the program folder); the view, line width, accuracy and
        // language then in force, as that file writes them; the view entries a user can choose.
        columns<QString, bool, QString, QString, QString>("last", "withDefault", "current",
                                                          "settings", "choices");
        // clang-format off
        row("an empty folder", "", false, "", "#FALSE# 1 0 0", "mnuViewDraw mnuViewAcc1 mnuViewLangEng");
        row("the default design", "", true, "empiric.dat", "#FALSE# 1 0 0", "mnuViewDraw mnuViewAcc1 mnuViewLangEng");
        row("the last design", "\"%1/own.dat\"\r\n#FALSE#\r\n3\r\n1\r\n1\r\n", true, "own.dat", "#FALSE# 3 1 1",
            "mnuViewDraw mnuViewAcc0 mnuViewLangRus");
        row("a file that is no design", "\"%1/last.srd\"\r\n#TRUE#\r\n2\r\n1\r\n1\r\n", true, "empiric.dat", "#TRUE# 2 1 1",
            "mnuViewPic mnuViewAcc0 mnuViewLangRus");
        row("three lines", "\"%1/own.dat\"\r\n#TRUE#\r\n3\r\n", false, "own.dat", "#TRUE# 3 0 0",
            "mnuViewPic mnuViewAcc1 mnuViewLangEng");
        // clang-format on
    }
    void startUp()
    {
        auto [last, withDefault, current, settings, choices] =
            fetch<QString, bool, QString, QString, QString>("last", "withDefault", "current",
                                                            "settings", "choices");
        const QByteArray lastFile = last.replace(QLatin1String("%1"), m_dir->path()).toUtf8();
        if (withDefault)
            putDefault();
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path(u"own.dat"_s)));
        if (!lastFile.isEmpty())
            put(u"last.srd"_s, lastFile);
        start();
        const QString file = current.isEmpty() ? QString() : path(current);
        QCOMPARE(m_form->windowTitle(), u"Quentarolith          "_s + file);
        // The choice in force is the entry that cannot be chosen; nothing to save or restore.
        QCOMPARE(enabled(u"mnuViewPic mnuViewDraw mnuViewAcc0 mnuViewAcc1 mnuViewLangRus "
                         "mnuViewLangEng mnuFileSave mnuEditRestore"_s),
                 choices);
        QCOMPARE(m_form->Label1[0]->text(),
                 choices.contains(u"LangRus") ? u"ROCKET"_s : u"РАКЕТА"_s);
        // A screen 768 high: a window 691 high and 760 wide, centred.
        QCOMPARE(m_form->frameGeometry(), QRect(132, 38, 760, 691)); // the frame included
        // The settings in force are remembered at the end, when a design is current.
        QVERIFY(m_form->close());
        const QString written = u"\"%1\" %2 "_s.arg(file, settings).replace(u' ', u"\r\n"_s);
        QCOMPARE(read(u"last.srd"_s), file.isEmpty() ? lastFile : written.toUtf8());
    }

    void layout()
    {
        // A window 760 wide, 670 below its menu bar. Surface: 0.98 · 670 = 656.6 high, · 210/297 =
        // 464.26 wide, at (760 − 464.26) · 0.98 = 289.82, top 6.7. Rows 656.6 / 23 = 28.548
        // apart; m = 6.7; strip 283.12; captions W = 188.75; fields 0.9 · 28.548 = 25.69 high at
        // m + W = 195.45, W / 2 − 2m = 80.97 wide; swatches 38.54 wide; the name's caption
        // 283.12 − 188.75 − 38.54 − 13.4 = 42.43 wide, then its field and swatch.
        const Form1Layout layout = layoutForm1(760, 670);
        QCOMPARE(layout.picture, QRect(290, 7, 464, 657));
        QCOMPARE(layout.fields[fieldNoseLength], QRect(195, 92, 81, 26)); // row 3
        QCOMPARE(layout.captions[16], QRect(7, 635, 189, 26));            // row 22
        QCOMPARE(layout.swatches[3], QRect(195, 207, 39, 26));            // row 7, the fins
        QCOMPARE(layout.swatches[2], QRect(231, 7, 39, 26));              // row 0, the name
        // Each field under the heading of its part of the rocket, beside its caption.
        QList<int> rows(kCaptionCount);
        std::iota(rows.begin(), rows.end(), 0);
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            return layout.captions[a].y() < layout.captions[b].y();
        });
        QCOMPARE(rows, (QList<int>{0, 17, 1,  2,  18, 3,  4,  19, 5,  6,  7, 8,
                                   9, 10, 20, 11, 21, 12, 13, 22, 14, 15, 16}));
        for (int i = 0; i < kFieldCount; ++i)
            QCOMPARE(layout.fields[i].y(), layout.captions[i].y());
        for (int s : {0, 1}) // nose and body, in the rows of their headings
            QCOMPARE(layout.swatches[s].y(), layout.captions[17 + s].y());
        // The window stands as the layout of its size says.
        start();
        const Form1Layout applied = layoutForm1(m_form->width(), m_form->centralWidget()->height());
        QCOMPARE(m_form->Picture1->geometry(), applied.picture);
        for (int i = 0; i < kCaptionCount; ++i)
            QCOMPARE(m_form->Label1[i]->geometry(), applied.captions[i]);
        for (int i = 0; i < kFieldCount; ++i)
            QCOMPARE(field(i)->geometry(), applied.fields[i]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_form->LabelP[i]->geometry(), applied.swatches[i]);
    }

    void picture()
    {
        putDefault();
        start();
        QCOMPARE(shown(), expected());
        // Smaller than the window may be: the layout stops shrinking where the fields still hold
        // a line of text.
        m_form->resize(300, 200);
        QCOMPARE(m_form->size(), m_form->minimumSize());
        QVERIFY(field(fieldNoseLength)->height() >= field(fieldNoseLength)->fontMetrics().height());
        QCOMPARE(m_form->Picture1->height(), qRound(0.98 * m_form->centralWidget()->height()));
        QCOMPARE(shown(), expected());
    }

    void swatches()
    {
        putDefault();
        put(u"empiric.dat"_s,
            read(u"empiric.dat"_s).replace("\r\n0\r\n0\r\n0\r\n", "\r\n10\r\n20\r\n30\r\n"));
        start();
        // Nose, body, name, fins: the nose's black changed, then 150 grey, yellow 250, red 250.
        const QColor colours[] = {{10, 20, 30}, {150, 150, 150}, {250, 250, 0}, {250, 0, 0}};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_form->LabelP[i]->grab().toImage().pixelColor(3, 3), colours[i]);
    }

    void shutDown_data()
    {
        // How the user leaves, the edit (1: accepted, 2: typed only), the answers, the file chosen
        // in the save dialog ("-": none), and what must come of it.
        columns<QString, int, QList<Answer>, QString, bool, QString>(
            "how", "edited", "answers", "chosen", "ended", "remembered");
        using L = QList<Answer>;
        const Answer yes = Answer::Yes, no = Answer::No, cancel = Answer::Cancel;
        // clang-format off
        row("close, Yes, dialog cancelled", "close", 1, L{yes}, "", false, "");
        row("close, Yes, saved", "close", 1, L{yes}, "new.dat", true, "new.dat");
        row("close, Yes, save failed, stay", "close", 1, L{yes, no}, "none/x.dat", false, "");
        row("close, Yes, save failed, go", "close", 1, L{yes, yes}, "none/x.dat", true, "empiric.dat");
        row("close box with a value typed, not accepted", "close", 2, L{cancel}, "-", false, "");
        row("exit, No", "exit", 1, L{no}, "-", true, "empiric.dat");
        row("Ctrl+Q with a value typed, not accepted", "ctrl+q", 2, L{cancel}, "-", false, "");
        row("Escape, nothing edited", "escape", 0, L{}, "-", true, "");
        row("Escape, Cancel", "escape", 1, L{cancel}, "-", false, "");
        // clang-format on
    }
    void shutDown()
    {
        const auto [how, edited, answers, chosen, ended, remembered] =
            fetch<QString, int, QList<Answer>, QString, bool, QString>(
                "how", "edited", "answers", "chosen", "ended", "remembered");
        putDefault();
        start();
        if (edited)
            type(fieldCgPosition, u"300"_s, edited == 1);
        m_services.answers = answers;
        if (chosen != u"-")
            m_services.fileNames = {chosen.isEmpty() ? QString() : path(chosen)};
        if (how == u"close")
            m_form->close();
        else if (how == u"exit")
            m_form->mnuFileExit->trigger();
        else
            QTest::keyClick(QApplication::focusWidget(),
                            how == u"escape" ? Qt::Key_Escape : Qt::Key_Q,
                            how == u"escape" ? Qt::NoModifier : Qt::ControlModifier);
        QCOMPARE(m_services.asked.size(), edited ? 1 + (chosen == u"none/x.dat") : 0);
        QCOMPARE(m_form->isVisible(), !ended);
        QCOMPARE(field(fieldCgPosition)->text(), edited ? u"300"_s : u"255"_s);
        const QByteArray last = read(u"last.srd"_s);
        QCOMPARE(last.left(last.indexOf('\n') + 1),
                 remembered.isEmpty() ? QByteArray() : "\"" + path(remembered).toUtf8() + "\"\r\n");
        if (chosen == u"new.dat")
            QVERIFY(read(chosen).contains("\",\"300\"\r\n"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
