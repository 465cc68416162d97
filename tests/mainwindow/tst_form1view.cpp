// The View menu. Faults a rocketeer would notice, and the test that catches each:
// - captions, menus, the shape name, the drop-down or the saved notice in the wrong language, or
//   a language switch marking the design changed                                      languages
// - the drawing's texts (draft labels) left in the old language after a switch        languages
// - Qt's own buttons and dialogs in English for a Russian user                        languages
// - a shape name only translated counted as an edit: F2 and a question nobody earned  languages
// - a view command not redrawing, the swatches in the draft, the wrong line width     viewCommands
// - a colour tried in the palette kept after Cancel or the close box, a save offered for a
//   colour that came back to where it was, the swatch not showing the colour kept        palette
// - decimals lost without the question or despite No, the state after an accuracy switch
//                                                                                     viewCommands

#include "mainwindow/form1fixture.h"

#include "windows/palettewindow.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

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

        // Qt's own buttons speak the program's language.
        const auto yesButton = [] {
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Yes);
            return box.button(QMessageBox::Yes)->text();
        };
        QCOMPARE(yesButton(), u"&Да"_s);
        f.mnuViewLangEng->trigger();
        QCOMPARE(yesButton(), u"&Yes"_s);
        QCOMPARE(field(fieldNoseShape)->text(), u"ogive"_s);
        QCOMPARE(f.Combo1->itemText(3), u"ogive"_s); // replaced in place, the choice kept
        QCOMPARE(f.Combo1->currentIndex(), 3);
        QCOMPARE(f.Label1[2]->text(), u"nose cone lenth, mm"_s);
        QCOMPARE(f.mnuInfoAbout->text(), u"about programm"_s);
        QCOMPARE(f.mnuViewLang->title(), u"язык"_s);
        QCOMPARE(enabled(u"mnuViewLangRus mnuViewLangEng mnuFileSave"_s), u"mnuViewLangRus"_s);
        QCOMPARE(shown(), expected());    // "cg[255]" at once, not "цт[255]"
        type(fieldNoseShape, u"ogive"_s); // passing through: the same shape, only translated
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), QString());

        // Saved in English, the file's captions are English, and so is the notice.
        m_services.fileNames = {path(u"en.dat"_s)};
        f.mnuFileSaveAs->trigger();
        QVERIFY(read(u"en.dat"_s).startsWith("\"ROCKET                        \""));
        QCOMPARE(m_services.shown, QStringList{u"O'k: Saved"_s});
        f.mnuViewLangRus->trigger();
        QCOMPARE(field(fieldNoseShape)->text(), u"чечевичный"_s);
    }

    void viewCommands()
    {
        putDefault();
        start();
        Form1 &f = *m_form;
        f.mnuViewDraw->trigger();
        QCOMPARE(enabled(u"mnuViewPic mnuViewDraw"_s), u"mnuViewPic"_s);
        QCOMPARE(f.LabelP[0]->isVisible(), false);
        QCOMPARE(shown(), expected());
        for (QAction *lines : {f.mnuViewLines3, f.mnuViewLines2, f.mnuViewLines1}) {
            lines->trigger();
            QCOMPARE(settings::view.lineWidth, lines->text().left(1).toInt());
            QCOMPARE(shown(), expected());
        }
        f.mnuViewPic->trigger();
        QCOMPARE(enabled(u"mnuViewPic mnuViewDraw"_s), u"mnuViewDraw"_s);
        QCOMPARE(f.LabelP[3]->isVisible(), true);
        QCOMPARE(f.LabelP[3]->text(), u"..."_s);

        // To 0.1 mm without a question, after clean: the design counts as changed, but nothing
        // is restored or saved by a key for it.
        f.mnuEditCls->trigger();
        f.mnuViewAcc1->trigger();
        QCOMPARE(m_services.asked, QStringList());
        QCOMPARE(settings::changed, true);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore mnuViewAcc0 mnuViewAcc1"_s),
                 u"mnuViewAcc0"_s);
        type(fieldNoseLength, u"120.5"_s);
        type(fieldBodyDiameter, u"40.5"_s);
        // Back to 1 mm: No keeps the decimals; Yes rounds them, halves to even.
        m_services.answers = {Answer::No, Answer::Yes};
        f.mnuViewAcc0->trigger();
        QCOMPARE(field(fieldBodyDiameter)->text(), u"40.5"_s);
        f.mnuViewAcc0->trigger();
        QCOMPARE(m_services.asked,
                 QStringList(2,
                             u"Изменеие данных: Уменьшение точности приведет к потере десятичных "
                             "знаков. Продолжить? [4]"_s));
        QCOMPARE(field(fieldNoseLength)->text(), u"120"_s);
        QCOMPARE(field(fieldBodyDiameter)->text(), u"40"_s);
        QCOMPARE(settings::rocket.bodyDiameter, 40.0);
        QCOMPARE(enabled(u"mnuViewAcc0 mnuViewAcc1"_s), u"mnuViewAcc1"_s);
        QCOMPARE(shown(), expected());
    }

    void palette()
    {
        putDefault();
        start();
        Form1 &f = *m_form;
        // Tried and taken back: Cancel, then the close box, after a swatch and a bar each.
        QList<int> marked;
        for (const bool closeBox : {false, true}) {
            m_services.during = [&](QDialog &dialog) {
                auto &palette = static_cast<frmPalette &>(dialog);
                marked.append(palette.markedSwatch());
                palette.Label1_Click(4);
                palette.HScroll1[2]->setValue(77);
                QCOMPARE(settings::colours.bodyColour, (RgbColour{255, 255, 77}));
                QCOMPARE(shown(), expected()); // the rocket shows the colour being tried
                if (closeBox)
                    palette.close();
                else
                    palette.CancelButton->click();
            };
            QTest::mouseClick(f.LabelP[1], Qt::LeftButton);
        }
        QCOMPARE(marked, (QList<int>{-1, -1})); // 150 grey is no swatch of the palette
        QCOMPARE(settings::colours.bodyColour, (RgbColour{150, 150, 150}));
        QCOMPARE(shown(), expected());
        // Black marks the first grey; OK after coming back to it changes nothing.
        m_services.during = [&](QDialog &dialog) {
            auto &palette = static_cast<frmPalette &>(dialog);
            marked.append(palette.markedSwatch());
            palette.Label1_Click(4);
            palette.Label1_Click(255);
            palette.OKButton->click();
        };
        QTest::mouseClick(f.LabelP[0], Qt::LeftButton);
        QCOMPARE(marked.last(), 255);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), QString());
        // A double-click keeps the swatch's colour: changed, saved by F2, shown on the swatch.
        m_services.during = [](QDialog &dialog) {
            static_cast<frmPalette &>(dialog).Label1_DblClick(4);
        };
        QTest::mouseClick(f.LabelP[0], Qt::LeftButton);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), u"mnuFileSave"_s);
        QCOMPARE(f.LabelP[0]->palette().color(QPalette::Window), QColor(255, 255, 0));
    }
};

QTEST_MAIN(TestForm1View)
#include "tst_form1view.moc"
