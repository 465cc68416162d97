#include "mainwindow/picturebox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
    , m_surface(QSize(1, 1))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Evaluation PictureBox::rebuild(const RocketParams &design, const DrawStyle &style)
{
    const Evaluation result = m_surface.rebuild(design, style);
    update();
    return result;
}

void PictureBox::clear()
{
    m_surface.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
    painter.end();
    if (painted)
        painted();
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    if (m_surface.image().size() != size())
        m_surface.resize(size());
}

void ArrowCombo::showPopup()
{
    // Wide enough for the longest shape name in either language.
    int widest = width();
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i))
                                      + 4 * fontMetrics().averageCharWidth());
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}

void ArrowCombo::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
}
