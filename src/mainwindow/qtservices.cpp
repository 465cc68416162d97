#include "mainwindow/qtservices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

Services::Answer QtServices::messageBox(QWidget *parent, const QString &prompt, Buttons buttons,
                                        const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // Prompts are written with CR LF between their lines.
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The low three bits of the code choose the buttons, the rest the icon.
    const int set = int(buttons) & 7;
    const int icon = int(buttons) & ~7;
    box.setIcon(icon == 16   ? QMessageBox::Critical
                : icon == 48 ? QMessageBox::Warning
                : icon == 64 ? QMessageBox::Information
                             : QMessageBox::NoIcon);
    if (set == 3) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (set == 4) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return set == 3 ? Answer::Cancel : set == 4 ? Answer::No : Answer::Ok;
    }
}

QString QtServices::inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &proposed)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposed, &ok);
    return ok ? text : QString();
}

QString QtServices::openFileName(QWidget *parent, const QString &filter, const QString &initial)
{
    return QFileDialog::getOpenFileName(parent, QString(), initial, filter);
}

QString QtServices::saveFileName(QWidget *parent, const QString &filter, const QString &initial)
{
    // The program asks its own overwrite question where one is wanted.
    return QFileDialog::getSaveFileName(parent, QString(), initial, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int QtServices::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

std::unique_ptr<QPaintDevice> QtServices::printer()
{
    // With no printer installed Qt's printer still claims to be valid.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The drawing's outline widths are counted in dots of a 300-dpi page, and
    // it fills the sheet: the page, not the printable area, is the canvas.
    printer->setResolution(300);
    printer->setFullPage(true);
    return printer;
}

QString QtServices::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QSize QtServices::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void QtServices::singleShot(int milliseconds, QObject *context, std::function<void()> tick)
{
    QTimer::singleShot(milliseconds, context, std::move(tick));
}
