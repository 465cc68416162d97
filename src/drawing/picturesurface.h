#pragma once

#include <QImage>
#include <QSize>

// The retained image behind the window's drawing surface: it keeps the last
// drawing until the next rebuild, and the bitmap export saves exactly it.
class PictureSurface
{
  public:
    // An upright A4 proportion at `height` pixels.
    static QSize sizeForHeight(int height);

    explicit PictureSurface(QSize size = sizeForHeight(1000));

    void resize(QSize size);
    // Recomputes and redraws the design of the program-wide settings;
    // returns whether the rocket was drawn (else the start hints are).
    bool rebuild();

    const QImage &image() const { return m_image; }

  private:
    QImage m_image;
};
