// The Info menu and the context help. Faults a rocketeer would notice, and the test that catches
// each:
// - a starred caption silent, another caption explaining something, help in the other language
//                                                                                    contextHelp
// - the help window missing, in the other language or titled otherwise than "Помощь"  helpWindow
// - a second about window for every Ctrl+I, its texts switching language while open  aboutWindow

#include "mainwindow/form1fixture.h"

#include "windows/aboutwindow.h"

#include <QLabel>
#include <QPushButton>

class TestForm1Info : public Form1Test
{
    Q_OBJECT

  private slots:
    void contextHelp()
    {
        putDefault();
        start();
        QTest::mouseDClick(m_form->Label1[21], Qt::LeftButton);
        QTest::mouseDClick(m_form->Label1[0], Qt::LeftButton); // "РАКЕТА": no star, no help
        m_form->mnuViewLangEng->trigger();
        QTest::mouseDClick(m_form->Label1[5], Qt::LeftButton);
        QCOMPARE(m_services.asked.size(), 2);
        QVERIFY(m_services.asked[0].startsWith(u"контекстная справка:    Метод Барроумана"_s));
        QCOMPARE(m_services.asked[1],
                 u"Context information:    Both methods are accept for 3 or 4 fins. \r\n"
                 "   Other number of fins gives not much larger value.  [64]"_s);
    }

    void helpWindow()
    {
        start();
        QTest::keyClick(field(0), Qt::Key_F1);
        m_form->mnuViewLangEng->trigger();
        m_form->mnuInfoHelp->trigger();
        QCOMPARE(m_services.shown.size(), 2);
        QVERIFY(m_services.shown[0].startsWith(
            u"Помощь: Есть возможность распечатать рисунок на принтере"_s));
        QVERIFY(m_services.shown[1].startsWith(
            u"Помощь: You can \"print\" and save picture as Bitmap"_s));
        QCOMPARE(m_services.stuck, 2); // it stays until the user closes it
        m_services.stuck = 0;
    }

    void aboutWindow()
    {
        start();
        QTest::keyClick(field(0), Qt::Key_I, Qt::ControlModifier);
        m_form->mnuInfoAbout->trigger();
        QCOMPARE(m_form->findChildren<frmAbout *>().size(), 1);
        QCOMPARE(m_services.shown.size(), 2);
        frmAbout *about = m_form->findChild<frmAbout *>();
        QCOMPARE(about->TextPage->isReadOnly(), true);
        // The language of the moment it opened, until it is closed and opened again.
        m_form->mnuViewLangEng->trigger();
        QCOMPARE(about->windowTitle(), u"О программе Quentarolith"_s);
        about->cmdOK->click();
        QTRY_COMPARE(m_form->findChildren<frmAbout *>().size(), 0);
        m_form->mnuInfoAbout->trigger();
        QCOMPARE(m_form->findChild<frmAbout *>()->windowTitle(), u"About programm Quentarolith"_s);
        QCOMPARE(m_form->findChild<frmAbout *>()->lblVersion->text(),
                 u"Version " QUENTAROLITH_VERSION ""_s);
    }
};

QTEST_MAIN(TestForm1Info)
#include "tst_form1info.moc"
