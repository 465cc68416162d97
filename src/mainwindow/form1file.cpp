// The main window's File menu.

#include "mainwindow/form1.h"

#include "core/settings.h"
#include "drawing/drawstyle.h"
#include "drawing/evaluation.h"
#include "drawing/pagewriter.h"
#include "files/designloader.h"
#include "files/filenames.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "mainwindow/picturebox.h"
#include "windows/formok.h"

#include <QFileInfo>
#include <QPaintDevice>

void Form1::showSavedNotice()
{
    FormOk notice([this](int ms, QObject *context,
                         std::function<void()> tick) { m_services.singleShot(ms, context, std::move(tick)); },
                  settings::view.language, this);
    m_services.execDialog(notice);
    // Back from another window of the program: the window is active again.
    Form_Activate();
}

void Form1::saveDesignTo(const QString &path)
{
    fieldsToTable();
    // A failed save is told: the old file is as it was, the design keeps the name of the file
    // that holds it, and the save entry stays enabled for another try.
    if (!filer::writeParameterFile(path, settings::fieldTable, settings::colours)) {
        ask(Message::SaveFailedNotice, Message::SaveFailedTitle, Services::Buttons::OkCritical);
        return;
    }
    settings::currentFile = path;
    markUnchanged();
    setCaption();
    showSavedNotice();
}

void Form1::mnuFileOpen_Click()
{
    commitFocusedField();
    if (settings::changed) {
        const Services::Answer answer =
            ask(Message::SaveChanges, Message::SaveChangesTitle, Services::Buttons::YesNoCancel);
        if (answer == Services::Answer::Cancel)
            return;
        if (answer == Services::Answer::Yes) {
            fieldsToTable();
            if (filer::writeParameterFile(settings::currentFile, settings::fieldTable, settings::colours)) {
                markUnchanged();
                showSavedNotice();
            } else if (ask(Message::SaveFailed, Message::SaveFailedTitle, Services::Buttons::YesNoExclamation)
                       != Services::Answer::Yes) {
                return;
            }
        }
    }
    const QString path =
        m_services.openFileName(this, QLatin1String(kDataFilesFilter), settings::currentFile);
    if (path.isEmpty())
        return;
    // A file that reads as nothing would leave the old design under the new name, for the next
    // F2 to write over the file the user meant to open.
    if (!holdsDesign(path)) {
        ask(Message::OpenFailed, Message::OpenFailedTitle, Services::Buttons::OkCritical);
        return;
    }
    settings::currentFile = path;
    filer::readParameterFile(path, settings::fieldTable, settings::colours);
    tableToFields();
    readFieldsIntoRecord();
    markUnchanged();
    setCaption();
    rebuild();
    showViewSettings();
}

void Form1::mnuFileSave_Click()
{
    commitFocusedField();
    fieldsToTable();
    QString path = settings::currentFile;
    if (path.isEmpty()) {
        path = askDesignName(QString());
        if (path.isEmpty())
            return;
    }
    saveDesignTo(path);
}

QString Form1::askDesignName(const QString &initial)
{
    for (;;) {
        const QString path = askSaveName(kDataFilesFilter, initial);
        // Another design of that name is replaced only when the user says so; No asks again.
        if (path.isEmpty() || path == settings::currentFile || !QFileInfo::exists(path))
            return path;
        const Services::Answer answer =
            ask(Message::FileExists, Message::FileExistsTitle, Services::Buttons::YesNoCancelExclamation);
        if (answer == Services::Answer::Cancel)
            return QString();
        if (answer == Services::Answer::Yes)
            return path;
    }
}

void Form1::mnuFileSaveAs_Click()
{
    commitFocusedField();
    const QString path = askDesignName(settings::currentFile);
    if (!path.isEmpty())
        saveDesignTo(path);
}

void Form1::mnuFileExit_Click()
{
    commitFocusedField();
    if (!confirmLeavingChanges())
        return;
    filer::writeLastDesignFile(m_services.programFolder(), settings::currentFile, settings::view);
    endProgram();
}

// Pictures and pages. None of them changes the design, its file or its state.

bool Form1::exportDrawing(const QByteArray &format, const char *filter)
{
    commitFocusedField();
    const QString path =
        askSaveName(filter, filer::stripExtension(settings::currentFile, m_services.programFolder()));
    if (path.isEmpty())
        return false;
    // A picture is what the window shows; a page is drawn afresh in vectors, as a printer gets it.
    const bool page = format == "svg" || format == "pdf";
    const bool written =
        page ? pagewriter::savePage(path, settings::rocket, {settings::colours, settings::view}, format)
             : pagewriter::saveImage(path, Picture1->image(), format);
    // A failed export is told, as a failed save is; the JPEG entry has a message of its own.
    if (written)
        showSavedNotice();
    else if (format != "jpg")
        ask(Message::SaveFailedNotice, Message::SaveFailedTitle, Services::Buttons::OkCritical);
    return written;
}

void Form1::mnuFileSaveImgBmp_Click()
{
    exportDrawing("bmp", kBmpFilter);
}

void Form1::mnuFileSaveImgJpg_Click()
{
    // One message for every way it can fail, a cancelled dialog included.
    if (!exportDrawing("jpg", kJpgFilter))
        ask(Message::JpegFailed, Message::JpegFailedTitle, Services::Buttons::OkCritical);
}

void Form1::mnuFileSaveImgPng_Click()
{
    exportDrawing("png", kPngFilter);
}

void Form1::mnuFileSaveImgSvg_Click()
{
    exportDrawing("svg", kSvgFilter);
}

void Form1::mnuFileSaveImgPdf_Click()
{
    exportDrawing("pdf", kPdfFilter);
}

void Form1::mnuFilePrint_Click()
{
    commitFocusedField();
    const DrawStyle style{settings::colours, settings::view};
    // A design that cannot be drawn has no page to print.
    if (!evaluateDesign(settings::rocket, settings::view.accuracy).drawable())
        return;
    if (const std::unique_ptr<QPaintDevice> printer = m_services.printer()) {
        pagewriter::printPage(*printer, settings::rocket, style);
        return;
    }
    if (ask(Message::NoPrinter, Message::NoPrinterTitle, Services::Buttons::YesNo) == Services::Answer::Yes)
        exportDrawing("pdf", kPdfFilter);
}
