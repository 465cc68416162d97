#include "mainwindow/form1.h"

#include "core/noseshape.h"
#include "core/settings.h"
#include "drawing/drawstyle.h"
#include "files/designloader.h"
#include "files/filenames.h"
#include "files/lastdesign.h"
#include "files/parameterfile.h"
#include "mainwindow/form1layout.h"
#include "mainwindow/picturebox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>

#include <limits>

namespace {

// Below this the captions and fields would no longer fit their rows.
constexpr QSize kMinimumSize(640, 520);

} // namespace

Form1::Form1(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    createControls();
    createMenu();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto *strip = new QWidget(this);
    setCentralWidget(strip);
    Picture1 = new PictureBox(strip);
    for (int i = 0; i < kCaptionCount; ++i) {
        Label1[i] = new QLabel(strip);
        Label1[i]->installEventFilter(this);
    }
    for (int i = 0; i < kFieldCount; ++i) {
        Text1[i] = new QLineEdit(strip);
        // A field holds whatever a design file may hold; cut at Qt's 32767 it would differ from
        // the file and count as an edit nobody made.
        Text1[i]->setMaxLength(std::numeric_limits<int>::max());
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
        swatch->installEventFilter(this);
    }
    // The tab key walks the fields in their own order, as Enter does.
    for (int i = 0; i + 1 < kFieldCount; ++i)
        setTabOrder(Text1[i], Text1[i + 1]);
}

void Form1::Form_Load()
{
    settings::reset();
    markUnchanged();

    // The last design, or else the default design beside the program.
    const QString folder = m_services.programFolder();
    settings::currentFile = filer::readLastDesignFile(folder, settings::view);
    if (!settings::currentFile.isEmpty() && !holdsDesign(settings::currentFile))
        settings::currentFile.clear(); // as if it were gone
    if (settings::currentFile.isEmpty()) {
        const QString defaultDesign = QDir(folder).filePath(filer::kDefaultDesignFileName);
        if (QFileInfo(defaultDesign).isFile())
            settings::currentFile = QDir::toNativeSeparators(defaultDesign);
    }
    if (!settings::currentFile.isEmpty()) {
        filer::readParameterFile(settings::currentFile, settings::fieldTable, settings::colours);
        tableToFields();
        readFieldsIntoRecord();
    }

    showViewSettings();
    setFieldText(fieldNoseShape, settings::rocket.noseShape);
    Combo1->addItems(noseShapeEntries(settings::view.language));
    setCaption();

    // Nine tenths of the screen high, a little wider than high, centred, the
    // frame included once the window system has put one round it.
    const QSize screen = m_services.screenSize();
    const int height = qRound(0.9 * screen.height());
    const int width = qRound(1.1 * height);
    m_outerSize = QSize(width, height);
    setMinimumSize(kMinimumSize.boundedTo(m_outerSize));
    resize(m_outerSize);
    m_outerCorner = QPoint((screen.width() - width) / 2, (screen.height() - height) / 2);
    move(m_outerCorner);
    applyLanguage(settings::view.language);
}

void Form1::setCaption()
{
    setWindowTitle(windowCaption(settings::currentFile));
}

void Form1::layoutControls()
{
    const Form1Layout layout = layoutForm1(width(), centralWidget()->height());
    Picture1->setGeometry(layout.picture);

    // The largest font in which every caption fits its column and every text its field.
    QFont font = QApplication::font();
    QFont bold = font;
    bold.setBold(true);
    const auto isHeading = [](int caption) { return caption >= kFirstHeading; };
    for (double points = 10; points >= 5; points -= 0.5) {
        font.setPointSizeF(points);
        bold.setPointSizeF(points);
        bool fits = QFontMetricsF(font).height() + 4 <= layout.fieldHeight;
        for (int i = 2; fits && i < kCaptionCount - 1; ++i)
            fits = QFontMetricsF(isHeading(i) ? bold : font).horizontalAdvance(Label1[i]->text())
                   <= layout.captionWidth - 2;
        if (fits)
            break;
    }

    for (int i = 0; i < kCaptionCount; ++i) {
        Label1[i]->setFont(isHeading(i) ? bold : font);
        Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label1[i]->setGeometry(layout.captions[i]);
    }
    for (int i = 0; i < kFieldCount; ++i) {
        Text1[i]->setFont(font);
        Text1[i]->setGeometry(layout.fields[i]);
    }
    Combo1->setGeometry(layout.combo);
    for (int s = 0; s < 4; ++s)
        LabelP[s]->setGeometry(layout.swatches[s]);
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

void Form1::fitFrame()
{
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const QSize frame = outer.size() - inner.size();
    if (m_frameFitted || (frame.width() <= 0 && frame.height() <= 0))
        return;
    m_frameFitted = true;
    if (size() != m_outerSize)
        return; // the user has sized the window already
    // The frame is taken off the size, and the frame's corner put where it was asked for: some
    // window managers place a new window themselves.
    resize((m_outerSize - frame).expandedTo(minimumSize()));
    move(m_outerCorner);
}

void Form1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // The window system tells the frame's size only once it has put the frame round the window.
    fitFrame();
}

void Form1::Form_Activate()
{
    fitFrame();
    m_activated = true;
    activateWindow();
    rebuild();
    Text1[0]->setFocus(Qt::OtherFocusReason);
    // An inactive window gets no focus events until it is activated.
    if (QApplication::focusWidget() != Text1[0])
        focusIn(0);
}

void Form1::applyLanguage(Language language)
{
    for (int i = 0; i < kCaptionCount; ++i)
        Label1[i]->setText(caption(i, language));
    setMenuLanguage(language);
    translateQt(language);
    settings::rocket.noseShape = noseShapeNameIn(settings::rocket.noseShape, language);
    setFieldText(fieldNoseShape, settings::rocket.noseShape);
    const QStringList entries = noseShapeEntries(language);
    for (int i = 0; i < Combo1->count() && i < entries.size(); ++i)
        Combo1->setItemText(i, entries[i]);
    layoutControls();
}

void Form1::rebuild()
{
    const Evaluation result = Picture1->rebuild(settings::rocket, {settings::colours, settings::view});
    // The start hints leave the results as they were.
    if (!result.drawable())
        return;
    const auto outputs = outputFieldTexts(result, settings::view.accuracy);
    for (int k = 0; k < 4; ++k)
        setFieldText(fieldBcpPosition + k, outputs[k]);
}

// Menu states.

void Form1::markEdited()
{
    settings::changed = true;
    mnuEditRestore->setEnabled(true);
    mnuFileSave->setEnabled(true);
}

void Form1::markShapeChosen()
{
    settings::changed = true;
    mnuEditRestore->setEnabled(true);
}

void Form1::markUnchanged()
{
    settings::changed = false;
    mnuEditRestore->setEnabled(false);
    mnuFileSave->setEnabled(false);
}

void Form1::markCleaned()
{
    settings::changed = false;
    mnuEditRestore->setEnabled(true);
    mnuFileSave->setEnabled(false);
}

void Form1::markColourKept()
{
    settings::changed = true;
    mnuFileSave->setEnabled(true);
}

void Form1::markAccuracyChanged()
{
    settings::changed = true;
    mnuEditRestore->setEnabled(false);
}

void Form1::showViewSettings()
{
    const ViewSettings &view = settings::view;
    const bool picture = view.viewMode == ViewMode::Picture;
    mnuViewPic->setEnabled(!picture);
    mnuViewDraw->setEnabled(picture);
    mnuViewAcc0->setEnabled(view.accuracy != 0);
    mnuViewAcc1->setEnabled(view.accuracy == 0);
    mnuViewLangRus->setEnabled(view.language != Language::Russian);
    mnuViewLangEng->setEnabled(view.language != Language::English);

    const DesignColours &c = settings::colours;
    const RgbColour colours[] = {c.noseColour, c.bodyColour, c.nameTextColour, c.finsColour};
    for (int i = 0; i < 4; ++i) {
        LabelP[i]->setVisible(picture);
        if (!picture)
            continue;
        LabelP[i]->setText(QStringLiteral("..."));
        QPalette palette = LabelP[i]->palette();
        palette.setColor(QPalette::Window, toColour(colours[i]));
        // The dots stay readable on any colour.
        const RgbColour &rgb = colours[i];
        palette.setColor(QPalette::WindowText,
                         rgb.red * 299 + rgb.green * 587 + rgb.blue * 114 < 128000 ? Qt::white : Qt::black);
        LabelP[i]->setPalette(palette);
    }
}

Services::Answer Form1::ask(Message prompt, Message title, Services::Buttons buttons)
{
    const Language language = settings::view.language;
    return m_services.messageBox(this, message(prompt, language), buttons, message(title, language));
}

QString Form1::askSaveName(const char *filter, const QString &initial)
{
    const QString name = QLatin1String(filter);
    // Without the extension the open dialog would never list the file.
    return filer::withFilterExtension(m_services.saveFileName(this, name, initial), name);
}

bool Form1::saveBeforeLeaving()
{
    const QString path = askDesignName(settings::currentFile);
    if (path.isEmpty())
        return false; // the user changed their mind: the edits stay on screen
    fieldsToTable();
    if (filer::writeParameterFile(path, settings::fieldTable, settings::colours)) {
        settings::currentFile = path;
        markUnchanged();
        setCaption();
        return true;
    }
    // Nothing is lost without a word.
    return ask(Message::SaveFailed, Message::SaveFailedTitle, Services::Buttons::YesNoExclamation)
           == Services::Answer::Yes;
}

// Shutting down.

bool Form1::confirmLeavingChanges()
{
    if (!settings::changed)
        return true;
    const Services::Answer answer =
        ask(Message::SaveChanges, Message::SaveChangesTitle, Services::Buttons::YesNoCancel);
    if (answer == Services::Answer::Cancel)
        return false;
    return answer == Services::Answer::No || saveBeforeLeaving();
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
        if (!confirmLeavingChanges()) {
            event->ignore();
            return;
        }
        filer::writeLastDesignFile(m_services.programFolder(), settings::currentFile, settings::view);
    }
    m_ended = true;
    event->accept();
}

void Form1::escape()
{
    // One stray key must not throw away unsaved work; either way Escape
    // leaves the remembered settings of the last run as they were.
    commitFocusedField();
    if (confirmLeavingChanges())
        endProgram();
}
