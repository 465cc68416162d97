// The main window's fields, the nose-shape drop-down and the keys.

#include "mainwindow/form1.h"

#include "core/fieldedits.h"
#include "core/fieldtable.h"
#include "core/noseshape.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "mainwindow/picturebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <utility>

void Form1::setFieldText(int index, const QString &text)
{
    Text1[index]->setText(text);
    Text1[index]->setCursorPosition(0); // a long text shows its beginning
    // Leaving the field later must not put back an older text.
    if (index == settings::focusIndex)
        settings::focusText = text;
}

FieldTexts Form1::fieldTexts() const
{
    FieldTexts texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts[i] = Text1[i]->text();
    return texts;
}

void Form1::readFieldsIntoRecord()
{
    ::readFieldsIntoRecord(fieldTexts(), settings::rocket, settings::view.accuracy);
}

void Form1::tableToFields()
{
    for (int i = 0; i < kFieldCount; ++i)
        setFieldText(i, settings::fieldTable[i].value);
}

void Form1::fieldsToTable()
{
    for (int i = 0; i < kFieldCount; ++i)
        settings::fieldTable[i] = {fitLabel(Label1[i]->text()), Text1[i]->text()};
}

void Form1::Text1_GotFocus(int index)
{
    settings::focusIndex = index;
    settings::focusText = Text1[index]->text();
}

void Form1::Text1_LostFocus(int index)
{
    const QString text = Text1[index]->text();
    const QString &saved = settings::fieldTable[index].value;
    // A shape name only translated since (the file is of the other language) is the same shape.
    const bool sameShape =
        index == fieldNoseShape && !text.isEmpty()
        && noseShapeNameIn(text, Language::English) == noseShapeNameIn(saved, Language::English);
    if (!settings::changed && (text == saved || sameShape))
        return;
    const int accuracy = settings::view.accuracy;
    const QString number = withDecimalPoint(text);
    switch (index) {
    case fieldRocketName:
    case fieldInscription:
        if (text == settings::focusText)
            return;
        // A pasted line keeps its text but not its line break.
        if (const QString line = singleLine(text); line != text)
            setFieldText(index, line);
        break;
    case fieldNoseShape:
        // A name the field already held (one of the other language, say) stays;
        // a typed name that is no entry of the list is emptied.
        if (text != settings::focusText && !noseShapeEntries(settings::view.language).contains(text))
            setFieldText(index, QString());
        break;
    case fieldFinCount:
        setFieldText(index, formatShown(std::fabs(parseLength(number, 0))));
        break;
    case fieldTipOffset:
        setFieldText(index, formatShown(parseLength(number, accuracy)));
        break;
    case fieldBcpPosition:
    case fieldBcpStability:
    case fieldCpcPosition:
    case fieldCpcStability:
        // Results are not typed: whatever was typed goes.
        Text1[index]->setText(settings::focusText);
        return;
    default:
        setFieldText(index, formatShown(std::fabs(parseLength(number, accuracy))));
        break;
    }
    markEdited();
    readFieldsIntoRecord();
    rebuild();
}

void Form1::Combo1_Click(int index)
{
    const QString chosen = Combo1->itemText(index);
    if (chosen != Text1[fieldNoseShape]->text())
        markShapeChosen();
    setFieldText(fieldNoseShape, chosen);
    settings::rocket.noseShape = chosen;
    rebuild();
}

void Form1::focusIn(int index)
{
    if (index == m_focusedField)
        return;
    if (m_focusedField >= 0)
        Text1_LostFocus(std::exchange(m_focusedField, -1));
    m_focusedField = index;
    Text1_GotFocus(index);
}

void Form1::focusOut(int index)
{
    if (index != m_focusedField)
        return;
    m_focusedField = -1;
    Text1_LostFocus(index);
}

void Form1::commitFocusedField()
{
    // Only a text typed counts: an untouched field (an empty one after clean, say) is no edit.
    if (m_focusedField < 0 || Text1[m_focusedField]->text() == settings::focusText)
        return;
    Text1_LostFocus(m_focusedField);
    Text1_GotFocus(m_focusedField);
}

namespace {

// The keys that open a drop-down list elsewhere on the desktop.
bool opensShapeList(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)
           || (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
}

} // namespace

void Form1::openShapeList()
{
    const QString shape = noseShapeNameIn(Text1[fieldNoseShape]->text(), settings::view.language);
    Combo1->setCurrentIndex(std::max(0, Combo1->findText(shape, Qt::MatchExactly)));
    Combo1->showPopup();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto swatch = std::find(LabelP.begin(), LabelP.end(), watched);
        if (swatch != LabelP.end()) {
            LabelP_Click(int(swatch - LabelP.begin()));
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto label = std::find(Label1.begin(), Label1.end(), watched);
        if (label != Label1.end())
            Label1_DblClick(int(label - Label1.begin()));
    }
    const auto field = std::find(Text1.begin(), Text1.end(), watched);
    const int index = field == Text1.end() ? -1 : int(field - Text1.begin());
    switch (event->type()) {
    case QEvent::FocusIn:
        if (index >= 0)
            focusIn(index);
        break;
    case QEvent::FocusOut: {
        // Focus that leaves for a dialog or a menu comes back to the same field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (index >= 0 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && reason != Qt::MenuBarFocusReason)
            focusOut(index);
        break;
    }
    case QEvent::ShortcutOverride: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (index == fieldNoseShape && opensShapeList(key)) {
            event->accept(); // the field's, not restore's
            return true;
        }
        // The menu's keys win over a field's own (Ctrl+K would cut the line). The value being
        // typed counts first, so that F2 right after typing has something to save.
        if (isMenuShortcut(QKeySequence(key->keyCombination()))) {
            commitFocusedField();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        if (index == fieldNoseShape && opensShapeList(static_cast<QKeyEvent *>(event))) {
            openShapeList();
            return true;
        }
        return Form_KeyDown(static_cast<QKeyEvent *>(event)->key());
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::Form_KeyDown(int key)
{
    int &next = settings::focusIndex;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        next = next < kFieldCount - 1 ? next + 1 : 0;
        break;
    case Qt::Key_Up:
        next = next > 0 ? next - 1 : kFieldCount - 1;
        break;
    case Qt::Key_Escape:
        escape();
        return true;
    default:
        return false;
    }
    Text1[next]->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() != Text1[next])
        focusIn(next);
    return true;
}
