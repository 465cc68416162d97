// The main window's Info menu and the context help of its captions.

#include "mainwindow/form1.h"

#include "core/helptexts.h"
#include "core/settings.h"
#include "windows/aboutwindow.h"
#include "windows/helpwindow.h"

void Form1::mnuInfoHelp_Click()
{
    commitFocusedField();
    Dialog help(settings::view.language, this);
    m_services.execDialog(help);
}

void Form1::mnuInfoAbout_Click()
{
    // One about window at a time: asked again, the open one comes to the front as it is.
    if (!m_about)
        m_about = new frmAbout(settings::view.language, this);
    m_services.showWindow(*m_about);
}

void Form1::Label1_DblClick(int index)
{
    const Language language = settings::view.language;
    const QString text = contextHelpText(index, language);
    if (!text.isEmpty())
        m_services.messageBox(this, text, Services::Buttons::OkInformation, contextHelpTitle(language));
}
