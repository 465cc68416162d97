// The fields, the drop-down and the keys. Faults a rocketeer would notice, and the test that
// catches each:
// - Enter or the arrows not moving on, a result, margin or menu state not following  editScenario
// - a typed value normalised wrongly, an output field taking typed text               normalisation
// - a field's own key winning over a menu shortcut (Ctrl+K cutting the line)          menuKeysWin
// - a megabyte paste cut by its field, a pasted line break shifting every later item of the
//   saved design by a line, control or right-to-left characters, or Enter held down freezing
//   the window or spoiling the saved design                                           hostileInput
// - F2 right after typing saving nothing, the shape list out of the keyboard's reach  keyboard

#include "mainwindow/form1fixture.h"

#include "files/parameterfile.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QSignalSpy>

class TestForm1Fields : public Form1Test
{
    Q_OBJECT

  private slots:
    void editScenario()
    {
        putDefault();
        start();
        // Down eleven times from the name to the centre of gravity, type, Enter.
        for (int i = 0; i < 11; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), field(fieldCgPosition));
        type(fieldCgPosition, u"300"_s);
        // Margins against 335 and 289 with a diameter of 30: 35/30 and −11/30.
        QCOMPARE(field(fieldBcpStability)->text(), u"1.17"_s);
        QCOMPARE(field(fieldCpcStability)->text(), u"-0.37"_s);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), u"mnuFileSave mnuEditRestore"_s);
        // On through the results to the inscription, round to the first field, and Up back.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), field(fieldInscription));
        QTest::keyClick(field(fieldInscription), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), field(0));
        QTest::keyClick(field(0), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), field(fieldInscription));
        // The drop-down: another shape redraws and can be restored, but F2 waits for a typed edit.
        settings::changed = false;
        m_form->mnuFileSave->setEnabled(false);
        m_form->mnuEditRestore->setEnabled(false);
        m_form->Combo1->setCurrentIndex(1);
        emit m_form->Combo1->activated(1);
        QCOMPARE(field(fieldBcpPosition)->text(), kConeBcp);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), u"mnuEditRestore"_s);
    }

    void normalisation_data()
    {
        columns<int, int, QString, QString, bool>("index", "accuracy", "typed", "shown",
                                                  "accepted");
        // clang-format off
        row("length: the sign goes", fieldBodyLength, 0, "-25", "25", true);
        row("length at 0.1 mm: no trailing zero", fieldNoseLength, 1, "12.30", "12.3", true);
        row("decimal comma", fieldNoseLength, 0, "12,7", "13", true);
        row("tip offset keeps its sign", fieldTipOffset, 0, "-25.5", "-26", true);
        row("fin count 3.6", fieldFinCount, 1, "3.6", "4", true);
        row("fin count without sign", fieldFinCount, 0, "-4", "4", true);
        row("shape of the list", fieldNoseShape, 0, "эллиптический", "эллиптический", true);
        row("shape of the other language typed", fieldNoseShape, 0, "cone", "", true);
        row("name as typed", fieldRocketName, 0, " Искра, 1 ", " Искра, 1 ", true);
        row("name unchanged", fieldRocketName, 0, "Стрела-2", "Стрела-2", false);
        row("results cannot be typed", fieldBcpPosition, 0, "999", kDefaultBcp, false);
        // clang-format on
    }
    void normalisation()
    {
        const auto [index, accuracy, typed, shown, accepted] =
            fetch<int, int, QString, QString, bool>("index", "accuracy", "typed", "shown",
                                                    "accepted");
        putDefault();
        start();
        settings::view.accuracy = accuracy;
        type(index, typed);
        QCOMPARE(field(index)->text(), shown);
        QCOMPARE(m_form->mnuFileSave->isEnabled(), accepted);
    }

    void menuKeysWin()
    {
        putDefault();
        start();
        // On X11 a text field claims Ctrl+K to cut its line (the offscreen platform binds no such
        // key): every menu shortcut is taken from the field before the field can claim it.
        QObject *window = m_form.get();
        for (const QAction *entry : m_form->findChildren<QAction *>()) {
            const QKeyCombination keys = entry->shortcut()[0];
            QKeyEvent press(QEvent::ShortcutOverride, keys.key(), keys.keyboardModifiers());
            QVERIFY2(entry->shortcut().isEmpty() || window->eventFilter(field(0), &press),
                     qPrintable(entry->objectName()));
        }
        QSignalSpy recalculate(m_form->mnuEditRecalculate, &QAction::triggered);
        QTest::keyClick(field(0), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(recalculate.count(), 1);
    }

    void hostileInput()
    {
        putDefault();
        start();
        // A megabyte line copied from an editor, line break and all, pasted as the name; control
        // and right-to-left characters as the inscription; Enter held down; F2. Nothing freezes,
        // the line break becomes blanks, not a line that shifts every later item of the saved
        // design, and the rest reads back as it was typed.
        const QString megabyte(1 << 20, u'Ш');
        const QString odd = u"\x01\x07\t\u202Eabc\u05D0 \U0001F680"_s;
        for (const auto &[index, text] :
             {std::pair{0, megabyte + u"\r\n"_s}, {int(fieldInscription), odd}}) {
            QGuiApplication::clipboard()->setText(text);
            field(index)->setFocus();
            field(index)->selectAll();
            QTest::keyClick(field(index), Qt::Key_V, Qt::ControlModifier);
        }
        for (int i = 0; i < 200; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(field(0)->text(), megabyte + u"  "_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        FieldTable table;
        DesignColours colours;
        filer::readParameterFile(path(u"empiric.dat"_s), table, colours);
        QCOMPARE(table[fieldRocketName].value, megabyte + u"  "_s);
        QCOMPARE(table[fieldNoseShape].value, u"чечевичный"_s); // the next item, not shifted
        QCOMPARE(table[fieldInscription].value, odd);
        QCOMPARE(table[fieldCgPosition].value, u"255"_s);
        QCOMPARE(shown(), expected());
    }

    void keyboard()
    {
        putDefault();
        start();
        // F2 right after typing, with save not yet enabled: the value is taken, then saved.
        type(fieldNoseLength, u"90"_s, false);
        QTest::keyClick(field(fieldNoseLength), Qt::Key_F2);
        QVERIFY(read(u"empiric.dat"_s).contains("\",\"90\"\r\n"));
        // F4 and Alt+Down in the shape field open the list at the design's shape; restore waits.
        const QKeyCombination keys[] = {Qt::Key_F4, Qt::ALT | Qt::Key_Down};
        for (const QKeyCombination key : keys) {
            // Claimed by the field before the menu sees the key, as a window system asks it.
            QKeyEvent claim(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
            claim.ignore();
            static_cast<QObject *>(m_form.get())->eventFilter(field(fieldNoseShape), &claim);
            QVERIFY(claim.isAccepted());
            field(fieldNoseShape)->setFocus();
            QTest::keyClick(field(fieldNoseShape), key.key(), key.keyboardModifiers());
            QTRY_VERIFY(m_form->Combo1->view()->isVisible());
            QCOMPARE(m_form->Combo1->currentIndex(), 3); // "чечевичный"
            m_form->Combo1->hidePopup();
        }
    }
};

QTEST_MAIN(TestForm1Fields)
#include "tst_form1fields.moc"
