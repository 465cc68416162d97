#include "mainwindow/qtservices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

namespace {

// How wide a question must be for the window frame to show its whole title:
// the frame's own buttons take about six letters' room.
int roomForTitle(const QWidget &box, const QString &title)
{
    const QFontMetrics metrics(box.font());
    return metrics.horizontalAdvance(title) * 6 / 5 + 6 * metrics.averageCharWidth() + 60;
}

// How wide a message must be to keep its own line breaks: the box would
// otherwise wrap a long line of the context help in two. Never wider than
// most screens.
int roomForLines(const QWidget &box, const QString &text)
{
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return std::min(widest + 8 * metrics.averageCharWidth() + 60, 1000);
}

} // namespace

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
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(std::max(roomForTitle(box, title), roomForLines(box, box.text())), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
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
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    // The dialog takes its width from its text field.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMinimumWidth(roomForTitle(dialog, title) - 24);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
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

void QtServices::showWindow(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
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
