#pragma once

// What every window test needs: a program folder of its own, scripted services, the window started
// as the program starts it, and a user's hands on the keyboard.

#include "core/settings.h"
#include "drawing/drawstyle.h"
#include "drawing/picturesurface.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/scriptedservices.h"
#include "testkit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

using Answer = Services::Answer;
using namespace Qt::StringLiterals;

// The default design, data/empiric.dat: "Стрела-2", ogive 80, body 30 × 350, three fins at 350
// (span 45, root 70, tip 35 swept 30), centre of gravity 255. Its centres of pressure at 1 mm by
// the formulas the centre-of-pressure suite checks: Barrowman 335, projection 289; with a cone
// instead of the ogive (factor 0.666 for 0.466) Barrowman 337.
inline const QString kDefaultBcp = QStringLiteral("335");
inline const QString kConeBcp = QStringLiteral("337");

class Form1Test : public QObject
{
    Q_OBJECT

  protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedServices m_services;
    std::unique_ptr<Form1> m_form;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void putDefault() const
    {
        QVERIFY(QFile::copy(QStringLiteral(DATA_DIR "/empiric.dat"), path(u"empiric.dat"_s)));
    }
    void start()
    {
        m_form = std::make_unique<Form1>(m_services);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    QLineEdit *field(int i) const { return m_form->Text1[i]; }
    // Types into a field as a user would: in, select all, type, and Enter unless `enter` is false.
    void type(int i, const QString &text, bool enter = true) const
    {
        field(i)->setFocus();
        field(i)->selectAll();
        // One key event with the whole text: keyClicks knows no Cyrillic.
        QTest::sendKeyEvent(QTest::Click, field(i), Qt::Key_unknown, text, Qt::NoModifier);
        if (enter)
            QTest::keyClick(field(i), Qt::Key_Return);
    }
    // Which of these menu entries (names apart by blanks) a user can choose.
    QString enabled(const QString &names) const
    {
        QStringList on;
        for (const QString &name : names.split(u' '))
            if (m_form->findChild<QAction *>(name)->isEnabled())
                on.append(name);
        return on.join(u' ');
    }
    // What the drawing surface shows on screen, and what it must show: the program's design drawn
    // afresh at the surface's own size.
    QImage shown() const
    {
        return m_form->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage expected() const
    {
        PictureSurface surface(m_form->Picture1->size());
        surface.rebuild(settings::rocket, {settings::colours, settings::view});
        return surface.image();
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
        QCOMPARE(m_services.stuck, 0); // every window of the program closed by itself
    }
};
