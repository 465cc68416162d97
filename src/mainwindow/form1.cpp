#include "mainwindow/form1.h"

#include "core/fieldtable.h"
#include "core/noseshape.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "drawing/builder.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/services.h"
#include "windows/formok.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <cmath>
#include <utility>

namespace {

// Rows of the left strip, top to bottom, by caption index: each field under
// the heading of its part of the rocket.
constexpr int kRowOrder[kCaptionCount] = {0, 17, 1,  2,  18, 3,  4,  19, 5,  6,  7, 8,
                                          9, 10, 20, 11, 21, 12, 13, 22, 14, 15, 16};
constexpr int kFirstHeading = 17;

bool isHeading(int caption)
{
    return caption >= kFirstHeading;
}

} // namespace

Form1::Form1(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    createControls();
    createMenu();
    Form_Load();
}

void Form1::createControls()
{
    auto *strip = new QWidget(this);
    setCentralWidget(strip);
    Picture1 = new PictureBox(strip);
    for (int i = 0; i < kCaptionCount; ++i)
        Label1[i] = new QLabel(strip);
    for (int i = 0; i < kFieldCount; ++i) {
        Text1[i] = new QLineEdit(strip);
        Text1[i]->installEventFilter(this);
    }
    Combo1 = new ArrowCombo(strip);
    Combo1->setFocusPolicy(Qt::ClickFocus);
    Combo1->installEventFilter(this);
    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &Form1::Combo1_Click);
    for (QLabel *&swatch : LabelP) {
        swatch = new QLabel(strip);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
    }
    // The tab key walks the fields in their own order, as Enter does.
    for (int i = 0; i + 1 < kFieldCount; ++i)
        setTabOrder(Text1[i], Text1[i + 1]);
}

void Form1::createMenu()
{
    QMenuBar *bar = menuBar();
    auto item = [](QMenu *menu, const QKeySequence &shortcut = QKeySequence()) {
        QAction *action = menu->addAction(QString());
        action->setShortcut(shortcut);
        return action;
    };
    // The bars between the menus only keep them apart.
    auto separator = [bar] { return bar->addAction(QStringLiteral("|")); };

    mnuFile = bar->addMenu(QString());
    mnuFileOpen = item(mnuFile, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = item(mnuFile, QKeySequence(Qt::Key_F2));
    mnuFileSaveAs = item(mnuFile, QKeySequence(Qt::Key_F12));
    mnuFileSaveImg = mnuFile->addMenu(QString());
    mnuFileSaveImgBmp = item(mnuFileSaveImg, QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuFileSaveImgJpg = item(mnuFileSaveImg, QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuFilePrint = item(mnuFile, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileExit = item(mnuFile, QKeySequence(Qt::CTRL | Qt::Key_Q));
    del1 = separator();
    mnuEdit = bar->addMenu(QString());
    mnuEditCls = item(mnuEdit, QKeySequence(Qt::Key_F5));
    mnuEditRestore = item(mnuEdit, QKeySequence(Qt::Key_F4));
    mnuEditRecalculate = item(mnuEdit, QKeySequence(Qt::CTRL | Qt::Key_K));
    del2 = separator();
    mnuView = bar->addMenu(QString());
    mnuViewPic = item(mnuView, QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuViewDraw = item(mnuView, QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuViewLines = mnuView->addMenu(QString());
    mnuViewLines1 = item(mnuViewLines);
    mnuViewLines2 = item(mnuViewLines);
    mnuViewLines3 = item(mnuViewLines);
    mnuViewAcc = mnuView->addMenu(QString());
    mnuViewAcc0 = item(mnuViewAcc);
    mnuViewAcc1 = item(mnuViewAcc);
    mnuViewLang = mnuView->addMenu(QString());
    mnuViewLangRus = item(mnuViewLang);
    mnuViewLangEng = item(mnuViewLang);
    del3 = separator();
    mnuInfo = bar->addMenu(QString());
    mnuInfoAbout = item(mnuInfo, QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuInfoHelp = item(mnuInfo, QKeySequence(Qt::Key_F1));

    // In the order of the caption table.
    m_menuActions = {mnuFile->menuAction(),
                     mnuFileOpen,
                     mnuFileSave,
                     mnuFileSaveAs,
                     mnuFileSaveImg->menuAction(),
                     mnuFileSaveImgBmp,
                     mnuFileSaveImgJpg,
                     mnuFilePrint,
                     mnuFileExit,
                     mnuEdit->menuAction(),
                     mnuEditCls,
                     mnuEditRestore,
                     mnuEditRecalculate,
                     mnuView->menuAction(),
                     mnuViewPic,
                     mnuViewDraw,
                     mnuViewLines->menuAction(),
                     mnuViewLines1,
                     mnuViewLines2,
                     mnuViewLines3,
                     mnuViewAcc->menuAction(),
                     mnuViewAcc0,
                     mnuViewAcc1,
                     mnuViewLang->menuAction(),
                     mnuViewLangRus,
                     mnuViewLangEng,
                     mnuInfo->menuAction(),
                     mnuInfoAbout,
                     mnuInfoHelp};

    connect(mnuFileOpen, &QAction::triggered, this, &Form1::mnuFileOpen_Click);
    connect(mnuFileSave, &QAction::triggered, this, &Form1::mnuFileSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &Form1::mnuFileSaveAs_Click);
    connect(mnuFileExit, &QAction::triggered, this, &Form1::mnuFileExit_Click);
    connect(mnuViewLangRus, &QAction::triggered, this, &Form1::mnuViewLangRus_Click);
    connect(mnuViewLangEng, &QAction::triggered, this, &Form1::mnuViewLangEng_Click);
}

QAction *Form1::menuAction(Menu entry) const
{
    return m_menuActions[int(entry)];
}

void Form1::Form_Load()
{
    mnuEditRestore->setEnabled(false);
    mnuFileSave->setEnabled(false);
    mnuViewPic->setEnabled(false);
    mnuViewLangRus->setEnabled(false);
    settings::reset();

    // The last design, or else the default design beside the program.
    const QString folder = m_services.programFolder();
    settings::currentFile = filer::readLastDesignFile(folder);
    if (settings::currentFile.isEmpty()) {
        const QString defaultDesign = QDir(folder).filePath(filer::kDefaultDesignFileName);
        if (QFileInfo(defaultDesign).isFile())
            settings::currentFile = QDir::toNativeSeparators(defaultDesign);
    }
    if (!settings::currentFile.isEmpty()) {
        filer::readParameterFile(settings::currentFile);
        tableToFields();
        readFieldsIntoRecord();
    }

    const bool draft = settings::viewMode == ViewMode::Draft;
    mnuViewPic->setEnabled(draft);
    mnuViewDraw->setEnabled(!draft);
    showSwatches();
    mnuViewAcc0->setEnabled(settings::accuracy != 0);
    mnuViewAcc1->setEnabled(settings::accuracy == 0);
    mnuViewLangRus->setEnabled(settings::language != 0);
    mnuViewLangEng->setEnabled(settings::language != 1);
    setFieldText(fieldNoseShape, settings::rocket.noseShape);
    Combo1->addItems(noseShapeEntries(settings::language));
    setCaption();

    // Nine tenths of the screen high, a little wider than high, centred.
    const QSize screen = m_services.screenSize();
    const int height = qRound(0.9 * screen.height());
    const int width = qRound(1.1 * height);
    resize(width, height);
    move((screen.width() - width) / 2, (screen.height() - height) / 2);
    applyLanguage(settings::language);
}

void Form1::showSwatches()
{
    const bool picture = settings::viewMode == ViewMode::Picture;
    const DesignColours &c = settings::colours;
    const RgbColour colours[] = {c.noseColour, c.bodyColour, c.nameTextColour, c.finsColour};
    for (int i = 0; i < 4; ++i) {
        LabelP[i]->setVisible(picture);
        if (!picture)
            continue;
        LabelP[i]->setText(QStringLiteral("..."));
        QPalette palette = LabelP[i]->palette();
        palette.setColor(QPalette::Window, builder::toColour(colours[i]));
        // The dots stay readable on any colour.
        const RgbColour &rgb = colours[i];
        palette.setColor(QPalette::WindowText,
                         rgb.red * 299 + rgb.green * 587 + rgb.blue * 114 < 128000 ? Qt::white : Qt::black);
        LabelP[i]->setPalette(palette);
    }
}

void Form1::setCaption()
{
    setWindowTitle(windowCaption(settings::currentFile));
}

void Form1::layoutControls()
{
    // Everything follows from the drawing surface: an upright A4 sheet at the
    // right, and the rows of the left strip a 23rd of its height each.
    const double innerHeight = centralWidget()->height();
    const double surfaceHeight = 0.98 * innerHeight;
    const double surfaceWidth = surfaceHeight * settings::canvasWidth / settings::canvasHeight;
    const double surfaceLeft = (width() - surfaceWidth) * 0.98;
    const double surfaceTop = 0.01 * innerHeight;
    Picture1->setGeometry(qRound(surfaceLeft), qRound(surfaceTop), qRound(surfaceWidth),
                          qRound(surfaceHeight));

    const double pitch = surfaceHeight / kCaptionCount;
    const double m = 0.01 * innerHeight;
    const double strip = surfaceLeft - m;
    const double W = 2.0 / 3.0 * strip;
    const double fieldHeight = 0.9 * pitch;
    const double fieldWidth = W / 2 - 2 * m;
    const double fieldLeft = m + W;

    // The largest font in which every caption fits its column and every text its field.
    QFont font = QApplication::font();
    QFont bold = font;
    bold.setBold(true);
    for (double points = 10; points >= 5; points -= 0.5) {
        font.setPointSizeF(points);
        bold.setPointSizeF(points);
        bool fits = QFontMetricsF(font).height() + 4 <= fieldHeight;
        for (int i = 2; fits && i < kCaptionCount - 1; ++i)
            fits = QFontMetricsF(isHeading(i) ? bold : font).horizontalAdvance(Label1[i]->text()) <= W - 2;
        if (fits)
            break;
    }
    const double swatchWidth = 1.5 * fieldHeight;

    auto place = [](QWidget *widget, double x, double y, double w, double h) {
        widget->setGeometry(qRound(x), qRound(y), std::max(1, qRound(w)), std::max(1, qRound(h)));
    };
    for (int row = 0; row < kCaptionCount; ++row) {
        const int i = kRowOrder[row];
        const double top = surfaceTop + row * pitch;
        Label1[i]->setFont(isHeading(i) ? bold : font);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (i < kFieldCount)
            Text1[i]->setFont(font);
        if (i == fieldRocketName) {
            // The name gets a wide field, with the swatch of its colour on the body beside it.
            const double labelWidth = strip - W - swatchWidth - 2 * m;
            place(Label1[i], m, top, labelWidth, fieldHeight);
            place(Text1[i], m + labelWidth, top, W - 2 * m, fieldHeight);
            place(LabelP[2], m + labelWidth + W - m, top, swatchWidth, fieldHeight);
        } else if (i == fieldNoseShape) {
            // Shape names are long: the field reaches into the caption column,
            // the drop-down's arrow closes the row.
            const double arrow = fieldHeight;
            place(Label1[i], m, top, W / 2, fieldHeight);
            place(Text1[i], m + W / 2, top, W / 2 + fieldWidth - arrow, fieldHeight);
            place(Combo1, fieldLeft + fieldWidth - arrow, top, arrow, fieldHeight);
        } else if (i < kFieldCount) {
            place(Label1[i], m, top, W, fieldHeight);
            place(Text1[i], fieldLeft, top, fieldWidth, fieldHeight);
        } else {
            place(Label1[i], m, top, i == kCaptionCount - 1 ? strip - 2 * m : W, fieldHeight);
        }
    }
    // The swatches of nose, body and fins stand in the rows of their headings.
    const double headingRow[] = {1, 4, 0, 7};
    for (int s : {0, 1, 3})
        place(LabelP[s], fieldLeft, surfaceTop + headingRow[s] * pitch, swatchWidth, fieldHeight);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layoutControls();
    if (m_activated)
        rebuild();
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    // Usable at once: the window takes the keyboard and shows the design.
    raise();
    Form_Activate();
}

void Form1::Form_Activate()
{
    m_activated = true;
    activateWindow();
    rebuild();
    Text1[0]->setFocus(Qt::OtherFocusReason);
    // An inactive window gets no focus events until it is activated.
    if (QApplication::focusWidget() != Text1[0])
        focusIn(0);
}

void Form1::applyLanguage(int language)
{
    if (language != 0 && language != 1)
        return;
    for (int i = 0; i < kCaptionCount; ++i)
        Label1[i]->setText(caption(i, language));
    for (int i = 0; i < int(Menu::Count); ++i)
        menuAction(Menu(i))->setText(menuCaption(Menu(i), language));
    settings::rocket.noseShape = noseShapeNameIn(settings::rocket.noseShape, language);
    setFieldText(fieldNoseShape, settings::rocket.noseShape);
    const QStringList entries = noseShapeEntries(language);
    for (int i = 0; i < Combo1->count() && i < entries.size(); ++i)
        Combo1->setItemText(i, entries[i]);
    layoutControls();
}

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
    ::readFieldsIntoRecord(fieldTexts(), settings::rocket, settings::accuracy);
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

void Form1::rebuild()
{
    if (Picture1->rebuild()) {
        const auto outputs = builder::outputFieldTexts(settings::rocket, settings::accuracy);
        for (int k = 0; k < 4; ++k)
            setFieldText(fieldBcpPosition + k, outputs[k]);
    }
}

void Form1::setChangedState(bool changed)
{
    settings::changed = changed;
    mnuEditRestore->setEnabled(changed);
    mnuFileSave->setEnabled(changed);
}

void Form1::Text1_GotFocus(int index)
{
    settings::focusIndex = index;
    settings::focusText = Text1[index]->text();
}

void Form1::Text1_LostFocus(int index)
{
    const QString text = Text1[index]->text();
    if (!settings::changed && text == settings::fieldTable[index].value)
        return;
    const int accuracy = settings::accuracy;
    switch (index) {
    case fieldRocketName:
    case fieldInscription:
        if (text == settings::focusText)
            return;
        break;
    case fieldNoseShape:
        // A name the field already held (one of the other language, say) stays;
        // a typed name that is no entry of the list is emptied.
        if (text != settings::focusText && !noseShapeEntries(settings::language).contains(text))
            setFieldText(index, QString());
        break;
    case fieldFinCount:
        setFieldText(index, formatShown(std::fabs(parseLength(text, 0))));
        break;
    case fieldTipOffset:
        setFieldText(index, formatShown(parseLength(text, accuracy)));
        break;
    case fieldBcpPosition:
    case fieldBcpStability:
    case fieldCpcPosition:
    case fieldCpcStability:
        // Results are not typed: whatever was typed goes.
        Text1[index]->setText(settings::focusText);
        return;
    default:
        setFieldText(index, formatShown(std::fabs(parseLength(text, accuracy))));
        break;
    }
    setChangedState(true);
    readFieldsIntoRecord();
    rebuild();
}

void Form1::Combo1_Click(int index)
{
    const QString chosen = Combo1->itemText(index);
    if (chosen != Text1[fieldNoseShape]->text()) {
        mnuEditRestore->setEnabled(true);
        settings::changed = true;
    }
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
    if (m_focusedField < 0)
        return;
    Text1_LostFocus(m_focusedField);
    Text1_GotFocus(m_focusedField);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
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
        // The menu's keys win over a field's own (Ctrl+K would cut the line).
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (int i = 0; i < int(Menu::Count); ++i)
            if (!menuAction(Menu(i))->shortcut().isEmpty() && menuAction(Menu(i))->shortcut() == pressed)
                return true;
        break;
    }
    case QEvent::KeyPress:
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

int Form1::ask(Message prompt, Message title, int buttons)
{
    return m_services.messageBox(this, message(prompt, settings::language), buttons,
                                 message(title, settings::language));
}

void Form1::showSavedNotice()
{
    FormOk notice([this](int ms, QObject *context,
                         std::function<void()> tick) { m_services.singleShot(ms, context, std::move(tick)); },
                  settings::language, this);
    notice.exec();
    // Back from another window of the program: the window is active again.
    Form_Activate();
}

void Form1::saveEnding()
{
    setChangedState(false);
    setCaption();
    showSavedNotice();
}

void Form1::mnuFileOpen_Click()
{
    commitFocusedField();
    if (settings::changed) {
        const int answer = ask(Message::SaveChanges, Message::SaveChangesTitle, Services::YesNoCancel);
        if (answer == Services::Cancel)
            return;
        if (answer == Services::Yes) {
            fieldsToTable();
            if (filer::writeParameterFile(settings::currentFile)) {
                setChangedState(false);
                showSavedNotice();
            } else if (ask(Message::SaveFailed, Message::SaveFailedTitle, Services::YesNoExclamation)
                       != Services::Yes) {
                return;
            }
        }
    }
    const QString path =
        m_services.openFileName(this, QLatin1String(kDataFilesFilter), settings::currentFile);
    if (path.isEmpty())
        return;
    settings::currentFile = path;
    filer::readParameterFile(path);
    tableToFields();
    readFieldsIntoRecord();
    setChangedState(false);
    setCaption();
    rebuild();
    showSwatches();
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
    // A failed save says nothing here: the save entry simply stays enabled.
    if (!filer::writeParameterFile(path))
        return;
    settings::currentFile = path;
    saveEnding();
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
        const int answer =
            ask(Message::FileExists, Message::FileExistsTitle, Services::YesNoCancelExclamation);
        if (answer == Services::Cancel)
            return;
        if (answer == Services::Yes)
            break;
    }
    fieldsToTable();
    // The design keeps the name of the file that holds it until another one does.
    if (!filer::writeParameterFile(path))
        return;
    settings::currentFile = path;
    saveEnding();
}

bool Form1::saveForShutdown()
{
    const QString path =
        m_services.saveFileName(this, QLatin1String(kDataFilesFilter), settings::currentFile);
    if (path.isEmpty())
        return false; // the user changed their mind: the edits stay on screen
    fieldsToTable();
    if (filer::writeParameterFile(path)) {
        settings::currentFile = path;
        settings::changed = false;
        return true;
    }
    // Nothing is lost without a word.
    return ask(Message::SaveFailed, Message::SaveFailedTitle, Services::YesNoExclamation) == Services::Yes;
}

bool Form1::confirmShutdown()
{
    if (!settings::changed)
        return true;
    const int answer = ask(Message::SaveChanges, Message::SaveChangesTitle, Services::YesNoCancel);
    if (answer == Services::Cancel)
        return false;
    return answer == Services::No || saveForShutdown();
}

void Form1::endProgram()
{
    m_ending = true;
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!m_ending) {
        commitFocusedField();
        if (!confirmShutdown()) {
            event->ignore();
            return;
        }
        filer::writeLastDesignFile(m_services.programFolder());
    }
    m_ended = true;
    event->accept();
}

void Form1::mnuFileExit_Click()
{
    commitFocusedField();
    if (!confirmShutdown())
        return;
    filer::writeLastDesignFile(m_services.programFolder());
    endProgram();
}

void Form1::escape()
{
    // One stray key must not throw away unsaved work; either way Escape
    // leaves the remembered settings of the last run as they were.
    commitFocusedField();
    if (confirmShutdown())
        endProgram();
}

void Form1::setLanguage(int language)
{
    commitFocusedField();
    settings::language = language;
    mnuViewLangEng->setEnabled(language == 0);
    mnuViewLangRus->setEnabled(language == 1);
    applyLanguage(language);
    rebuild();
}

void Form1::mnuViewLangRus_Click()
{
    setLanguage(0);
}

void Form1::mnuViewLangEng_Click()
{
    setLanguage(1);
}
