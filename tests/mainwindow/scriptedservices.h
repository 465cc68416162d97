#pragma once

// The window-system services of the window tests: every question answered from a script, and
// recorded.

#include "mainwindow/services.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPaintDevice>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>

class ScriptedServices : public Services
{
  public:
    QList<Answer> answers; // to message boxes, in order; none left: Cancel
    QStringList fileNames; // chosen in file dialogs, in order; empty or none left: cancelled
    QStringList inputs;    // typed into input boxes, in order; none left: cancelled
    QStringList asked;     // every message box shown: "title: prompt [buttons]", and every
                           // input box: "title: prompt [proposed answer]"
    QStringList dialogs;   // "open <initial name>" or "save <initial name>"
    QStringList shown;     // every window of the program shown: "title: its labels' texts"
    QList<int> timers;     // intervals of the timers started
    int stuck = 0;         // windows that did not close by themselves within a second
    QString folder;        // the program folder
    QSize screen{1024, 768};
    std::function<void(QDialog &)> during; // what the user does in the next window shown modally

    Answer messageBox(QWidget *, const QString &prompt, Buttons buttons,
                      const QString &title) override
    {
        asked.append(QStringLiteral("%1: %2 [%3]").arg(title, prompt).arg(int(buttons)));
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString inputBox(QWidget *, const QString &prompt, const QString &title,
                     const QString &proposed) override
    {
        asked.append(QStringLiteral("%1: %2 [%3]").arg(title, prompt, proposed));
        return inputs.isEmpty() ? QString() : inputs.takeFirst();
    }
    QString openFileName(QWidget *, const QString &, const QString &initial) override
    {
        return chosen(QStringLiteral("open "), initial);
    }
    QString saveFileName(QWidget *, const QString &, const QString &initial) override
    {
        return chosen(QStringLiteral("save "), initial);
    }
    // The window runs modally for real; what it shows is recorded once it is up.
    int execDialog(QDialog &dialog) override
    {
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            QStringList texts;
            for (const QLabel *label : dialog.findChildren<QLabel *>())
                texts.append(label->text());
            shown.append(dialog.windowTitle() + QStringLiteral(": ") + texts.join(u'|'));
        });
        if (during)
            QTimer::singleShot(0, &dialog,
                               [this, &dialog] { std::exchange(during, nullptr)(dialog); });
        QTimer::singleShot(1000, &dialog, [this, &dialog] {
            if (dialog.isVisible() && ++stuck)
                dialog.reject();
        });
        return dialog.exec();
    }
    // Without a printer installed there is none; with one, every page it got.
    bool printerInstalled = false;
    QList<QImage> printed;
    // Shown without blocking: recorded like the modal ones, and left open.
    void showWindow(QWidget &window) override
    {
        QStringList texts;
        for (const QLabel *label : window.findChildren<QLabel *>())
            texts.append(label->text());
        shown.append(window.windowTitle() + QStringLiteral(": ") + texts.join(u'|'));
        window.show();
    }
    std::unique_ptr<QPaintDevice> printer() override
    {
        return printerInstalled ? std::make_unique<Page>(printed) : nullptr;
    }
    QString programFolder() override { return folder; }
    QSize screenSize() override { return screen; }
    // The tick comes as soon as the event loop runs: no test waits 300 ms.
    void singleShot(int milliseconds, QObject *context, std::function<void()> tick) override
    {
        timers.append(milliseconds);
        QTimer::singleShot(0, context, std::move(tick));
    }

  private:
    // An A4 page at 300 dots an inch that is printed when the program lets go of it.
    class Page : public QImage
    {
      public:
        explicit Page(QList<QImage> &printed)
            : QImage(2480, 3508, QImage::Format_RGB32)
            , m_printed(printed)
        {
            fill(Qt::white);
            setDotsPerMeterX(11811);
            setDotsPerMeterY(11811);
        }
        ~Page() override { m_printed.append(*this); }

      private:
        QList<QImage> &m_printed;
    };

    QString chosen(const QString &kind, const QString &initial)
    {
        dialogs.append(kind + initial);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
