#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

// The windows were laid out in twips, 15 to a pixel, for a system font whose
// letters are about 5 pixels wide and 13 high. The program's font is larger
// on most desktops, so the whole layout grows with it and the texts keep the
// room they were given.
class Twips
{
  public:
    explicit Twips(const QWidget &window)
    {
        const QFontMetrics metrics(window.font());
        m_scale = std::max({1.0, metrics.averageCharWidth() / 5.0, metrics.height() / 13.0}) / 15.0;
    }
    int operator()(int twips) const { return int(std::lround(twips * m_scale)); }
    QRect operator()(int left, int top, int width, int height) const
    {
        return QRect((*this)(left), (*this)(top), (*this)(width), (*this)(height));
    }

  private:
    double m_scale;
};
