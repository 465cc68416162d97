// The main window's File menu.

#include "mainwindow/form1.h"

#include "core/settings.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "windows/formok.h"

#include <QFileInfo>

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
    // A failed save says nothing here: the design keeps the name of the file that holds it, and
    // the save entry stays enabled.
    if (!filer::writeParameterFile(path, settings::fieldTable, settings::colours))
        return;
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
        path = m_services.saveFileName(this, QLatin1String(kDataFilesFilter), QString());
        if (path.isEmpty())
            return;
    }
    saveDesignTo(path);
}

void Form1::mnuFileSaveAs_Click()
{
    commitFocusedField();
    QString path;
    for (;;) {
        path = m_services.saveFileName(this, QLatin1String(kDataFilesFilter), settings::currentFile);
        if (path.isEmpty())
            return;
        if (path == settings::currentFile || !QFileInfo::exists(path))
            break;
        const Services::Answer answer =
            ask(Message::FileExists, Message::FileExistsTitle, Services::Buttons::YesNoCancelExclamation);
        if (answer == Services::Answer::Cancel)
            return;
        if (answer == Services::Answer::Yes)
            break;
    }
    saveDesignTo(path);
}

void Form1::mnuFileExit_Click()
{
    commitFocusedField();
    if (!confirmShutdown())
        return;
    filer::writeLastDesignFile(m_services.programFolder(), settings::currentFile, settings::view);
    endProgram();
}
