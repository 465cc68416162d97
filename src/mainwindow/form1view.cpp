// The main window's View menu.

#include "mainwindow/form1.h"

#include "core/settings.h"

void Form1::setLanguage(Language language)
{
    commitFocusedField();
    settings::view.language = language;
    showViewSettings();
    applyLanguage(language);
    rebuild();
}

void Form1::mnuViewLangRus_Click()
{
    setLanguage(Language::Russian);
}

void Form1::mnuViewLangEng_Click()
{
    setLanguage(Language::English);
}
