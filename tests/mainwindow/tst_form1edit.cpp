// The Edit menu. Faults a rocketeer would notice, and the test that catches each:
// - a length scaled by the wrong factor or rounding, the fin count or a sign scaled, a cancelled
//   or senseless factor changing anything, F2 or restore not offered afterwards      recalculate
// - clean or restore without their questions, work lost on Cancel or a cancelled save, save
//   offered for the emptied design, restore not bringing the file's design back
//   cleanAndRestore

#include "mainwindow/form1fixture.h"

class TestForm1Edit : public Form1Test
{
    Q_OBJECT

    // The lengths of the design, nose length to centre of gravity, fin count among them.
    QString lengths() const
    {
        QStringList texts;
        for (int i = fieldNoseLength; i <= fieldCgPosition; ++i)
            texts.append(field(i)->text());
        return texts.join(u' ');
    }

  private slots:
    void recalculate_data()
    {
        // The default design saved with its tip swept forward by 5, at 1 mm; the factors typed
        // into the input box, one per command ("": cancelled); the lengths afterwards, halves to
        // the even mm.
        columns<QString, QString, bool>("factors", "after", "scaled");
        // clang-format off
        // 67.5 → 68 and 52.5 → 52, −7.5 → −8, 382.5 → 382; the factor not rounded to 2.
        row("one and a half", "1.5", "120 45 525 3 525 68 105 52 -8 382", true);
        // 22.5 → 22 → 44, 17.5 → 18 → 36, −2.5 → −2 → −4, 127.5 → 128 → 256; a decimal comma.
        row("a half, then two", "0,5|2", "80 30 350 3 350 44 70 36 -4 256", true);
        row("cancelled", "", "80 30 350 3 350 45 70 35 -5 255", false);
        row("zero", "0", "80 30 350 3 350 45 70 35 -5 255", false);
        row("negative", "-2", "80 30 350 3 350 45 70 35 -5 255", false);
        // clang-format on
    }
    void recalculate()
    {
        const auto [factors, after, scaled] =
            fetch<QString, QString, bool>("factors", "after", "scaled");
        putDefault();
        start();
        type(fieldTipOffset, u"-5"_s);
        m_form->mnuFileSave->trigger();
        m_services.inputs = factors.split(u'|');
        for (const QString &factor [[maybe_unused]] : factors.split(u'|'))
            m_form->mnuEditRecalculate->trigger();
        QCOMPARE(m_services.asked.first(),
                 u"Пропорциональный пересчет: Введите коэффициент пересчета [1]"_s);
        QCOMPARE(lengths(), after);
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s),
                 scaled ? u"mnuFileSave mnuEditRestore"_s : QString());
        QCOMPARE(shown(), expected());
    }

    void cleanAndRestore()
    {
        putDefault();
        start();
        // Nothing changed: clean asks nothing and leaves an empty design on a bare sheet.
        m_form->mnuEditCls->trigger();
        QCOMPARE(field(0)->text(), QString());
        QCOMPARE(lengths(), u"         "_s);
        QCOMPARE(settings::rocket.noseLength, 0.0);
        QImage bare(m_form->Picture1->size(), QImage::Format_RGB32);
        bare.fill(QColor(230, 240, 255)); // the picture view's background
        QCOMPARE(shown(), bare);

        // Nothing changed: restore asks nothing and brings the file's design back.
        m_form->mnuEditRestore->trigger();
        QCOMPARE(lengths(), u"80 30 350 3 350 45 70 35 30 255"_s);
        QCOMPARE(shown(), expected());
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), QString());

        // After an edit restore asks first: No keeps it, Yes restores.
        type(fieldNoseLength, u"90"_s);
        m_services.answers = {Answer::No, Answer::Yes};
        m_form->mnuEditRestore->trigger();
        QCOMPARE(field(fieldNoseLength)->text(), u"90"_s);
        m_form->mnuEditRestore->trigger();
        QCOMPARE(field(fieldNoseLength)->text(), u"80"_s);
        QCOMPARE(m_services.asked,
                 QStringList(2, u"Восстановление последнего сохранения: Изменения будут утеряны! "
                                "\r\nВостановить? [52]"_s));
        QCOMPARE(settings::changed, false);

        // After an edit clean asks too: Cancel, and Yes with the dialog cancelled, keep it; Yes
        // with a name saves under it (the extension added), then empties.
        m_services.asked.clear();
        type(fieldNoseLength, u"90"_s);
        m_services.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
        m_services.fileNames = {QString(), path(u"c"_s)};
        m_form->mnuEditCls->trigger();
        m_form->mnuEditCls->trigger();
        QCOMPARE(field(fieldNoseLength)->text(), u"90"_s);
        m_form->mnuEditCls->trigger();
        QCOMPARE(m_services.asked,
                 QStringList(3, u"Данные были изменены: Сохранить изменения? [3]"_s));
        QCOMPARE(m_services.dialogs, QStringList(2, u"save "_s + path(u"empiric.dat"_s)));
        QVERIFY(read(u"c.dat"_s).contains("\",\"90\"\r\n"));
        QCOMPARE(field(fieldNoseLength)->text(), QString());
        QCOMPARE(m_form->windowTitle(), u"Quentarolith          "_s + path(u"c.dat"_s));
        // No: nothing saved, and nothing left for F2 to save.
        type(fieldNoseLength, u"91"_s);
        m_services.answers = {Answer::No};
        m_form->mnuEditCls->trigger();
        QCOMPARE(enabled(u"mnuFileSave mnuEditRestore"_s), u"mnuEditRestore"_s);
        m_form->mnuEditRestore->trigger();
        QCOMPARE(field(fieldNoseLength)->text(), u"90"_s);
    }
};

QTEST_MAIN(TestForm1Edit)
#include "tst_form1edit.moc"
