// The main window's Edit menu.

#include "mainwindow/form1.h"

#include "core/fieldedits.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "mainwindow/picturebox.h"

void Form1::mnuEditCls_Click()
{
    commitFocusedField();
    if (!confirmLeavingChanges())
        return;
    // An empty sheet, not the start hints: the user knows where to type.
    Picture1->clear();
    for (int i = 0; i < kFieldCount; ++i)
        setFieldText(i, QString());
    readFieldsIntoRecord();
    // The field table still holds the design as last opened or saved, for restore.
    markCleaned();
}

void Form1::mnuEditRestore_Click()
{
    commitFocusedField();
    if (settings::changed
        && ask(Message::Restore, Message::RestoreTitle, Services::Buttons::YesNoExclamation)
               != Services::Answer::Yes)
        return;
    tableToFields();
    readFieldsIntoRecord();
    rebuild();
    markUnchanged();
}

void Form1::mnuEditRecalculate_Click()
{
    commitFocusedField();
    const Language language = settings::view.language;
    const QString answer =
        m_services.inputBox(this, message(Message::Recalculate, language),
                            message(Message::RecalculateTitle, language), QStringLiteral("1"));
    // The factor itself is not rounded to the accuracy: 1.5 and 0.5 must stay what they are.
    const double k = readLeadingNumber(withDecimalPoint(answer));
    if (!(k > 0))
        return;
    const FieldTexts scaled = scaledFields(fieldTexts(), k, settings::view.accuracy);
    for (int i = 0; i < kFieldCount; ++i)
        setFieldText(i, scaled[i]);
    readFieldsIntoRecord();
    rebuild();
    markEdited();
}
