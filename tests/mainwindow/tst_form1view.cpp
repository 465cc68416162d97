// The View menu. Faults a rocketeer would notice, and the test that catches each:
// - captions, menus, the shape name, the drop-down or the saved notice in the wrong language, or
//   a language switch marking the design changed                                      languages
// - the drawing's texts (draft labels) left in the old language after a switch        languages

#include "mainwindow/form1fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>

class TestForm1View : public Form1Test
{
    Q_OBJECT

  private slots:
    void languages()
    {
        putDefault();
        // The draft, whose markers carry labels in the interface language.
        put(u"last.srd"_s,
            "\"" + path(u"empiric.dat"_s).toUtf8() + "\"\r\n#TRUE#\r\n1\r\n0\r\n0\r\n");
        start();
        Form1 &f = *m_form;
        f.Combo1->setCurrentIndex(3); // "чечевичный", the design's own
        QCOMPARE(f.mnuViewLang->title(), u"language"_s);

        f.mnuViewLangEng->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), u"ogive"_s);
        QCOMPARE(f.Combo1->itemText(3), u"ogive"_s); // replaced in place, the choice kept
        QCOMPARE(f.Combo1->currentIndex(), 3);
        QCOMPARE(f.Label1[2]->text(), u"nose cone lenth, mm"_s);
        QCOMPARE(f.mnuInfoAbout->text(), u"about programm"_s);
        QCOMPARE(f.mnuViewLang->title(), u"язык"_s);
        QCOMPARE(enabled(u"mnuViewLangRus mnuViewLangEng mnuFileSave"_s), u"mnuViewLangRus"_s);
        QCOMPARE(settings::changed, false);
        QCOMPARE(shown(), expected()); // "cg[255]" at once, not "цт[255]"

        // Saved in English, the file's captions are English, and so is the notice.
        m_services.fileNames = {path(u"en.dat"_s)};
        f.mnuFileSaveAs->trigger();
        QVERIFY(read(u"en.dat"_s).startsWith("\"ROCKET                        \""));
        QCOMPARE(m_services.shown, QStringList{u"O'k: Saved"_s});
        f.mnuViewLangRus->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), u"чечевичный"_s);
        QCOMPARE(f.Label1[0]->text(), u"РАКЕТА"_s);
        QCOMPARE(shown(), expected());
    }
};

QTEST_MAIN(TestForm1View)
#include "tst_form1view.moc"
