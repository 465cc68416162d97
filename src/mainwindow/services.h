#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QObject;
class QPaintDevice;
class QWidget;

// What the program needs from the window system beyond its own logic. The
// program uses the Qt implementation; the tests answer every question from
// a script, so that no dialog ever waits for a person.
class Services
{
  public:
    // Button sets of the message box, with their icons; the numbers are the
    // codes the program's questions have always been asked with.
    enum class Buttons {
        YesNoCancel = 3,
        YesNoCancelExclamation = 51,
        YesNoExclamation = 52,
        YesNo = 4,
        OkCritical = 16,
        OkInformation = 64
    };
    // The button pressed.
    enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Services() = default;

    // A prompt may hold CR LF line breaks. Closing the box counts as Cancel
    // where there is one, else as No, else as OK.
    virtual Answer messageBox(QWidget *parent, const QString &prompt, Buttons buttons,
                              const QString &title) = 0;
    // The text typed, or the empty text when the user cancels.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &proposed) = 0;
    // The chosen full path, or the empty text when the user cancels. The
    // filter is a Qt name filter such as "Data files (*.dat)".
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &initial) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &initial) = 0;
    // Shows one of the program's own windows modally and returns its result
    // (QDialog::Accepted or Rejected) once it has closed.
    virtual int execDialog(QDialog &dialog) = 0;
    // Shows one of the program's own windows without blocking the others, in
    // front and active.
    virtual void showWindow(QWidget &window) = 0;
    // The default printer's page, at 300 dots an inch, asked for only when
    // printing; null when no printer is installed.
    virtual std::unique_ptr<QPaintDevice> printer() = 0;
    // The folder that holds the program.
    virtual QString programFolder() = 0;
    virtual QSize screenSize() = 0;
    // Calls `tick` once, `milliseconds` from now, unless `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject *context, std::function<void()> tick) = 0;
};

// Filters of the file dialogs, the same in both languages.
inline constexpr char kDataFilesFilter[] = "Data files (*.dat)";
inline constexpr char kBmpFilter[] = "Bitmap pictures (*.bmp)";
inline constexpr char kJpgFilter[] = "JPEG Image (*.jpg)";
inline constexpr char kPngFilter[] = "PNG pictures (*.png)";
inline constexpr char kSvgFilter[] = "SVG drawings (*.svg)";
inline constexpr char kPdfFilter[] = "PDF documents (*.pdf)";
