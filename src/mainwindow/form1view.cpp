// The main window's View menu.

#include "mainwindow/form1.h"

#include "core/fieldedits.h"
#include "core/palette.h"
#include "core/settings.h"
#include "windows/palettewindow.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Form1::viewChanged()
{
    rebuild();
    showViewSettings();
}

void Form1::mnuViewPic_Click()
{
    commitFocusedField();
    settings::view.viewMode = ViewMode::Picture;
    viewChanged();
}

void Form1::mnuViewDraw_Click()
{
    commitFocusedField();
    settings::view.viewMode = ViewMode::Draft;
    viewChanged();
}

// The width shows in the draft only; the picture always draws thin outlines.
void Form1::mnuViewLines1_Click()
{
    commitFocusedField();
    settings::view.lineWidth = 1;
    viewChanged();
}

void Form1::mnuViewLines2_Click()
{
    commitFocusedField();
    settings::view.lineWidth = 2;
    viewChanged();
}

void Form1::mnuViewLines3_Click()
{
    commitFocusedField();
    settings::view.lineWidth = 3;
    viewChanged();
}

void Form1::mnuViewAcc0_Click()
{
    commitFocusedField();
    if (ask(Message::DecreaseAccuracy, Message::DecreaseAccuracyTitle, Services::Buttons::YesNo)
            != Services::Answer::Yes
        || settings::view.accuracy != 1)
        return;
    settings::view.accuracy = 0;
    if (!settings::changed)
        markAccuracyChanged();
    const FieldTexts whole = wholeMillimetreFields(fieldTexts());
    for (int i = 0; i < kFieldCount; ++i)
        setFieldText(i, whole[i]);
    readFieldsIntoRecord();
    viewChanged();
}

void Form1::mnuViewAcc1_Click()
{
    commitFocusedField();
    if (settings::view.accuracy != 0)
        return;
    settings::view.accuracy = 1;
    if (!settings::changed)
        markAccuracyChanged();
    // Whole millimetres stay as they are typed: nothing gains a decimal it never had.
    readFieldsIntoRecord();
    viewChanged();
}

void Form1::LabelP_Click(int index)
{
    commitFocusedField();
    // While it is open only the rocket shows the colour being tried; the swatch keeps the old one.
    frmPalette palette(
        designColour(settings::colours, index), index, settings::view.language, [this] { rebuild(); }, this);
    m_services.execDialog(palette);
    if (palette.colourChanged())
        markColourKept();
    showViewSettings();
    Form_Activate();
}

void Form1::setLanguage(Language language)
{
    commitFocusedField();
    settings::view.language = language;
    applyLanguage(language);
    viewChanged();
}

void Form1::mnuViewLangRus_Click()
{
    setLanguage(Language::Russian);
}

void Form1::mnuViewLangEng_Click()
{
    setLanguage(Language::English);
}

void Form1::translateQt(Language language)
{
    // Qt's texts are English of themselves.
    m_qtTranslator.reset();
    if (language != Language::Russian)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        m_qtTranslator = std::move(translator);
    }
}
