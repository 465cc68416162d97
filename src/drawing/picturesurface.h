#pragma once

#include "drawing/evaluation.h"

#include <QColor>
#include <QImage>
#include <QSize>

struct DrawStyle;
struct RocketParams;

// The retained image behind the window's drawing surface: it keeps the last
// drawing until the next rebuild, and the bitmap export saves exactly it.
class PictureSurface
{
  public:
    // An upright A4 proportion at `height` pixels.
    static QSize sizeForHeight(int height);

    explicit PictureSurface(QSize size = sizeForHeight(1000));

    void resize(QSize size);
    // Evaluates the design and redraws the image from scratch; a design that
    // cannot be drawn leaves the start hints.
    Evaluation rebuild(const RocketParams &design, const DrawStyle &style);
    // Erases the image to the background the last rebuild drew on.
    void clear();

    const QImage &image() const { return m_image; }

  private:
    QImage m_image;
    QColor m_background = Qt::white;
};
