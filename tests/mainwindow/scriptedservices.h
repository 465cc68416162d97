#pragma once

// The window-system services of the window tests: every question answered from a script, and recorded.

#include "mainwindow/services.h"

#include <QLabel>
#include <QList>
#include <QPaintDevice>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class ScriptedServices : public Services
{
  public:
    QList<int> answers;    // to message boxes, in order; none left: Cancel
    QStringList fileNames; // chosen in file dialogs, in order; empty or none left: cancelled
    QStringList asked;     // every message box shown: "title: prompt [buttons]"
    QStringList dialogs;   // "open <initial name>" or "save <initial name>"
    QList<int> timers;     // intervals of the timers started
    QStringList notices;   // texts of the windows the timers closed
    QString folder;        // the program folder
    QSize screen{1024, 768};

    int messageBox(QWidget *, const QString &prompt, int buttons, const QString &title) override
    {
        asked.append(QStringLiteral("%1: %2 [%3]").arg(title, prompt).arg(buttons));
        return answers.isEmpty() ? Cancel : answers.takeFirst();
    }
    QString inputBox(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(QWidget *, const QString &, const QString &initial) override
    {
        return chosen(QStringLiteral("open "), initial);
    }
    QString saveFileName(QWidget *, const QString &, const QString &initial) override
    {
        return chosen(QStringLiteral("save "), initial);
    }
    std::unique_ptr<QPaintDevice> printer() override { return nullptr; }
    QString programFolder() override { return folder; }
    QSize screenSize() override { return screen; }
    // The tick comes as soon as the event loop runs: no test waits 300 ms. A
    // window the tick should have closed and did not is closed and counted.
    int stuck = 0;
    void singleShot(int milliseconds, QObject *context, std::function<void()> tick) override
    {
        timers.append(milliseconds);
        QTimer::singleShot(0, context, [this, context, tick = std::move(tick)] {
            if (const auto *label = context->findChild<QLabel *>())
                notices.append(label->text());
            tick();
        });
        QTimer::singleShot(1000, context, [this, context] {
            if (auto *window = qobject_cast<QWidget *>(context); window && window->isVisible() && ++stuck)
                window->close();
        });
    }

  private:
    QString chosen(const QString &kind, const QString &initial)
    {
        dialogs.append(kind + initial);
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
