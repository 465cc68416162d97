#include "windows/formok.h"

#include "core/captions.h"

#include <QLabel>

namespace {

constexpr int kTimer1Interval = 300; // long enough to be read, short enough not to be in the way

} // namespace

FormOk::FormOk(StartTimer startTimer, Language language, QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(this))
    , m_startTimer(std::move(startTimer))
    , m_language(language)
{
    setWindowTitle(QStringLiteral("O'k"));
    setFixedSize(99, 45);
    setModal(true);
    Label1->setGeometry(8, 8, 89, 25);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    Label1->setFont(font);
}

void FormOk::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Label1->setText(message(Message::Saved, m_language));
    if (!m_timerEnabled) {
        m_timerEnabled = true;
        m_startTimer(kTimer1Interval, this, [this] { Timer1_Timer(); });
    }
}

void FormOk::Timer1_Timer()
{
    if (!m_timerEnabled)
        return;
    m_timerEnabled = false;
    accept();
}
