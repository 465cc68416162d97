#include "windows/palettewindow.h"

#include "windows/twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

std::uint8_t &component(RgbColour &colour, int k)
{
    return k == 0 ? colour.red : k == 1 ? colour.green : colour.blue;
}

} // namespace

frmPalette::frmPalette(RgbColour &edited, int editedPart, Language language, std::function<void()> redraw,
                       QWidget *parent)
    : QDialog(parent)
    , m_edited(edited)
    , m_savedColour(edited)
    , m_redraw(std::move(redraw))
    , m_paletteColours(buildPalette())
{
    const Twips twips(*this);
    setWindowTitle(paletteTitle(editedPart, language));
    setFixedSize(twips(0, 0, 3855, 6375).size());
    setModal(true);

    for (int n = 0; n < kPaletteSize; ++n) {
        const int column = n % kPaletteColumns, row = n / kPaletteColumns;
        // The grey row stands a little apart; neighbours overlap by a twip line.
        const int top = row < 17 ? 120 + 240 * row : 4320;
        Label1[n] = new QLabel(this);
        Label1[n]->setGeometry(twips(120 + 240 * column, top, 255, 255));
        Label1[n]->setAutoFillBackground(true);
        QPalette colours = Label1[n]->palette();
        const RgbColour &c = m_paletteColours[n];
        colours.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
        Label1[n]->setPalette(colours);
        Label1[n]->installEventFilter(this);
    }

    const int tops[] = {4680, 5040, 5400};
    QLabel **captions[] = {&Label3, &Label4, &Label5};
    const char *names[] = {"R", "G", "B"};
    for (int k = 0; k < 3; ++k) {
        *captions[k] = new QLabel(QLatin1String(names[k]), this);
        (*captions[k])->setGeometry(twips(120, tops[k], 240, 285));
        Text1[k] = new QLineEdit(this);
        Text1[k]->setGeometry(twips(360, tops[k], 495, 285));
        HScroll1[k] = new QScrollBar(Qt::Horizontal, this);
        HScroll1[k]->setGeometry(twips(960, tops[k], 2775, 255));
        HScroll1[k]->setRange(0, 255);
        HScroll1[k]->setPageStep(16);
    }
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(twips(120, 5880, 1335, 375));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(twips(2400, 5880, 1335, 375));
    connect(OKButton, &QPushButton::clicked, this, &frmPalette::SelectOk);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Opening: the colour as it is, its swatch marked when the palette has it.
    showComponents();
    mark(GetPalettePos(m_paletteColours, kPaletteSize - 1, m_savedColour.red, m_savedColour.green,
                       m_savedColour.blue));
    for (int k = 0; k < 3; ++k) {
        HScroll1[k]->setValue(component(m_savedColour, k));
        connect(HScroll1[k], &QScrollBar::valueChanged, this, [this, k] { HScroll1_Change(k); });
    }
}

void frmPalette::showComponents()
{
    for (int k = 0; k < 3; ++k)
        Text1[k]->setText(QString::number(component(m_edited, k)));
}

void frmPalette::mark(int swatch)
{
    if (m_markedSwatch >= 0)
        Label1[m_markedSwatch]->setFrameShape(QFrame::NoFrame);
    m_markedSwatch = swatch;
    if (swatch < 0)
        return;
    // The border must show on black as on white.
    const RgbColour &c = m_paletteColours[swatch];
    QPalette colours = Label1[swatch]->palette();
    colours.setColor(QPalette::WindowText, c.red + c.green + c.blue < 384 ? Qt::white : Qt::black);
    Label1[swatch]->setPalette(colours);
    Label1[swatch]->setFrameShape(QFrame::Box);
}

void frmPalette::Label1_Click(int swatch)
{
    mark(swatch);
    m_edited = m_paletteColours[swatch];
    showComponents();
    // The bars follow; each that moves redraws through its own change.
    for (int k = 0; k < 3; ++k)
        HScroll1[k]->setValue(component(m_edited, k));
    m_redraw();
}

void frmPalette::Label1_DblClick(int swatch)
{
    Label1_Click(swatch);
    SelectOk();
}

void frmPalette::HScroll1_Change(int k)
{
    Text1[k]->setText(QString::number(HScroll1[k]->value()));
    component(m_edited, k) = std::uint8_t(HScroll1[k]->value());
    m_redraw();
}

void frmPalette::SelectOk()
{
    if (m_edited != m_savedColour) {
        m_colourChanged = true;
        m_savedColour = m_edited;
    }
    accept();
}

void frmPalette::done(int result)
{
    m_edited = m_savedColour;
    m_redraw();
    QDialog::done(result);
}

bool frmPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto swatch = std::find(Label1.begin(), Label1.end(), watched);
        if (swatch != Label1.end()) {
            const int s = int(swatch - Label1.begin());
            if (event->type() == QEvent::MouseButtonPress)
                Label1_Click(s);
            else
                Label1_DblClick(s);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
