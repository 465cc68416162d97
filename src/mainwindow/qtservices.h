#pragma once

#include "mainwindow/services.h"

// The window-system services of the running program, on Qt's own dialogs.
class QtServices : public Services
{
  public:
    Answer messageBox(QWidget *parent, const QString &prompt, Buttons buttons, const QString &title) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &proposed) override;
    QString openFileName(QWidget *parent, const QString &filter, const QString &initial) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &initial) override;
    int execDialog(QDialog &dialog) override;
    void showWindow(QWidget &window) override;
    std::unique_ptr<QPaintDevice> printer() override;
    QString programFolder() override;
    QSize screenSize() override;
    void singleShot(int milliseconds, QObject *context, std::function<void()> tick) override;
};
